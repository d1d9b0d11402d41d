#pragma once
// The main window: the document windows in an MDI area, the message
// window docked beside them, the menus and the tool bar made from the
// command table, and the status bar with the caret's line and column. It
// runs the commands of its actions through the table, carries out the
// window's own commands (File, Edit, View, Window, Help), and does the
// idle work the commands leave pending.

#include <memory>

#include <QMainWindow>
#include <QTimer>

#include "commands/CommandWindows.h"
#include "editor/RecentFiles.h"
#include "ui/QtClipboard.h"

class QLabel;
class QMenu;
class QToolBar;

namespace z5 {

class ActionTable;
class AppCommands;
class DocumentArea;
class EditorView;
class GpsDialogWindow;
class QtHost;
class SettingsStore;
class Z5App;

class MainWindow final : public QMainWindow, public CommandWindows {
  Q_OBJECT
 public:
  MainWindow();
  ~MainWindow() override;

  // The host of the program's messages and questions, which the
  // application is built on.
  QtHost& host() { return *host_; }

  // The application's documents, clipboard and commands go through this
  // window from now on.
  void attach(Z5App& app);

  // The placement, the document windows' show state and the recent files
  // stored in the profile; a malformed placement is ignored.
  void readProfile(const SettingsStore& store);
  // The same written back, each only where it changed.
  void writeProfile(SettingsStore& store) const;
  // Shows the window as the stored placement says (maximised or not).
  void showPlaced();

  // Runs command `id` as its menu item or button would.
  void runCommandId(int id);
  // Opens a file in an editor (the recent files and dropped files).
  bool openFile(const QString& path);
  // Every document closed without a question (exit).
  void discardDocuments();
  // Asks for the pending work of the commands to be done when the event
  // queue is empty. Safe to call from the GPS reader thread.
  void scheduleIdleWork();

  ActionTable& actionTable() { return *actions_; }
  DocumentArea& documentArea() { return *area_; }
  QToolBar* toolBar() const { return toolBar_; }
  QLabel* linePane() const { return linePane_; }
  QLabel* columnPane() const { return columnPane_; }
  const RecentFiles& recentFiles() const { return recent_; }
  AppCommands& commands() { return *commands_; }

  // CommandWindows.
  void runSettingsSheet(SettingsSheet& sheet) override;
  bool runColourDialog(SettingsRecord& settings) override;
  void gpsDialogChanged(const GpsDialog& dialog) override;
  void insertAtCaret(std::string_view text) override;
  bool openOnDesktop(const std::string& path) override;
  std::optional<std::string> askOpenName(const std::string& directory, std::string_view pattern) override;
  void runFrameCommand(FrameCommand command, int index) override;
  FrameConditions frameConditions() const override;

  // The tool bar's states are refreshed this often.
  static constexpr int kToolBarRefreshMs = 250;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void createDocumentArea();
  void createActions();
  void createToolBar();
  void createStatusBar();
  void createMessageWindow();

  void refreshStates();
  void menuAboutToShow(QMenu* menu);
  void showCaret(int line, int column, int lineCount);
  void runIdleWork();

  void openWithDialog();
  void runFileCommand(FrameCommand command, int index);
  void runEditCommand(FrameCommand command);
  void runFontCommand(FrameCommand command);
  void runWindowCommand(FrameCommand command, int index);
  void runHelpCommand(FrameCommand command);
  EditorView* activeEditor() const;

  std::unique_ptr<QtHost> host_;
  Z5App* app_ = nullptr;
  std::unique_ptr<AppCommands> commands_;
  DocumentArea* area_ = nullptr;
  ActionTable* actions_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* linePane_ = nullptr;
  QLabel* columnPane_ = nullptr;
  GpsDialogWindow* gpsWindow_ = nullptr;
  QtClipboard clipboard_;
  bool clipboardHasText_ = false;
  RecentFiles recent_;
  QTimer toolBarTimer_;
  QTimer idleTimer_;
  std::string loadedPlacement_;
  int loadedShowState_ = 0;
  bool placedMaximised_ = false;
};

}  // namespace z5
