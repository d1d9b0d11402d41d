#include "map/MapPixels.h"

#include "geo/ArcUnits.h"
#include "geo/EarthModel.h"
#include "geo/Longitude.h"

namespace z5 {
namespace {

// The inverse meridional parts stop within this many minutes of the target.
constexpr double kInverseTolerance = 0.01;

}  // namespace

std::optional<Position> positionAtPixel(const MapExtent& extent, int x, int y) {
  if (extent.width <= 0 || extent.height <= 0) return std::nullopt;
  if (x < 0 || y < 0 || x >= extent.width || y >= extent.height) return std::nullopt;
  Position at;
  if (extent.ky == 0) {
    const double secondsPerPixel = static_cast<double>(extent.latitudeSpan) / extent.height;
    at.latitude = extent.north - y * secondsPerPixel / kSecondsPerDegree;
  } else {
    const double parts = static_cast<double>(extent.mpNorth) - static_cast<double>(y) * extent.ky;
    at.latitude = latitudeAtMeridionalParts(parts / kArcSecondsPerMinute, kInverseTolerance);
  }
  const double secondsPerPixel = static_cast<double>(extent.longitudeSpan) / extent.width;
  const double relative = extent.west + x * secondsPerPixel / kSecondsPerDegree;
  at.longitude = absoluteLongitude(relative, extent.referenceMeridian);
  return at;
}

}  // namespace z5
