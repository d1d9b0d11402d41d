#include "ui/SplashWindow.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include "base/Messages.h"
#include "ui/UserPress.h"

namespace z5 {
namespace {

constexpr QSize kSplashSize(420, 180);
constexpr int kBorder = 2;
constexpr int kTitlePointSize = 22;
const QColor kSea(16, 58, 94);
const QColor kChartPaper(245, 240, 225);

}  // namespace

SplashWindow::SplashWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::SplashScreen | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kSplashSize);
  timer_.setSingleShot(true);
  timer_.setInterval(kTimerMs);
  connect(&timer_, &QTimer::timeout, this, &SplashWindow::dismiss);
}

void SplashWindow::showOverMainWindow() {
  move(mainWindow_->geometry().center() - rect().center());
  show();
  qApp->installEventFilter(this);
  timer_.start();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kSea);
  painter.fillRect(rect().adjusted(kBorder, kBorder, -kBorder, -kBorder), kChartPaper);
  QFont title = font();
  title.setPointSize(kTitlePointSize);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(kSea);
  const QRect upper(rect().left(), rect().top(), width(), height() * 2 / 3);
  painter.drawText(upper, Qt::AlignCenter, QString::fromUtf8(Messages::kTitle));
  painter.setFont(font());
  const QRect lower(rect().left(), upper.bottom(), width(), height() / 3);
  painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop, tr("Voyage planning and navigation"));
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if (isUserPress(event->type())) dismiss();
  return QWidget::eventFilter(watched, event);
}

void SplashWindow::dismiss() {
  qApp->removeEventFilter(this);
  timer_.stop();
  close();
  mainWindow_->update();
}

}  // namespace z5
