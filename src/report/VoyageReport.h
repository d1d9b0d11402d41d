#pragma once
// The report writer: the voyage in one of the six output formats, or as a
// GPX route, written through an output sink (the output file or the message
// window).

#include "report/OutputSink.h"
#include "report/ReportContext.h"

namespace z5 {

enum OutputFormat : int {
  kNormalOutput = 1,
  kDelimitedOutput = 2,
  kAmverOutput = 3,
  kMoverepOutput = 4,
  kDataFileOutput = 5,
  kWaypointSentenceOutput = 6,
  // Not an OUTPUT_FORMAT setting: asked for by name ("--output=gpx", the
  // GPX output command).
  kGpxOutput = 7,
};

enum class ReportResult {
  Written,
  NoWaypoints,     // error string 24 has been shown
  OneWaypoint,     // error string 25 has been shown
  NoDistance,      // the voyage is not longer than 0.001 NM: nothing written
  WriteFailed,     // an append failed; what was written stays
};

// Writes the voyage in `format` (1..7; any other value is taken as 1). The
// voyage's time totals are brought up to date first.
ReportResult writeVoyageReport(const ReportContext& context, OutputSink& sink, int format);

// Formats 3 and 4 state times and speeds: they need a departure time and a
// file speed of at least 0.001 knots.
bool formatNeedsTimes(int format);

}  // namespace z5
