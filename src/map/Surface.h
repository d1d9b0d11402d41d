#pragma once
// The drawing primitives of the map. Colour indices refer to the active
// colour table (35 slots); the painter picks the table. Every coordinate is
// in pixels from the top-left of the drawing, offset by the surface origin.

#include <string_view>

#include "base/Rgb.h"
#include "map/MapFont.h"

namespace z5 {

class Surface {
 public:
  virtual ~Surface() = default;

  virtual int width() const = 0;
  virtual int height() const = 0;
  virtual bool printing() const = 0;

  // Colours: by index into the active table, or a plain colour.
  virtual void setColourTable(const Rgb* colours, int count) = 0;
  virtual void selectPen(int colourIndex) = 0;
  virtual void selectPenColour(Rgb colour) = 0;
  virtual void setTextColour(int colourIndex) = 0;
  virtual void setTextColourRgb(Rgb colour) = 0;
  virtual void fillBackground(Rgb colour) = 0;

  // The font of the text calls that follow. `followsScreen`: the font was
  // made for the screen and is scaled by the surface's pixels per inch over
  // the screen's (a printer font derived from the display font). Surfaces
  // that measure text their own way may ignore it.
  virtual void selectFont(const MapFontDescription& /*font*/, bool /*followsScreen*/) {}

  virtual void setPixel(int x, int y) = 0;
  virtual void moveTo(int x, int y) = 0;
  virtual void lineTo(int x, int y) = 0;
  virtual void textOut(int x, int y, std::string_view text) = 0;
  virtual int textWidth(std::string_view text) = 0;
  virtual int textHeight(std::string_view text) = 0;
  // A circle of radius r around (x, y): the ellipse from x - r, y - r to x + r, y + r.
  virtual void circle(int x, int y, int r) = 0;
};

}  // namespace z5
