#include "map/MapColours.h"

namespace z5 {

MapColours chooseMapColours(const SettingsRecord& settings, bool printing) {
  const bool inverted = settings.MAP_INVERT == 1;
  const bool inColour = settings.IN_COLOR == 1;
  MapColours colours;
  colours.screenTable = printing == inverted;
  colours.table = colours.screenTable ? &settings.RGB_COLOR_MAP : &settings.RGB_PRINT_COLOR_MAP;
  colours.defaultPen = colours.screenTable ? kWhite : kBlack;
  const Rgb plain = colours.screenTable ? kBlack : kWhite;
  colours.background = inColour ? (*colours.table)[kBackgroundColour] : plain;
  return colours;
}

}  // namespace z5
