#pragma once
// The map's drawing primitives on a QPainter: a QImage for map pictures, a
// widget or a printer page. Pens are one pixel wide; text is drawn with the
// painter's font on a transparent background.

#include <array>

#include <QColor>
#include <QPainter>
#include <QPoint>

#include "base/Palettes.h"
#include "map/Surface.h"

namespace z5 {

class QtSurface final : public Surface {
 public:
  // Draws with `painter` on a drawing of width x height pixels whose top-left
  // lies at `origin` on the painter's device.
  // The painter's pen, brush, font and background mode are saved here and
  // restored when the surface goes, so a page drawn on after the map keeps
  // its own.
  QtSurface(QPainter& painter, int width, int height, bool printing, QPoint origin = {});
  ~QtSurface() override;
  QtSurface(const QtSurface&) = delete;
  QtSurface& operator=(const QtSurface&) = delete;

  int width() const override { return width_; }
  int height() const override { return height_; }
  bool printing() const override { return printing_; }

  void setColourTable(const Rgb* colours, int count) override;
  void selectPen(int colourIndex) override;
  void selectPenColour(Rgb colour) override;
  void setTextColour(int colourIndex) override;
  void setTextColourRgb(Rgb colour) override;
  void fillBackground(Rgb colour) override;
  void selectFont(const MapFontDescription& font, bool followsScreen) override;

  void setPixel(int x, int y) override;
  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void textOut(int x, int y, std::string_view text) override;
  int textWidth(std::string_view text) override;
  int textHeight(std::string_view text) override;
  void circle(int x, int y, int r) override;

 private:
  QColor tableColour(int index) const;
  QPoint at(int x, int y) const { return origin_ + QPoint(x, y); }

  QPainter& painter_;
  int width_;
  int height_;
  bool printing_;
  QPoint origin_;
  std::array<QColor, kPaletteSize> table_{};
  int tableSize_ = 0;
  QColor pen_ = Qt::white;
  QColor text_ = Qt::white;
  QPoint current_;
};

}  // namespace z5
