#pragma once
// The voyage as a GPX 1.1 route for chart plotters and other navigation
// programs: one `rte` with one `rtept` for each row of the NMEA waypoint
// export, so that NO_CALC_GC_OUT decides, as there, whether the inserted
// great-circle points go out (with them, a plotter that joins route points
// by rhumb lines follows the great circle).

#include "report/OutputSink.h"
#include "report/ReportContext.h"

namespace z5 {

// The program as it names itself in the GPX `creator` attribute.
inline constexpr const char* kGpxCreator = "Z5 - Brelland";

// Writes the GPX document: the route is named after the route file (its
// name without directory and extension), each point by its waypoint name
// without the padding blanks. False when the append failed.
bool writeGpxExport(const ReportContext& context, OutputSink& sink);

}  // namespace z5
