#pragma once
// The two plain waypoint exports: the data file (format 5: name, latitude
// and longitude lines, the route file's own layout) and the NMEA $CCWPL
// sentences (format 6). Neither has a heading, totals or times.

#include <vector>

#include "report/OutputSink.h"
#include "report/ReportContext.h"

namespace z5 {

// The rows of both exports, and of the GPX route: the start point, then
// every waypoint after it to the end of the table, great-circle points left
// out under NO_CALC_GC_OUT (composite points always kept).
std::vector<const Waypoint*> exportedWaypoints(const Voyage& voyage, const SettingsRecord& settings);

// Writes the start point and every waypoint after it (great-circle points
// left out under NO_CALC_GC_OUT, composite points always kept), after an
// empty first line. `format` is 5 or 6. False when an append failed.
bool writeWaypointExport(const ReportContext& context, OutputSink& sink, int format);

}  // namespace z5
