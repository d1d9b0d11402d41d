#pragma once
// The chart search: which charts of the catalogue the voyage's legs cross.
// Longitudes are compared as whole arc-seconds relative to the reference
// meridian; a chart whose two longitude edges lie more than 180 degrees
// apart is the shorter rectangle across the 180th meridian.

#include <istream>
#include <string>
#include <vector>

#include "base/Messages.h"
#include "charts/ChartCatalogueFile.h"
#include "charts/RouteChartTable.h"
#include "geo/LegGeometry.h"
#include "route/Voyage.h"

namespace z5 {

// Results of the search besides the number of charts found.
inline constexpr int kChartFileUnreadable = 48;  // missing file or bad magic number
inline constexpr int kChartTableOverflow = 49;   // more than 200 charts qualified

// Error strings of the search.
inline constexpr int kErrorCannotOpen = 38;    // path
inline constexpr int kErrorBadMagic = 39;      // path, value found, value expected
inline constexpr int kErrorTooManyCharts = 41; // table capacity
inline constexpr int kChartMessageMs = 3000;

enum class ChartEdge { South, North, West, East };

// A chart's rectangle: latitudes in arc-seconds, longitudes in arc-seconds
// relative to the reference meridian with west < east (east may exceed
// 648000 for a chart across the 180th meridian).
struct ChartRectangle {
  int south = 0, north = 0, west = 0, east = 0;
};

// The search box: the whole-voyage map extent, arc-seconds, longitudes relative.
struct ChartSearchBox {
  int west = 0, south = 0, east = 0, north = 0;
};

// Whether a leg crossing `edge` at `crossing` (a longitude for the south and
// north edges, a latitude for the west and east edges, arc-seconds) on
// `course` (degrees true) really enters the chart: the crossing must lie on
// the edge, and a track that only clips a corner quarter of the edge at a
// shallow angle is refused. Courses 000, 090, 180 and 270 are always accepted.
bool AcceptEdgeCrossing(ChartEdge edge, int crossing, const ChartRectangle& chart, double course);

// The voyage's points in sailing order: the to-waypoint start position and
// the waypoints from the to-waypoint index in to-waypoint mode, else every
// waypoint. Each leg ends at a point carrying the leg's rhumb-line course.
std::vector<const Waypoint*> chartRoutePoints(const Voyage& voyage);

// Everything one search reads besides the catalogue.
struct ChartSearch {
  int upperScale = 0;
  int lowerScale = 0;
  ChartSearchBox box;
  const std::vector<const Waypoint*>* route = nullptr;  // chartRoutePoints
  const LegGeometry* geometry = nullptr;                // holds the reference meridian
};

// Fills `table` with the charts of "chart.dat" in `homeDirectory` whose
// scale lies within the limits (inclusive), whose rectangle overlaps the box
// and which a leg of the route crosses. Returns the number found (0..200),
// kChartFileUnreadable after error string 38 (the table is left as it was)
// or 39 (the table is emptied), or kChartTableOverflow after error string 41
// with the first 200 charts kept.
int FindRouteCharts(const ChartSearch& search, const std::string& homeDirectory, RouteChartTable& table,
                    Messages& messages);

// The same on an open catalogue stream; `path` names it in messages.
int searchChartCatalogue(std::istream& in, const std::string& path, const ChartSearch& search,
                         RouteChartTable& table, Messages& messages);

}  // namespace z5
