#pragma once
// Drawing the sea names ("ocean.dat") or the ports ("port.dat") of the home
// directory: every named point inside the view whose zoom level suits the
// view's width, labelled and ringed.

#include <cstdint>
#include <string>

#include "base/Messages.h"
#include "geo/MapExtent.h"
#include "map/Surface.h"

namespace z5 {

enum class PlaceNameKind { SeaNames = 0, Ports = 1 };

inline constexpr const char* kSeaNameFile = "ocean.dat";
inline constexpr const char* kPortFile = "port.dat";
inline constexpr int kSeaNameColour = 1;
inline constexpr int kPortColour = 2;

struct PlaceNameStyle {
  int width = 0, height = 0;  // the drawing, pixels
  bool inColour = true;
  int textHeight = 0;
  int markRadius = 2;
};

// trunc(log2(width)) of a view `widthSeconds` arc-seconds wide (0 for a
// width below 2): a name shows when its level is 0 or at least this.
int placeNameThreshold(std::int64_t widthSeconds);

// Returns 1 when the file was read, 0 when it could not be opened or has a
// wrong magic (reported with error string 38 or 39).
int DrawPlaceNames(Surface& surface, Messages& messages, PlaceNameKind kind, const std::string& home,
                   const MapExtent& extent, const PlaceNameStyle& style);

}  // namespace z5
