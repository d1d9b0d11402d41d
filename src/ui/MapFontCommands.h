#pragma once
// The font commands of a map window: "Set &Font..." chooses the map's
// display font with the font chooser, "Set &Printer Font..." its printer
// font (sizes shown in points of the printer's resolution), and "&Mirror
// Display Font" lets the printer font follow the display font again. The
// choices live in the application's map fonts, written to the profile
// sections "ChartFont" and "ChartPrintFont" at exit.

class QWidget;

namespace z5 {

class Z5App;

// The display font chosen and the live map painted with it; false when
// the chooser was cancelled.
bool chooseMapDisplayFont(QWidget* parent, Z5App& app);

// The printer font chosen, preset with the printer font or, while that
// follows the display font, with the display font; false when cancelled.
bool chooseMapPrinterFont(QWidget* parent, Z5App& app);

// The printer font follows the display font again.
void mirrorMapDisplayFont(Z5App& app);

}  // namespace z5
