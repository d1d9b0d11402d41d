#pragma once
// What a printed text looks like: the editor's printer font when one is
// set (profile section "PrintFont"), else its display font ("Font"), and
// its tab stops ("Settings" / "TabStops"), as the profile holds them.

#include <QFont>

#include "base/SettingsStore.h"

class QPaintDevice;

namespace z5 {

// The font for `printer`: heights are pixels of the screen the fonts were
// chosen on, so they are scaled by the printer's pixels per inch over the
// screen's and print at the size the editor shows.
QFont textPrintFont(const SettingsStore& store, const QPaintDevice& printer);

// The tab stop in characters (the stored dialog units over 4; 8 by default).
int textTabStopCharacters(const SettingsStore& store);

}  // namespace z5
