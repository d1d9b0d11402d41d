#pragma once
// The read-only text of a prompt or a question: the whole text visible
// without scrolling up to a dozen lines, never editable, never focused.

#include <QPlainTextEdit>

namespace z5 {

class QuestionText final : public QPlainTextEdit {
  Q_OBJECT
 public:
  QuestionText(const QString& text, QWidget* parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 private:
  QSize textSize_;
};

}  // namespace z5
