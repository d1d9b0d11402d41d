#include "ui/QtSurface.h"

#include "ui/MapFontQt.h"
#include "ui/QtText.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QPen>
#include <QString>

namespace z5 {
namespace {
QColor toQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }
}  // namespace

QtSurface::QtSurface(QPainter& painter, int width, int height, bool printing, QPoint origin)
    : painter_(painter), width_(width), height_(height), printing_(printing), origin_(origin) {
  painter_.save();
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBrush(Qt::NoBrush);
  selectPenColour({255, 255, 255});
}

QtSurface::~QtSurface() {
  if (painter_.isActive()) painter_.restore();
}

QColor QtSurface::tableColour(int index) const {
  if (index < 0 || index >= tableSize_) return pen_;
  return table_[static_cast<std::size_t>(index)];
}

void QtSurface::setColourTable(const Rgb* colours, int count) {
  tableSize_ = std::min(count, kPaletteSize);
  for (int i = 0; i < tableSize_; ++i) table_[static_cast<std::size_t>(i)] = toQColor(colours[i]);
}

void QtSurface::selectPen(int colourIndex) {
  pen_ = tableColour(colourIndex);
  painter_.setPen(QPen(pen_, 1));
}

void QtSurface::selectPenColour(Rgb colour) {
  pen_ = toQColor(colour);
  painter_.setPen(QPen(pen_, 1));
}

void QtSurface::setTextColour(int colourIndex) { text_ = tableColour(colourIndex); }
void QtSurface::setTextColourRgb(Rgb colour) { text_ = toQColor(colour); }

void QtSurface::fillBackground(Rgb colour) {
  painter_.fillRect(origin_.x(), origin_.y(), width_, height_, toQColor(colour));
}

void QtSurface::selectFont(const MapFontDescription& font, bool followsScreen) {
  double scale = 1.0;
  const QPaintDevice* device = painter_.device();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (followsScreen && device && screen && screen->logicalDotsPerInchY() > 0) {
    scale = device->logicalDpiY() / screen->logicalDotsPerInchY();
  }
  painter_.setFont(toQFont(font, scale));
}

void QtSurface::setPixel(int x, int y) { painter_.drawPoint(at(x, y)); }

void QtSurface::moveTo(int x, int y) { current_ = at(x, y); }

void QtSurface::lineTo(int x, int y) {
  const QPoint to = at(x, y);
  painter_.drawLine(current_, to);
  current_ = to;
}

void QtSurface::textOut(int x, int y, std::string_view text) {
  const QPen pen = painter_.pen();
  painter_.setPen(text_);
  // Text is placed by its top-left corner.
  const QFontMetrics metrics = painter_.fontMetrics();
  painter_.drawText(at(x, y) + QPoint(0, metrics.ascent()), toQString(text));
  painter_.setPen(pen);
}

int QtSurface::textWidth(std::string_view text) {
  return painter_.fontMetrics().horizontalAdvance(toQString(text));
}

int QtSurface::textHeight(std::string_view) {
  // The height of a line of text in the current font, as the window system measures an extent.
  return painter_.fontMetrics().height();
}

void QtSurface::circle(int x, int y, int r) {
  painter_.drawEllipse(at(x, y), r, r);
}

}  // namespace z5
