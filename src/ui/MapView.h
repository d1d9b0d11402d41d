#pragma once
// The map document's window: a scrolling view of the front picture. The
// map is painted into the back picture and the two are swapped, so the
// window always shows a whole map. The mouse reads positions off it, a left
// click opens the position dialog, a right click recentres, Page Down /
// keypad "+" and Page Up / keypad "-" zoom, the wheel zooms about the
// pointer and a drag pans; every one of them goes through the map window's
// model, which keeps the view in the route.

#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>

namespace z5 {

class MapDocument;
class Z5App;

class MapView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  MapView(Z5App& app, MapDocument& document, QWidget* parent = nullptr);

  MapDocument& document() { return document_; }
  // The picture on show.
  const QImage& picture() const { return front_; }

  // Paints the application's map into the back picture, at the size of
  // the main window's client area (this view's own without a main window),
  // swaps it to the front and shows it. The document learns the size.
  void render();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // The main window's client area resized: the picture follows its size.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSize pictureSize() const;
  // A pixel of the viewport as a pixel of the picture.
  QPoint picturePixel(QPointF viewportPoint) const;
  // Input reaches the model only on the live map: the application's extent
  // is the one its picture was painted with.
  bool live() const;
  void updateScrollBars();
  // Painted again at the picture size once the resizing events are handled.
  void fitPictureSoon();
  void showPosition(QPoint pixel);
  void openPositionDialog(QPoint pixel);
  void placeAwayFrom(QWidget& dialog, QPoint pixel) const;
  void finishDrag(QPoint pixel);
  // The view moved: painted again once the events queued now are handled.
  void redrawSoon();
  void redrawIfPending();

  Z5App& app_;
  MapDocument& document_;
  QImage front_;
  QImage back_;
  // A left press, and how far the picture follows the pointer while dragged.
  bool pressed_ = false;
  bool dragging_ = false;
  QPoint pressedAt_;
  QPoint dragOffset_;
  // Wheel turns gathered until they make a whole step.
  int wheelAngle_ = 0;
};

}  // namespace z5
