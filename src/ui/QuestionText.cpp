#include "ui/QuestionText.h"

#include <algorithm>

#include <QStringList>

namespace z5 {
namespace {

constexpr int kMaxShownLines = 12;
constexpr int kMinShownColumns = 40;
constexpr int kMaxShownColumns = 90;

}  // namespace

QuestionText::QuestionText(const QString& text, QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("QuestionText"));
  setReadOnly(true);
  setFocusPolicy(Qt::NoFocus);
  setPlainText(text);
  setFrameShape(QFrame::NoFrame);
  viewport()->setAutoFillBackground(false);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);

  const QFontMetrics metrics(font());
  const QStringList lines = text.split(QLatin1Char('\n'));
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  const int column = metrics.averageCharWidth();
  const int width = std::clamp(widest + column * 2, column * kMinShownColumns, column * kMaxShownColumns);
  // Lines longer than the widest allowed wrap: count them as the lines they become.
  int shownLines = 0;
  for (const QString& line : lines) shownLines += 1 + metrics.horizontalAdvance(line) / (column * kMaxShownColumns);
  const int height = metrics.lineSpacing() * std::min(shownLines, kMaxShownLines) +
                     static_cast<int>(document()->documentMargin() * 2) + frameWidth() * 2;
  textSize_ = QSize(width, height);
  // As tall as its text, never a box of blank lines below a short question.
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setFixedHeight(height);
}

QSize QuestionText::sizeHint() const { return textSize_; }

QSize QuestionText::minimumSizeHint() const { return QSize(0, textSize_.height()); }

}  // namespace z5
