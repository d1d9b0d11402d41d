#include "ui/MapView.h"

#include <algorithm>
#include <mutex>
#include <optional>

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "app/MapWindow.h"
#include "app/PositionDialog.h"
#include "app/Z5App.h"
#include "commands/CommandIds.h"
#include "editor/MapDocument.h"
#include "ui/MapImage.h"
#include "ui/PositionDialogWindow.h"
#include "ui/UserGuide.h"

namespace z5 {
namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelStep = 120;

// Page Down and keypad "+" zoom in, Page Up and keypad "-" zoom out; the
// "+" and "-" of the main keys too, for keyboards without a keypad.
std::optional<Zoom> zoomOfKey(int key) {
  switch (key) {
    case Qt::Key_PageDown:
    case Qt::Key_Plus:
      return Zoom::In;
    case Qt::Key_PageUp:
    case Qt::Key_Minus:
      return Zoom::Out;
    default:
      return std::nullopt;
  }
}

}  // namespace

MapView::MapView(Z5App& app, MapDocument& document, QWidget* parent)
    : QAbstractScrollArea(parent), app_(app), document_(document) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowTitle(QString::fromStdString(document.title()));
}

QSize MapView::pictureSize() const {
  if (const auto* main = qobject_cast<const QMainWindow*>(window()); main && main->centralWidget()) {
    return main->centralWidget()->size();
  }
  return viewport()->size();
}

void MapView::render() {
  const QSize size = pictureSize();
  if (size.isEmpty()) return;
  if (back_.size() != size) back_ = QImage(size, QImage::Format_RGB32);
  back_.fill(Qt::black);
  paintMapOn(app_, back_);
  front_.swap(back_);
  document_.setPictureSize(front_.width(), front_.height());
  dragOffset_ = {};
  updateScrollBars();
  viewport()->update();
}

bool MapView::live() const { return app_.documents().liveMap() == &document_; }

QPoint MapView::picturePixel(QPointF viewportPoint) const {
  return viewportPoint.toPoint() + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void MapView::updateScrollBars() {
  const QSize shown = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, front_.width() - shown.width()));
  horizontalScrollBar()->setPageStep(shown.width());
  verticalScrollBar()->setRange(0, std::max(0, front_.height() - shown.height()));
  verticalScrollBar()->setPageStep(shown.height());
}

void MapView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QPoint origin = dragOffset_ - QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
  const QRect picture(origin, front_.size());
  // Beyond the picture (a view larger than the map, or a picture dragged
  // aside) the window's own background.
  const QRegion outside = QRegion(viewport()->rect()) - QRegion(picture);
  for (const QRect& rect : outside) painter.fillRect(rect, palette().window());
  painter.drawImage(origin, front_);
}

void MapView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
  fitPictureSoon();
}

void MapView::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  if (const auto* main = qobject_cast<const QMainWindow*>(window()); main && main->centralWidget()) {
    main->centralWidget()->installEventFilter(this);
  }
}

bool MapView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) fitPictureSoon();
  return QAbstractScrollArea::eventFilter(watched, event);
}

void MapView::fitPictureSoon() {
  if (!live() || pictureSize() == front_.size()) return;
  QTimer::singleShot(0, this, [this] {
    if (live() && pictureSize() != front_.size()) render();
  });
}

void MapView::scrollContentsBy(int, int) { viewport()->update(); }

void MapView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (pressed_ && !dragging_ && (at - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
    dragging_ = true;
    viewport()->setCursor(Qt::ClosedHandCursor);
  }
  if (dragging_) {
    dragOffset_ = at - pressedAt_;
    viewport()->update();
    return;
  }
  showPosition(picturePixel(event->position()));
}

void MapView::showPosition(QPoint pixel) {
  if (!live()) return;
  const bool onMap = MapWindow(app_).mouseMove(pixel.x(), pixel.y()).has_value();
  viewport()->setCursor(onMap ? Qt::CrossCursor : Qt::ArrowCursor);
}

void MapView::leaveEvent(QEvent* event) {
  QAbstractScrollArea::leaveEvent(event);
  if (live() && !dragging_) MapWindow(app_).mouseMove(-1, -1);
}

void MapView::mousePressEvent(QMouseEvent* event) {
  if (!live()) return;
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    dragging_ = false;
    pressedAt_ = event->position().toPoint();
  } else if (event->button() == Qt::RightButton) {
    const QPoint pixel = picturePixel(event->position());
    MapWindow(app_).rightClick(pixel.x(), pixel.y());
    redrawSoon();
  }
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  const QPoint pixel = picturePixel(event->position());
  if (dragging_) {
    finishDrag(pixel);
  } else {
    openPositionDialog(pixel);
  }
}

void MapView::finishDrag(QPoint pixel) {
  dragging_ = false;
  viewport()->setCursor(Qt::CrossCursor);
  const QPoint from = pixel - dragOffset_;
  MapWindow(app_).drag(from.x(), from.y(), pixel.x(), pixel.y());
  bool moved = false;
  {
    std::lock_guard<std::recursive_mutex> hold(app_.mapLock());
    moved = app_.mapView().redrawPending;
  }
  // The picture stays where it was dropped until the new one is painted.
  if (!moved) dragOffset_ = {};
  viewport()->update();
  redrawSoon();
}

void MapView::openPositionDialog(QPoint pixel) {
  std::optional<PositionDialog> model = PositionDialog::open(app_, pixel.x(), pixel.y());
  if (!model) return;
  PositionDialogWindow dialog(*model, this);
  connect(&dialog, &PositionDialogWindow::helpRequested, this, [this] { showUserGuide(this, cmd::kMap); });
  placeAwayFrom(dialog, pixel);
  dialog.exec();
  redrawSoon();
}

void MapView::placeAwayFrom(QWidget& dialog, QPoint pixel) const {
  // In the half of the map the click is not in, so the point stays in view.
  dialog.adjustSize();
  const QRect map(viewport()->mapToGlobal(QPoint(0, 0)), viewport()->size());
  const QPoint click = viewport()->mapToGlobal(pixel - QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
  const QSize size = dialog.frameGeometry().size();
  QPoint at(map.center().x() - size.width() / 2, click.y() < map.center().y() ? map.bottom() - size.height() : map.top());
  if (const QScreen* screen = this->screen()) {
    const QRect free = screen->availableGeometry();
    at.setX(std::clamp(at.x(), free.left(), std::max(free.left(), free.right() - size.width())));
    at.setY(std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() - size.height())));
  }
  dialog.move(at);
}

void MapView::wheelEvent(QWheelEvent* event) {
  if (!live()) return;
  wheelAngle_ += event->angleDelta().y();
  const QPoint pixel = picturePixel(event->position());
  while (std::abs(wheelAngle_) >= kWheelStep) {
    const Zoom direction = wheelAngle_ > 0 ? Zoom::In : Zoom::Out;
    wheelAngle_ -= wheelAngle_ > 0 ? kWheelStep : -kWheelStep;
    MapWindow(app_).wheelZoom(direction, pixel.x(), pixel.y());
  }
  event->accept();
  redrawSoon();
}

void MapView::keyPressEvent(QKeyEvent* event) {
  const std::optional<Zoom> direction = zoomOfKey(event->key());
  if (!direction || !live()) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  MapWindow(app_).zoom(*direction);
  redrawSoon();
}

void MapView::redrawSoon() { QTimer::singleShot(0, this, &MapView::redrawIfPending); }

void MapView::redrawIfPending() {
  bool pending = false;
  {
    std::lock_guard<std::recursive_mutex> hold(app_.mapLock());
    pending = app_.mapView().redrawPending;
  }
  if (pending) MapWindow(app_).redraw();
}

}  // namespace z5
