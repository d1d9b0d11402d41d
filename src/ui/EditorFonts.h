#pragma once
// The editors' fonts as QFonts, and the three font commands: "Set &Font...",
// "Set &Printer Font..." and "&Mirror Display Font". Each command changes
// the profile; the caller then applies it to every open editor.
//
// A printer font's height is kept in pixels of a printer of
// printerFontResolution() dots per inch, the printer the chooser converts
// for; printing on another resolution scales it.

#include <QFont>

#include "editor/EditorProfile.h"

class QPaintDevice;
class QWidget;

namespace z5 {

// The display font; Courier New is drawn with a metric-compatible or
// another monospaced face where the system lacks it.
QFont editorDisplayFont(const EditorProfile& profile);
// The font to print with on `device`: the printer font, or the display
// font scaled from the screen's resolution to the device's.
QFont editorPrinterFont(const EditorProfile& profile, const QPaintDevice& device);
int printerFontResolution();

// What the profile keeps of a font, its height in pixels at `dpi`.
MapFontDescription describeFont(const QFont& font, double dpi);

// "Set &Font...": the font chooser preset with the display font; true when
// the user chose one (it is then the profile's display font).
bool chooseDisplayFont(QWidget* parent, EditorProfile& profile);
// "Set &Printer Font...": the chooser preset with the printer font (or the
// display font), heights converted between the printer and the screen.
bool choosePrinterFont(QWidget* parent, EditorProfile& profile);
// "&Mirror Display Font": printing uses the display font again.
void mirrorDisplayFont(EditorProfile& profile);
// Its menu state: checked while printing uses the display font, enabled
// only while there is a printer font of its own.
bool mirrorDisplayFontChecked(const EditorProfile& profile);
bool mirrorDisplayFontEnabled(const EditorProfile& profile);

}  // namespace z5
