#include "map/MapViewControl.h"

#include <algorithm>
#include <cmath>

#include <fmt/printf.h>

#include "base/TextUtil.h"
#include "geo/Longitude.h"
#include "route/DecimalNumber.h"

namespace z5 {
namespace {

double clampedSpan(double span) {
  return std::clamp(span, MapViewState::kSmallestSpan, MapViewState::kLargestSpan);
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

}  // namespace z5
