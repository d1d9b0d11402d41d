#pragma once
// The outlines of the route's charts on the map, clipped to the view, each
// with its chart number inside a corner.

#include "charts/RouteChartTable.h"
#include "geo/MapExtent.h"
#include "map/Surface.h"

namespace z5 {

// A chart's rectangle relative to the extent's reference meridian, in
// whole arc-seconds with west < east (a chart across the 180th meridian
// has east beyond 648000 or west below -648000).
struct ChartBox {
  int south = 0, north = 0, west = 0, east = 0;
};
ChartBox chartBoxOf(const RouteChart& chart, int referenceSeconds);

// Draws every chart of the table whose rectangle meets the view, in the
// current pen and text colour. The sides that lie inside the view are drawn
// (a side beyond the view or on its edge is not), and the number is written
// inside the clipped box when it fits: at the bottom when only the north
// side was cut off, else at the top; at the right when the east side is
// drawn, else at the left. A chart that covers the whole view draws nothing.
void DrawChartOutlines(Surface& surface, const MapExtent& extent, const RouteChartTable& charts, int textHeight);

}  // namespace z5
