#include "map/PositionLine.h"

#include <fmt/printf.h>

#include "geo/LegGeometry.h"
#include "geo/Projection.h"
#include "map/MapPixels.h"
#include "nav/ToWaypoint.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

constexpr const char* kBlockFormat = "\nZ5 (pixel=%6.4fNM)\n%s\n%s\n";
constexpr const char* kWaypointLineFormat = "// Wp #%d %s %s BRG TO %s FR %s AT %s%s";
constexpr const char* kPositionLineFormat = "// POS %s %s BRG TO %s FR %s AT %s%s";

// The table index the bearings are taken to; kNoIndex for the point clicked before.
int referenceIndex(const Voyage& voyage, const PositionReference& reference) {
  if (voyage.empty()) return kNoIndex;
  const int last = voyage.count() - 1;
  switch (reference.mode) {
    case ReferenceMode::WaypointNumber: {
      const int index = reference.waypointIndex;
      return index >= 0 && index <= last ? index : last;
    }
    case ReferenceMode::Terminal: return last;
    case ReferenceMode::LastCursor: return kNoIndex;
  }
  return kNoIndex;
}

}  // namespace

std::optional<PositionLine> ComposePositionLine(const PositionLineContext& context, int x, int y,
                                                const PositionReference& reference) {
  const std::optional<Position> at = positionAtPixel(context.extent, x, y);
  if (!at) return std::nullopt;
  const bool threeDecimals = context.settings.EXTRA_PRECISION == 1;
  PositionLine line;
  line.clicked = *at;
  line.latitudeText = formatPosition(at->latitude, PositionKind::Latitude, threeDecimals);
  line.longitudeText = formatPosition(at->longitude, PositionKind::Longitude, threeDecimals);
  const double scale = mapScaleNauticalMilesPerPixel(context.extent, context.drawingHeight);
  line.block = fmt::sprintf(kBlockFormat, scale, line.latitudeText, line.longitudeText);

  const int index = referenceIndex(context.voyage, reference);
  if (index != kNoIndex) {
    const Waypoint& waypoint = context.voyage.waypoints[index];
    line.reference = {waypoint.latitude, waypoint.longitude};
    line.waypointNumber = index + context.settings.firstRowNumber;
  } else {
    line.reference = reference.lastClicked.value_or(*at);
  }
  line.referenceLatitudeText = formatPosition(line.reference.latitude, PositionKind::Latitude, threeDecimals);
  line.referenceLongitudeText = formatPosition(line.reference.longitude, PositionKind::Longitude, threeDecimals);
  line.bearing = bearingTexts(LegGeometry(context.extent.referenceMeridian), at->latitude, at->longitude,
                              line.reference.latitude, line.reference.longitude, context.settings.LEN_LAT_LON == 1);
  const BearingTexts& b = line.bearing;
  line.line = index != kNoIndex
                  ? fmt::sprintf(kWaypointLineFormat, line.waypointNumber, line.referenceLatitudeText,
                                 line.referenceLongitudeText, b.course, b.reciprocal, b.distance, line.block)
                  : fmt::sprintf(kPositionLineFormat, line.referenceLatitudeText, line.referenceLongitudeText,
                                 b.course, b.reciprocal, b.distance, line.block);
  return line;
}

void chooseReferenceWaypoint(Messages& messages, const Voyage& voyage, int firstNumber, PositionReference& reference) {
  if (reference.mode != ReferenceMode::WaypointNumber || voyage.empty()) return;
  if (reference.waypointIndex >= 0 && reference.waypointIndex < voyage.count()) return;
  const int index = askWaypointNumber(messages, firstNumber, voyage.count(), kNoIndex, 0);
  if (index != kNoIndex) {
    reference.waypointIndex = index;
    return;
  }
  reference.waypointIndex = voyage.count() - 1;
  reference.mode = ReferenceMode::Terminal;
}

}  // namespace z5
