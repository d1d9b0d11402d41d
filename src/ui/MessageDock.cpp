#include "ui/MessageDock.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace z5 {
namespace {

// Wide enough for a waypoint listing line, tall enough for a dozen lines.
constexpr int kShownColumns = 72;
constexpr int kShownLines = 12;

}  // namespace

MessageDock::MessageDock(QWidget* parent) : QDockWidget(QString::fromLatin1(kTitle), parent) {
  setObjectName(QStringLiteral("MessageDock"));
  setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  view_ = new QPlainTextEdit(this);
  view_->setObjectName(QStringLiteral("MessageText"));
  view_->setReadOnly(true);
  view_->setUndoRedoEnabled(false);
  // Listings are columns of figures: a fixed-pitch font keeps them aligned.
  view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  const QFontMetrics metrics(view_->font());
  view_->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('0')) * kShownColumns / 2,
                        metrics.lineSpacing() * 4);
  resize(metrics.horizontalAdvance(QLatin1Char('0')) * kShownColumns, metrics.lineSpacing() * kShownLines);
  setWidget(view_);
}

void MessageDock::showText(const QString& text) {
  view_->setPlainText(text);
  scrollToEnd();
}

void MessageDock::appendText(const QString& appended) {
  QTextCursor end(view_->document());
  end.movePosition(QTextCursor::End);
  end.insertText(appended);
  scrollToEnd();
}

QString MessageDock::text() const { return view_->toPlainText(); }

void MessageDock::scrollToEnd() {
  QScrollBar* bar = view_->verticalScrollBar();
  bar->setValue(bar->maximum());
  view_->horizontalScrollBar()->setValue(0);
}

}  // namespace z5
