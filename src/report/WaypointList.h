#pragma once
// The waypoint listing: the route file's own waypoints with the settings
// each carries (sailing, great-circle interval, speed, stop, zone), the
// charts the file names and its intercept requests. It does not depend on
// the output format; after every extraction it goes to the message window.

#include "report/OutputSink.h"
#include "report/ReportContext.h"

namespace z5 {

// Writes nothing for an empty voyage. False when an append failed.
bool writeWaypointList(const ReportContext& context, OutputSink& sink);

}  // namespace z5
