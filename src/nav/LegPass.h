#pragma once
// The leg pass: after every extraction it fixes the whole-voyage map extent
// (and so the reference meridian), computes the rhumb-line and great-circle
// solution of every leg, divides great-circle legs at interpolated
// "- GC calc" points and composite-sailing points, stores courses, leg
// distances and distances to go on the waypoints, and ends with the chart
// search.

#include <functional>
#include <string>

#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "charts/RouteChartTable.h"
#include "geo/MapExtent.h"
#include "nav/ComputeMapExtent.h"
#include "route/Voyage.h"

namespace z5 {

// Error strings of the pass.
inline constexpr int kErrorTableFull = 36;     // the table's capacity
inline constexpr int kErrorNoMemory = 43;      // the insertion index
inline constexpr int kInsertionMessageMs = 8000;

// What the pass reads and writes besides its arguments.
struct LegPassContext {
  LegPassContext(Voyage& v, GreatCircleSettings& gc, const ChartScaleLimits& limits, MapExtent& e,
                 RouteChartTable& table, Messages& m)
      : voyage(v), greatCircle(gc), scaleLimits(limits), extent(e), charts(table), messages(m) {}

  Voyage& voyage;
  GreatCircleSettings& greatCircle;  // changed while the pass runs, restored at its end
  const ChartScaleLimits& scaleLimits;
  MapExtent& extent;                 // receives the whole-voyage extent
  RouteChartTable& charts;
  Messages& messages;
  int drawingWidth = kDefaultDrawingWidth;  // the last map drawing's shape
  int drawingHeight = kDefaultDrawingHeight;
  // In to-waypoint mode, the to-waypoint calculation repeated without asking
  // and without output, after the legs and before the chart search.
  std::function<void()> refreshToWaypoint;
};

// The pass over the whole table. `degreeSpan` goes to the map extent; `geodetic` is LEN_LAT_LON and
// `gcPointsGetGcData` GC_PT_GCD. Returns 0, or kFatal (-88) when a point
// could not be inserted (error string 36 or 43 has been shown); the legs up
// to there are computed and the settings restored.
int computeLegs(const LegPassContext& pass, const std::string& homeDirectory, double degreeSpan, int geodetic,
                int gcPointsGetGcData);

// Inserts a waypoint at (latitude, longitude) before the entry at zero-based
// `position` (0..count; the entries from there move up by one), with every
// other field at its default. False, after error string 36 with the
// capacity, when the table already holds kMaxWaypoints entries (or after
// error string 43 when there is no memory for it).
bool insertWaypoint(Voyage& voyage, Messages& messages, int position, double latitude, double longitude);

}  // namespace z5
