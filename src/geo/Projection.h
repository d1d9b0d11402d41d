#pragma once
// Positions to pixels: the Mercator projection of a map extent, in integer
// arithmetic through the meridional-parts table. Pixels count from the
// top-left corner of the drawing; positions outside the extent give pixels
// outside the drawing (negative, or beyond its size), never wrapped ones.

#include "geo/MapExtent.h"

namespace z5 {

// Scales of six minutes (360 arc-seconds) per pixel and coarser are drawn
// as true Mercator; finer ones interpolate linearly between the edges.
inline constexpr int kSmallestScaleDivisor = 360;

// Sets the divisors kx = longitude span / W' and ky = meridional-parts span
// / H' (arc-seconds per pixel), each 0 when below kSmallestScaleDivisor.
void setScaleDivisors(MapExtent& extent);

// y of a latitude (whole arc-seconds, north positive).
int LatToY(const MapExtent& extent, int latitudeSeconds);

// x of a longitude relative to the reference meridian (whole arc-seconds).
int LonToX(const MapExtent& extent, int relativeLongitudeSeconds);

// The map's scale in nautical miles per pixel for a drawing `drawingHeight`
// pixels high (0 when the height is not positive).
double mapScaleNauticalMilesPerPixel(const MapExtent& extent, int drawingHeight);

}  // namespace z5
