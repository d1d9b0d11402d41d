#include "map/MapGrid.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "geo/Longitude.h"
#include "geo/Projection.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

struct GridStep {
  int spanAbove;  // spans above this value use this spacing
  int spacing;    // arc-seconds
};
// From the widest span down; the first row whose bound the span exceeds.
constexpr std::array<GridStep, 8> kGridSteps = {{
    {480000, 144000},  // 40 degrees
    {240000, 72000},   // 20 degrees
    {180000, 36000},   // 10 degrees
    {24000, 7200},     // 2 degrees
    {20000, 3600},     // 1 degree
    {8000, 1200},      // 20 minutes
    {2400, 600},       // 10 minutes
    {1000, 300},       // 5 minutes
}};
constexpr int kFinestSpacing = 60;  // 1 minute

constexpr int kQuarterTurnSeconds = 324000;  // 90 degrees
constexpr std::size_t kLatitudeLabelLength = 5;   // "DD-MM"
constexpr std::size_t kLongitudeLabelLength = 6;  // "DDD-MM"
// A longitude counts as east above this many degrees.
constexpr double kEastAbove = 1e-9;

double degrees(std::int64_t seconds) { return static_cast<double>(seconds) / kSecondsPerDegree; }

// The first multiple of `step` at or above `value`.
std::int64_t firstMultipleAtOrAbove(std::int64_t value, int step) {
  std::int64_t q = value / step;
  if (q * step < value) ++q;
  return q * step;
}

}  // namespace

int gridSpacing(int spanSeconds) {
  for (const GridStep& row : kGridSteps) {
    if (spanSeconds > row.spanAbove) return row.spacing;
  }
  return kFinestSpacing;
}

std::string latitudeGridLabel(int latitudeSeconds) {
  const std::string text = formatPosition(degrees(latitudeSeconds), PositionKind::Latitude, false);
  return text.substr(0, kLatitudeLabelLength) + (latitudeSeconds > 0 ? "N" : "S");
}

std::string longitudeGridLabel(int longitudeSeconds) {
  const double longitude = wrapLongitude(degrees(longitudeSeconds));
  const std::string text = formatPosition(longitude, PositionKind::Longitude, false);
  return text.substr(0, kLongitudeLabelLength) + (longitude > kEastAbove ? "E" : "W");
}

void DrawGrid(Surface& surface, const MapExtent& extent, int textHeight) {
  const int latitudeStep = gridSpacing(extent.mpSpan);
  // The first line north of a south edge at or above the equator; for an
  // edge south of it, truncation already gives a line at or north of it
  // (the equator itself when the edge lies within one spacing of it).
  std::int64_t latitude = static_cast<std::int64_t>(extent.southSeconds / latitudeStep) * latitudeStep;
  if (extent.southSeconds >= 0) latitude += latitudeStep;
  for (; latitude <= extent.northSeconds && latitude < kQuarterTurnSeconds; latitude += latitudeStep) {
    const int y = LatToY(extent, static_cast<int>(latitude));
    surface.moveTo(1, y);
    surface.lineTo(extent.width, y);
    // The label just below its line, kept on the map at the bottom edge.
    surface.textOut(1, std::min(y + textHeight / 2, extent.height - textHeight),
                    latitudeGridLabel(static_cast<int>(latitude)));
  }

  const int longitudeStep = gridSpacing(extent.longitudeSpan);
  const std::int64_t reference = extent.referenceSeconds;
  const std::int64_t maxLines = extent.longitudeSpan / longitudeStep + 1;
  std::int64_t longitude = firstMultipleAtOrAbove(reference + extent.westSeconds, longitudeStep);
  for (std::int64_t line = 1; line <= maxLines && longitude - reference <= extent.eastSeconds;
       ++line, longitude += longitudeStep) {
    const int x = LonToX(extent, static_cast<int>(longitude - reference));
    surface.moveTo(x, 1);
    surface.lineTo(x, extent.height);
    const int y = line % 2 == 1 ? 1 : textHeight;
    // The label across its line, kept on the map at the side edges.
    const std::string label = longitudeGridLabel(static_cast<int>(longitude));
    const int left = std::max(0, std::min(x - textHeight, extent.width - surface.textWidth(label)));
    surface.textOut(left, y, label);
  }
}

}  // namespace z5
