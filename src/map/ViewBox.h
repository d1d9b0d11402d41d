#pragma once
// The view box the world data readers select by: the extent's bounds in
// whole arc-seconds (longitudes relative to its reference meridian),
// inclusive.

#include <cstdint>

#include "geo/Longitude.h"
#include "geo/MapExtent.h"

namespace z5 {

struct ViewBox {
  std::int64_t south, north, west, east;
  int reference;

  explicit ViewBox(const MapExtent& e)
      : south(e.southSeconds), north(e.northSeconds), west(e.westSeconds), east(e.eastSeconds),
        reference(e.referenceSeconds) {}

  int relative(int absoluteLongitude) const { return relativeLongitudeSeconds(absoluteLongitude, reference); }
  bool contains(std::int64_t lat, std::int64_t relLon) const {
    return lat >= south && lat <= north && relLon >= west && relLon <= east;
  }
};

}  // namespace z5
