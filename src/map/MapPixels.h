#pragma once
// Pixels of a painted map back to positions: the inverse of the projection
// (geo/Projection.h) for the mouse over the map.

#include <optional>

#include "geo/MapExtent.h"
#include "geo/Position.h"

namespace z5 {

// The position under pixel (x, y) of the drawing (the scroll offset already
// added), for the extent the map was painted with: latitude
// north - y x (latitude span / H') when ky is 0, else the latitude of the
// meridional parts MPnorth - y x ky; longitude west + x x (longitude span /
// W') made absolute (-180..180). Nullopt outside the drawing (0..W'-1,
// 0..H'-1) or for an extent never painted.
std::optional<Position> positionAtPixel(const MapExtent& extent, int x, int y);

}  // namespace z5
