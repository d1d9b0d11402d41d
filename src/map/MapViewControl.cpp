#include "map/MapViewControl.h"

#include <algorithm>
#include <cmath>

#include <fmt/printf.h>

#include "base/TextUtil.h"
#include "geo/Longitude.h"
#include "map/MapPixels.h"
#include "map/PaintMap.h"
#include "nav/ComputeMapExtent.h"
#include "route/DecimalNumber.h"

namespace z5 {
namespace {

double clampedSpan(double span) {
  return std::clamp(span, MapViewState::kSmallestSpan, MapViewState::kLargestSpan);
}

// A view point keeps within the latitudes a map can be centred on, degrees.
constexpr double kViewLatitudeLimit = 85;
// Rounds of moving the centre towards where a point should lie: Mercator
// is not linear in latitude, so each round takes the remaining error.
constexpr int kPlacingRounds = 6;

// Moves the view point until `point` lies under pixel (x, y) of a drawing
// of the extent's size.
void placePointAt(MapViewState& view, const MapExtent& extent, const Voyage& voyage, Position point, int x, int y) {
  for (int round = 0; round < kPlacingRounds; ++round) {
    const MapExtent moved = ComputeMapExtent(voyage, mapExtentRequest(view, extent.width, extent.height));
    const std::optional<Position> there = positionAtPixel(moved, x, y);
    if (!there) return;
    view.viewLatitude =
        std::clamp(view.viewLatitude + point.latitude - there->latitude, -kViewLatitudeLimit, kViewLatitudeLimit);
    view.viewLongitude = wrapLongitude(view.viewLongitude + relativeLongitude(point.longitude, there->longitude));
  }
}

}  // namespace

bool showsWholeVoyage(const MapViewState& view) { return !view.viewPointMode && view.centreIndex == kNoIndex; }

void centreOnPicture(MapViewState& view, const MapExtent& extent) {
  if (!showsWholeVoyage(view)) return;
  view.viewPointMode = true;
  view.viewLatitude = (extent.north + extent.south) / 2;
  view.viewLongitude = absoluteLongitude((extent.west + extent.east) / 2, extent.referenceMeridian);
  view.degreeSpan = clampedSpan(extent.north - extent.south);
  view.redrawPending = true;
}

void zoom(MapViewState& view, const MapExtent& extent, Zoom direction) {
  centreOnPicture(view, extent);
  double& span = view.degreeSpan;
  if (direction == Zoom::In) {
    span = span > kZoomInHalvesAbove ? span / 2 : MapViewState::kSmallestSpan;
  } else {
    span = span < kZoomOutDoublesBelow ? span * 2 : MapViewState::kLargestSpan;
  }
  view.redrawPending = true;
}

bool canZoom(const MapViewState& view, Zoom direction) {
  return direction == Zoom::In ? view.degreeSpan > MapViewState::kSmallestSpan
                               : view.degreeSpan < MapViewState::kLargestSpan;
}

void setSpan(MapViewState& view, const MapExtent& extent, double span) {
  centreOnPicture(view, extent);
  view.degreeSpan = clampedSpan(span);
  view.redrawPending = true;
}

SpanEntry applySpanText(MapViewState& view, const MapExtent& extent, std::string_view text) {
  const std::optional<double> span = numberOnly(trim(text));
  if (!span || *span < MapViewState::kSmallestSpan || *span > MapViewState::kLargestSpan) return SpanEntry::Refused;
  if (std::fabs(*span - view.degreeSpan) <= kSpanChangeTolerance) return SpanEntry::Unchanged;
  setSpan(view, extent, *span);
  return SpanEntry::Changed;
}

std::string spanFieldText(double span) { return fmt::sprintf("%6.2f", span); }

void centreOn(MapViewState& view, Position point) {
  view.viewPointMode = true;
  view.centreIndex = kNoIndex;
  view.viewLatitude = point.latitude;
  view.viewLongitude = point.longitude;
  view.redrawPending = true;
}

void zoomAbout(MapViewState& view, const MapExtent& extent, const Voyage& voyage, Zoom direction, int x, int y) {
  const std::optional<Position> pointer = positionAtPixel(extent, x, y);
  zoom(view, extent, direction);
  if (pointer) placePointAt(view, extent, voyage, *pointer, x, y);
}

bool pan(MapViewState& view, const MapExtent& extent, const Voyage& voyage, int fromX, int fromY, int toX, int toY) {
  const std::optional<Position> grabbed = positionAtPixel(extent, fromX, fromY);
  if (!grabbed || !positionAtPixel(extent, toX, toY)) return false;
  centreOnPicture(view, extent);
  placePointAt(view, extent, voyage, *grabbed, toX, toY);
  view.redrawPending = true;
  return true;
}

}  // namespace z5
