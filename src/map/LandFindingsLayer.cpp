#include "map/LandFindingsLayer.h"

#include "geo/Longitude.h"
#include "geo/Projection.h"
#include "map/MapColours.h"
#include "map/RouteDrawing.h"

namespace z5 {
namespace {

void drawLeg(Surface& surface, const MapExtent& extent, const std::vector<RoutePoint>& points,
             const LandFinding& finding) {
  const RoutePoint* previous = nullptr;
  for (const RoutePoint& point : points) {
    if (point.index < finding.fromRow || point.index > finding.toRow) continue;
    if (previous != nullptr) {
      for (const LegPixels& leg : legPieces(extent, *previous->waypoint, *point.waypoint)) {
        surface.moveTo(leg.x1, leg.y1);
        surface.lineTo(leg.x2, leg.y2);
      }
    }
    previous = &point;
  }
}

void drawCross(Surface& surface, const MapExtent& extent, Position at) {
  const int lat = toArcSeconds(at.latitude);
  const int lon = relativeLongitudeSeconds(toArcSeconds(at.longitude), extent.referenceSeconds);
  if (lat < extent.southSeconds || lat > extent.northSeconds || lon < extent.westSeconds || lon > extent.eastSeconds)
    return;
  const int x = LonToX(extent, lon), y = LatToY(extent, lat);
  surface.moveTo(x - kLandMetCrossHalf, y - kLandMetCrossHalf);
  surface.lineTo(x + kLandMetCrossHalf, y + kLandMetCrossHalf);
  surface.moveTo(x - kLandMetCrossHalf, y + kLandMetCrossHalf);
  surface.lineTo(x + kLandMetCrossHalf, y - kLandMetCrossHalf);
}

}  // namespace

void DrawLandFindings(Surface& surface, const MapExtent& extent, const Voyage& voyage, const LandCheckResult& result,
                      bool inColour) {
  const std::vector<RoutePoint> points = routePoints(voyage);
  if (inColour) surface.selectPen(kCheckedLegColour);
  for (const LandFinding& finding : result.findings) drawLeg(surface, extent, points, finding);
  if (inColour) surface.selectPen(kLandMetColour);
  for (const LandFinding& finding : result.findings) drawCross(surface, extent, finding.at);
}

}  // namespace z5
