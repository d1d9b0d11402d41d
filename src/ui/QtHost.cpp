#include "ui/QtHost.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMainWindow>

#include "ui/ConfirmDialog.h"
#include "ui/MessageDock.h"
#include "ui/PromptDialog.h"
#include "ui/QtText.h"
#include "ui/UserGuide.h"
#include "ui/UserPress.h"

namespace z5 {

QtHost::QtHost(QMainWindow& mainWindow) : mainWindow_(mainWindow), dock_(new MessageDock(&mainWindow)) {
  popupTimer_.setSingleShot(true);
  connect(&popupTimer_, &QTimer::timeout, this, &QtHost::closePopups);
}

QtHost::~QtHost() {
  if (filtering_) qApp->removeEventFilter(this);
}

void QtHost::messageTextChanged(const std::string& text, std::string_view appended) {
  if (appended.empty()) {
    dock_->showText(toViewText(text));
  } else {
    dock_->appendText(toViewText(appended));
  }
}

void QtHost::showMessageWindow() {
  const bool wasHidden = dock_->isHidden();
  dock_->show();
  dock_->raise();
  if (wasHidden) emit messageWindowVisibilityChanged(true);
}

void QtHost::hideMessageWindow() {
  const bool wasShown = !dock_->isHidden();
  dock_->hide();
  if (wasShown) emit messageWindowVisibilityChanged(false);
}

bool QtHost::mainWindowMinimised() const { return mainWindow_.isMinimized(); }

bool QtHost::popupShowing() const { return popup_ != nullptr; }

void QtHost::closePopups() {
  popupTimer_.stop();
  if (filtering_) {
    qApp->removeEventFilter(this);
    filtering_ = false;
  }
  // Closed later: the press that closes it may be on the pop-up itself.
  if (popup_ != nullptr) {
    popup_->hide();
    popup_->deleteLater();
    popup_ = nullptr;
  }
  if (splash_ != nullptr) splash_->close();
}

void QtHost::showPopup(PopupWindow::Kind kind, const std::string& text, int milliseconds) {
  if (mainWindowMinimised()) return;
  closePopups();
  popup_ = new PopupWindow(&mainWindow_, kind, toViewText(text));
  popup_->showOverOwner();
  popupTimer_.start(milliseconds);
  qApp->installEventFilter(this);
  filtering_ = true;
}

void QtHost::showTimedPopup(const std::string& text, int milliseconds) {
  showPopup(PopupWindow::Kind::Message, text, milliseconds);
}

void QtHost::showNoticePopup(const std::string& text, int milliseconds) {
  showPopup(PopupWindow::Kind::Notice, text, milliseconds);
}

bool QtHost::eventFilter(QObject* watched, QEvent* event) {
  // The press goes on to its window: closing the pop-up does not eat it.
  if (isUserPress(event->type())) closePopups();
  return QObject::eventFilter(watched, event);
}

void QtHost::openHelp() {
  showUserGuide(&mainWindow_, helpCommand_);
}

Host::PromptEnding QtHost::runPrompt(const std::string& prompt, std::string& answer) {
  if (mainWindowMinimised()) return PromptEnding::Other;
  PromptDialog dialog(&mainWindow_, toViewText(prompt), toQString(answer));
  connect(&dialog, &PromptDialog::helpRequested, this, &QtHost::openHelp);
  switch (dialog.exec()) {
    case QDialog::Accepted:
      answer = toStdString(dialog.value());
      return PromptEnding::Ok;
    case QDialog::Rejected:
      return PromptEnding::Cancel;
    default:
      return PromptEnding::Other;
  }
}

Host::Confirmation QtHost::confirm(const std::string& text) {
  ConfirmDialog dialog(&mainWindow_, toViewText(text));
  dialog.exec();
  return dialog.answer();
}

void QtHost::wait(int milliseconds) {
  // The windows go on painting; the user's input waits until the pause ends.
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace z5
