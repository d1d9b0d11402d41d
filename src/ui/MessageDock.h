#pragma once
// The "Z5 Messages" window: a dock with one read-only text view holding
// what the commands report. Its text is the core's (Messages); the dock
// only shows it. It has no close button: "&Hide Message Window" hides it,
// so the command's checked mark always tells the truth.

#include <QDockWidget>

class QPlainTextEdit;

namespace z5 {

class MessageDock final : public QDockWidget {
  Q_OBJECT
 public:
  explicit MessageDock(QWidget* parent);

  // The whole text replaced, or `appended` added at its end.
  void showText(const QString& text);
  void appendText(const QString& appended);
  QString text() const;
  QPlainTextEdit* view() const { return view_; }

  static constexpr const char* kTitle = "Z5 Messages";

 private:
  void scrollToEnd();
  QPlainTextEdit* view_;
};

}  // namespace z5
