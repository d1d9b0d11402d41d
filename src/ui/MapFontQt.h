#pragma once
// Map font descriptions as QFonts. A face the system lacks is replaced by a
// metric-compatible one where there is one (Times New Roman by Liberation
// Serif, Arial by Liberation Sans, Courier New by Liberation Mono), else by
// the font the description's family and pitch ask for.

#include <QFont>
#include <QString>

class QPaintDevice;

#include "map/MapFont.h"

namespace z5 {

// The family the system will draw `face` with: the face itself when
// installed, its metric-compatible substitute when that is, else empty.
QString availableFace(const QString& face);

// The QFont of a description, its pixel sizes multiplied by `scale` (the
// device's pixels per inch over the screen's for a printer font derived
// from the display font; else 1). A negative height is the height of the
// characters (the font's pixel size); a positive one that of the character
// cell (ascent plus descent); 0 leaves the size at the system's default.
QFont toQFont(const MapFontDescription& description, double scale = 1.0);

// A device's pixels per inch over the screen's (vertically): the scale of
// fonts chosen on the screen and drawn on a printer. 1 without a screen.
double deviceOverScreen(const QPaintDevice& device);

// The description of a font the user chose, for a device of `dotsPerInch`
// (the screen's for the display font, the printer's for the printer font):
// the height of its characters in that device's pixels (stored negative),
// weight, italic, underline, pitch and family from its style, the family as
// the face (cut to the longest face name). The character set stays that of
// `previous`.
MapFontDescription fromQFont(const QFont& font, double dotsPerInch, const MapFontDescription& previous);

// The QFont of a description sized in points for a font chooser, its
// height read as pixels of a device of `dotsPerInch`.
QFont toChooserFont(const MapFontDescription& description, double dotsPerInch);

}  // namespace z5
