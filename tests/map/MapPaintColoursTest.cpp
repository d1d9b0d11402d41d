// Which colour table, default pen and background a map paint uses on screen
// and on paper, in colour or not, inverted or not.

#include "map/MapColours.h"

#include <gtest/gtest.h>

namespace z5 {
namespace {

constexpr Rgb kScreenBackground{10, 20, 30};
constexpr Rgb kPrintBackground{40, 50, 60};

struct ColourRow {
  const char* legend;
  bool printing;
  int inColour, invert;
  bool screenTable;
  Rgb pen, background;
};

constexpr ColourRow kRows[] = {
    // legend: the fault the row catches
    {"normal screen map drawn from the printer table", false, 1, 0, true, kWhite, kScreenBackground},
    {"screen map without colour not white lines on black", false, 0, 0, true, kWhite, kBlack},
    {"inverted screen map not switched to the printer table", false, 1, 1, false, kBlack, kPrintBackground},
    {"inverted screen map without colour not black lines on white", false, 0, 1, false, kBlack, kWhite},
    {"printed map drawn from the screen table", true, 1, 0, false, kBlack, kPrintBackground},
    {"printed map without colour not black on white paper", true, 0, 0, false, kBlack, kWhite},
    {"inverted printed map not switched to the screen table", true, 1, 1, true, kWhite, kScreenBackground},
    {"inverted printed map without colour not white lines on black", true, 0, 1, true, kWhite, kBlack},
};

TEST(MapPaintColours, TableDefaultPenAndBackgroundFollowDeviceColourAndInversion) {
  SettingsRecord settings;
  settings.RGB_COLOR_MAP[kBackgroundColour] = kScreenBackground;
  settings.RGB_PRINT_COLOR_MAP[kBackgroundColour] = kPrintBackground;
  for (const ColourRow& row : kRows) {
    SCOPED_TRACE(row.legend);
    settings.IN_COLOR = row.inColour;
    settings.MAP_INVERT = row.invert;
    const MapColours colours = chooseMapColours(settings, row.printing);
    EXPECT_EQ(colours.screenTable, row.screenTable);
    EXPECT_EQ(colours.table, row.screenTable ? &settings.RGB_COLOR_MAP : &settings.RGB_PRINT_COLOR_MAP);
    EXPECT_EQ(colours.defaultPen, row.pen);
    EXPECT_EQ(colours.background, row.background);
  }
}

}  // namespace
}  // namespace z5
