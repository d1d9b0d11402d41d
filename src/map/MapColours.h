#pragma once
// The colours of a map: which of the two colour tables a paint uses, its
// default pen and its background, and what each slot of a table is for.

#include "base/Palettes.h"
#include "base/SettingsRecord.h"

namespace z5 {

// Colour indices of the map painter.
inline constexpr int kRouteColour = 0;         // route lines, labels and marks
inline constexpr int kSeaNamesColour = 1;
inline constexpr int kPortNamesColour = 2;
inline constexpr int kChartOutlineColour = 3;  // chart outlines and numbers
inline constexpr int kTrackColour = 4;         // GPS track
inline constexpr int kUserPointColour = 5;
inline constexpr int kBackgroundColour = 6;    // background when in colour
inline constexpr int kGridColour = 7;          // grid lines and labels
// The route check's findings: the cross where a leg meets land, and the leg.
inline constexpr int kLandMetColour = 22;
inline constexpr int kCheckedLegColour = 23;

struct MapColours {
  const Palette* table = nullptr;  // RGB_COLOR_MAP or RGB_PRINT_COLOR_MAP
  bool screenTable = true;         // "Screen/Normal" (else "Printer/Inverted")
  Rgb defaultPen;
  Rgb background;
};

// On screen with MAP_INVERT 0, or on paper with MAP_INVERT 1: the screen
// table, a white pen, and the table's background slot in colour or black
// without colour. Otherwise the printer table, a black pen, and the
// background slot or white.
MapColours chooseMapColours(const SettingsRecord& settings, bool printing);

}  // namespace z5
