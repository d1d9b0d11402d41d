#include "ui/PopupWindow.h"

#include <algorithm>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>

namespace z5 {
namespace {

// Long messages wrap at about this many average characters.
constexpr int kWrapColumns = 64;

}  // namespace

PopupWindow::PopupWindow(QWidget* owner, Kind kind, const QString& text)
    : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), kind_(kind) {
  setObjectName(kind == Kind::Message ? QStringLiteral("MessagePopup") : QStringLiteral("NoticePopup"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_DeleteOnClose);
  setFocusPolicy(Qt::NoFocus);
  setFrameStyle(QFrame::Box | QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::ToolTipBase);

  auto* icon = new QLabel(this);
  const QStyle::StandardPixmap pixmap =
      kind == Kind::Message ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation;
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(pixmap, nullptr, this).pixmap(side, side));
  icon->setAlignment(Qt::AlignTop);

  text_ = new QLabel(this);
  text_->setTextFormat(Qt::PlainText);
  text_->setText(text);
  text_->setWordWrap(true);
  text_->setForegroundRole(QPalette::ToolTipText);
  const QFontMetrics metrics(text_->font());
  text_->setMaximumWidth(metrics.averageCharWidth() * kWrapColumns);
  // A short message stays on one line rather than wrapping in a narrow box.
  text_->setMinimumWidth(std::min(metrics.horizontalAdvance(text.section(QLatin1Char('\n'), 0, 0)),
                                  text_->maximumWidth()));

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(12, 12, 16, 12);
  layout->setSpacing(12);
  layout->addWidget(icon);
  layout->addWidget(text_, 1);
}

QString PopupWindow::text() const { return text_->text(); }

void PopupWindow::showOverOwner() {
  adjustSize();
  const QWidget* owner = parentWidget();
  QRect area = owner != nullptr && owner->isVisible() ? owner->frameGeometry() : QRect();
  if (area.isEmpty() && QGuiApplication::primaryScreen() != nullptr)
    area = QGuiApplication::primaryScreen()->availableGeometry();
  QRect placed(QPoint(), size());
  placed.moveCenter(area.center());
  move(placed.topLeft());
  show();
}

}  // namespace z5
