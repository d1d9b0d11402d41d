#pragma once
// A map on a printed page: a heading line, then the map painted by the map
// painter on the printer, or a stored picture scaled onto the page.

#include <string>

#include <QImage>
#include <QRect>
#include <QSize>

#include "map/MapFont.h"

class QPainter;
class QPrinter;

namespace z5 {

class Z5App;

// A PDF has no resolution of its own: its maps are drawn at kPdfMapDpi,
// the resolution of a laser printer, where the map's one-pixel lines stay
// visible. A real printer keeps its own.
inline constexpr int kPdfMapDpi = 300;
void preparePrinterForMap(QPrinter& printer);

// The page turned the way the map's picture is (landscape for a picture
// wider than high), so that the printed map shows what the window shows;
// the print dialog can still turn it.
void orientPageLikePicture(QPrinter& printer, const QSize& picture);

// The size of the map window's last picture.
QSize livePictureSize(Z5App& app);

// Writes `heading` at the top of `page` in the map's printer font (made
// smaller when the line is wider than the page) and returns the rest of the
// page, below a gap of a quarter line.
QRect paintMapHeading(QPainter& painter, const QRect& page, const MapFonts& fonts, const std::string& heading);

// The application's voyage and map view painted on `area` for the printer
// (the printer colour table and font). The drawing size and extent this
// leaves in the map view are put back, so the window's map and its mouse
// stay as they were. False when nothing was painted.
bool paintLiveMap(QPainter& painter, const QRect& area, Z5App& app);

// `picture` as large as `area` holds it, keeping its shape (a map drawn
// wider or taller would give wrong bearings), at the area's top, centred.
bool paintStoredMap(QPainter& painter, const QRect& area, const QImage& picture);

}  // namespace z5
