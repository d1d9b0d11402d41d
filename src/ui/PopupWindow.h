#pragma once
// The small window of a timed message or a notice: an icon and the text,
// over the middle of its owner. It takes no focus, so typing goes on in the
// editor; the host closes it.

#include <QFrame>

class QLabel;

namespace z5 {

class PopupWindow final : public QFrame {
  Q_OBJECT
 public:
  enum class Kind { Message, Notice };
  PopupWindow(QWidget* owner, Kind kind, const QString& text);

  Kind kind() const { return kind_; }
  QString text() const;
  // Placed over the middle of the owner's window, or of the screen.
  void showOverOwner();

 private:
  Kind kind_;
  QLabel* text_;
};

}  // namespace z5
