#pragma once
// The core's Host on Qt: the message dock, the timed and notice pop-ups,
// the prompt and confirmation dialogs and the pause, all owned by the main
// window.
//
// The main window builds the host before the application (Z5App takes it
// by reference) and adds messageDock() to itself. A pop-up closes at the
// tick of the one timer, or at any key or mouse-button press anywhere in
// the program (an application-wide event filter, present only while a
// pop-up shows); a new pop-up replaces the one showing and restarts the
// timer with its own time.

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "base/Host.h"
#include "ui/PopupWindow.h"

class QMainWindow;

namespace z5 {

class MessageDock;

class QtHost final : public QObject, public Host {
  Q_OBJECT
 public:
  // Only the window's address is kept: it may still be under construction.
  explicit QtHost(QMainWindow& mainWindow);
  ~QtHost() override;

  MessageDock* messageDock() const { return dock_; }
  // The splash window, closed with the pop-ups.
  void setSplashWindow(QWidget* splash) { splash_ = splash; }
  // The command that is running: a prompt's Help opens its section
  // (0: none, the guide's contents).
  void setHelpCommand(int commandId) { helpCommand_ = commandId; }
  int helpCommand() const { return helpCommand_; }

  // The pop-up showing, or null.
  PopupWindow* popup() const { return popup_; }

  void messageTextChanged(const std::string& text, std::string_view appended) override;
  void showMessageWindow() override;
  void hideMessageWindow() override;
  bool mainWindowMinimised() const override;
  bool popupShowing() const override;
  void closePopups() override;
  void showTimedPopup(const std::string& text, int milliseconds) override;
  void showNoticePopup(const std::string& text, int milliseconds) override;
  PromptEnding runPrompt(const std::string& prompt, std::string& answer) override;
  Confirmation confirm(const std::string& text) override;
  void wait(int milliseconds) override;

 signals:
  // The message window was shown or hidden (the frame refreshes the menus).
  void messageWindowVisibilityChanged(bool visible);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showPopup(PopupWindow::Kind kind, const std::string& text, int milliseconds);
  void openHelp();

  QMainWindow& mainWindow_;
  MessageDock* dock_;
  QPointer<PopupWindow> popup_;
  QPointer<QWidget> splash_;
  QTimer popupTimer_;
  bool filtering_ = false;
  int helpCommand_ = 0;
};

// Sets the host's help command for the life of one command.
class HelpCommandScope {
 public:
  HelpCommandScope(QtHost& host, int commandId) : host_(host), previous_(host.helpCommand()) {
    host_.setHelpCommand(commandId);
  }
  ~HelpCommandScope() { host_.setHelpCommand(previous_); }
  HelpCommandScope(const HelpCommandScope&) = delete;
  HelpCommandScope& operator=(const HelpCommandScope&) = delete;

 private:
  QtHost& host_;
  int previous_;
};

}  // namespace z5
