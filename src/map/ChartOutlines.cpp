#include "map/ChartOutlines.h"

#include <algorithm>
#include <string>
#include <utility>

#include "geo/Longitude.h"
#include "geo/Projection.h"

namespace z5 {
namespace {

// Text keeps this many pixels from the sides of its box.
constexpr int kTextMargin = 2;

struct ClippedBox {
  ChartBox box;
  bool southCut, northCut, westCut, eastCut;
  bool wholeView() const { return southCut && northCut && westCut && eastCut; }
};

ClippedBox clipToView(const ChartBox& c, const MapExtent& e) {
  ClippedBox clipped{{std::max(c.south, e.southSeconds), std::min(c.north, e.northSeconds),
                      std::max(c.west, e.westSeconds), std::min(c.east, e.eastSeconds)},
                     c.south <= e.southSeconds,
                     c.north >= e.northSeconds,
                     c.west <= e.westSeconds,
                     c.east >= e.eastSeconds};
  return clipped;
}

bool meetsView(const ChartBox& c, const MapExtent& e) {
  return c.south < e.northSeconds && c.north > e.southSeconds && c.west < e.eastSeconds && c.east > e.westSeconds;
}

void line(Surface& surface, int x1, int y1, int x2, int y2) {
  surface.moveTo(x1, y1);
  surface.lineTo(x2, y2);
}

void drawChart(Surface& surface, const MapExtent& extent, const RouteChart& chart, const ChartBox& c,
               int textHeight) {
  const ClippedBox clipped = clipToView(c, extent);
  if (clipped.wholeView()) return;
  const int left = LonToX(extent, clipped.box.west);
  const int right = LonToX(extent, clipped.box.east);
  const int top = LatToY(extent, clipped.box.north);
  const int bottom = LatToY(extent, clipped.box.south);
  if (!clipped.southCut) line(surface, left, bottom, right, bottom);
  if (!clipped.northCut) line(surface, left, top, right, top);
  if (!clipped.westCut) line(surface, left, top, left, bottom);
  if (!clipped.eastCut) line(surface, right, top, right, bottom);

  const std::string number = std::to_string(chart.number);
  const int textWidth = surface.textWidth(number);
  if (bottom - top < textHeight + kTextMargin || right - left < textWidth + kTextMargin) return;
  const bool atBottom = clipped.northCut && !clipped.southCut;
  const int y = atBottom ? bottom - textHeight - kTextMargin : top + kTextMargin;
  const int x = clipped.eastCut ? left + kTextMargin : right - textWidth - kTextMargin;
  surface.textOut(x, y, number);
}

}  // namespace

ChartBox chartBoxOf(const RouteChart& chart, int referenceSeconds) {
  int west = relativeLongitudeSeconds(chart.longitude1Seconds, referenceSeconds);
  int east = relativeLongitudeSeconds(chart.longitude2Seconds, referenceSeconds);
  if (west > east) std::swap(west, east);
  if (east - west > kHalfTurnSeconds) {
    // The shorter rectangle, across the 180th meridian.
    const int acrossWest = east;
    east = west + kFullTurnSeconds;
    west = acrossWest;
  }
  return {std::min(chart.southSeconds, chart.northSeconds), std::max(chart.southSeconds, chart.northSeconds), west,
          east};
}

void DrawChartOutlines(Surface& surface, const MapExtent& extent, const RouteChartTable& charts, int textHeight) {
  for (const RouteChart& chart : charts.charts) {
    ChartBox box = chartBoxOf(chart, extent.referenceSeconds);
    // A chart across the 180th meridian may lie on the view's side of it
    // one turn further west.
    if (!meetsView(box, extent) && box.west > extent.eastSeconds) {
      box.west -= kFullTurnSeconds;
      box.east -= kFullTurnSeconds;
    }
    if (meetsView(box, extent)) drawChart(surface, extent, chart, box, textHeight);
  }
}

}  // namespace z5
