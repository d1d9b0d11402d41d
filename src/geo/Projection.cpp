#include "geo/Projection.h"

#include <cstdint>

#include "geo/ArcUnits.h"
#include "geo/MeridionalPartsTable.h"

namespace z5 {

void setScaleDivisors(MapExtent& extent) {
  extent.ky = extent.height > 0 ? extent.mpSpan / extent.height : 0;
  if (extent.ky < kSmallestScaleDivisor) extent.ky = 0;
  extent.kx = extent.width > 0 ? extent.longitudeSpan / extent.width : 0;
  if (extent.kx < kSmallestScaleDivisor) extent.kx = 0;
}

int LatToY(const MapExtent& extent, int latitudeSeconds) {
  if (extent.ky == 0) {
    if (extent.latitudeSpan == 0) return 0;
    const std::int64_t fromNorth = std::int64_t{extent.northSeconds} - latitudeSeconds;
    return static_cast<int>(fromNorth * extent.height / extent.latitudeSpan);
  }
  const std::int64_t parts = MeridionalPartsTable::instance().lookup(latitudeSeconds);
  return static_cast<int>((extent.mpNorth - parts) / extent.ky);
}

int LonToX(const MapExtent& extent, int relativeLongitudeSeconds) {
  const std::int64_t fromWest = std::int64_t{relativeLongitudeSeconds} - extent.westSeconds;
  if (extent.kx == 0) {
    if (extent.longitudeSpan == 0) return 0;
    return static_cast<int>(fromWest * extent.width / extent.longitudeSpan);
  }
  return static_cast<int>(fromWest / extent.kx);
}

double mapScaleNauticalMilesPerPixel(const MapExtent& extent, int drawingHeight) {
  if (drawingHeight <= 0) return 0;
  return static_cast<double>(extent.mpSpan) / drawingHeight / kArcSecondsPerMinute;
}

}  // namespace z5
