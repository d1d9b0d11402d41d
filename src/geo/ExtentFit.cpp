#include "geo/ExtentFit.h"

#include <algorithm>
#include <cmath>

#include "geo/ArcUnits.h"
#include "geo/EarthModel.h"
#include "geo/Longitude.h"
#include "geo/Projection.h"

namespace z5 {
namespace {

// The extent around a set of positions is widened by this share of each
// span on each side (single precision).
constexpr double kWidening = 0.15f;
// The inverse meridional parts of the fit stop within this many minutes.
constexpr double kInverseTolerance = 0.01;
// Starting bounds of the search for the least and greatest values.
constexpr double kLatitudeStart = 99;
constexpr double kLongitudeStart = 190;

struct Bounds {
  double south, north, west, east;
};

Bounds boundsOf(std::span<const Position> points, double reference) {
  Bounds b{kLatitudeStart, -kLatitudeStart, kLongitudeStart, -kLongitudeStart};
  for (const Position& p : points) {
    const double lon = relativeLongitude(p.longitude, reference);
    b.south = std::min(b.south, p.latitude);
    b.north = std::max(b.north, p.latitude);
    b.west = std::min(b.west, lon);
    b.east = std::max(b.east, lon);
  }
  const double latitudeMargin = (b.north - b.south) * kWidening;
  const double longitudeMargin = (b.east - b.west) * kWidening;
  b.south = std::max(b.south - latitudeMargin, -kMapLatitudeLimit);
  b.north = std::min(b.north + latitudeMargin, kMapLatitudeLimit);
  b.west -= longitudeMargin;
  b.east += longitudeMargin;
  return b;
}

Bounds centredBounds(Position centre, double reference, double span, double aspect) {
  Bounds b{centre.latitude - span / 2, centre.latitude + span / 2, 0, 0};
  if (b.north > kMapLatitudeLimit) {
    b.north = kMapLatitudeLimit;
    b.south = kMapLatitudeLimit - span;
  }
  if (b.south < -kMapLatitudeLimit) {
    b.south = -kMapLatitudeLimit;
    b.north = span - kMapLatitudeLimit;
  }
  const double halfWidth = std::min(aspect * span / 2, kMaxHalfWidth);
  const double lon = relativeLongitude(centre.longitude, reference);
  b.east = std::min(lon + halfWidth, 180.0);
  b.west = std::max(lon - halfWidth, -180.0);
  return b;
}

double inverseParts(double parts) { return latitudeAtMeridionalParts(parts, kInverseTolerance); }

// The middle (meridional parts, minutes) of a window `span` minutes high
// around `middle`, moved as little as needed to hold both latitude bounds.
double holdingBounds(double middle, double span, const Bounds& b) {
  const double north = meridionalParts(b.north);
  const double south = meridionalParts(b.south);
  if (middle + span / 2 < north) middle = north - span / 2;
  if (middle - span / 2 > south) middle = south + span / 2;
  return middle;
}

// Fits the bounds to a drawing of width x height pixels; sets the size used.
// With `keepBounds` (a set of positions) the latitudes recentred on their
// middle still hold the bounds of the set.
void fitToDrawing(Bounds& b, bool keepBounds, int width, int height, int& usedWidth, int& usedHeight) {
  const double aspect = static_cast<double>(width) / height;
  const double limitParts = meridionalParts(kMapLatitudeLimit);
  const double latitudeParts = std::trunc(meridionalParts(b.north) - meridionalParts(b.south));
  const double availableParts = (b.east - b.west) * kMinutesPerDegree / aspect;
  usedWidth = width;
  usedHeight = height;
  if (latitudeParts <= availableParts) {
    // Longitude sets the scale; the latitudes follow.
    const double needed = (b.east - b.west) * kMinutesPerDegree * height / width;
    if (needed <= 2 * limitParts) {
      double middle = meridionalParts((b.south + b.north) / 2);
      if (keepBounds) middle = holdingBounds(middle, needed, b);
      b.north = inverseParts(middle + needed / 2);
      b.south = inverseParts(middle - needed / 2);
      if (b.north > kMapLatitudeLimit) {
        b.north = kMapLatitudeLimit;
        b.south = inverseParts(limitParts - needed);
      }
      if (b.south < -kMapLatitudeLimit) {
        b.south = -kMapLatitudeLimit;
        b.north = inverseParts(-limitParts + needed);
      }
    } else {
      b.north = kMapLatitudeLimit;
      b.south = -kMapLatitudeLimit;
      usedHeight = static_cast<int>(2 * limitParts * height / needed);
    }
    return;
  }
  // Latitude sets the scale; the longitudes follow around their middle.
  double needed = aspect * latitudeParts;
  if (needed > kMaxLongitudeSpanMinutes) {
    usedWidth = static_cast<int>(width * kMaxLongitudeSpanMinutes / needed);
    needed = kMaxLongitudeSpanMinutes;
  }
  b.west = std::max(((b.west + b.east) - needed / kMinutesPerDegree) / 2, -180.0);
  b.east = b.west + needed / kMinutesPerDegree;
}

MapExtent extentOf(Bounds b, bool keepBounds, double reference, int width, int height) {
  MapExtent e;
  fitToDrawing(b, keepBounds, std::max(width, 1), std::max(height, 1), e.width, e.height);
  e.referenceMeridian = reference;
  e.referenceSeconds = toArcSeconds(reference);
  e.south = b.south;
  e.north = b.north;
  e.west = b.west;
  e.east = b.east;
  e.southSeconds = toArcSeconds(b.south);
  e.northSeconds = toArcSeconds(b.north);
  e.westSeconds = toArcSeconds(b.west);
  e.eastSeconds = toArcSeconds(b.east);
  e.mpSouth = static_cast<int>(meridionalParts(b.south) * kArcSecondsPerMinute);
  e.mpNorth = static_cast<int>(meridionalParts(b.north) * kArcSecondsPerMinute);
  e.latitudeSpan = e.northSeconds - e.southSeconds;
  e.longitudeSpan = e.eastSeconds - e.westSeconds;
  e.mpSpan = e.mpNorth - e.mpSouth;
  setScaleDivisors(e);
  return e;
}

}  // namespace

MapExtent extentAroundPositions(std::span<const Position> points, double reference, int width, int height) {
  return extentOf(boundsOf(points, reference), true, reference, width, height);
}

MapExtent extentAroundCentre(Position centre, double reference, double span, int width, int height) {
  const double aspect = static_cast<double>(std::max(width, 1)) / std::max(height, 1);
  return extentOf(centredBounds(centre, reference, span, aspect), false, reference, width, height);
}

}  // namespace z5
