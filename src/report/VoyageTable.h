#pragma once
// The normal table (format 1) and the delimited table (format 2): the
// preamble, one row per waypoint with the course and leg distance that
// arrive at it, and the times along the voyage.

#include "report/ReportContext.h"
#include "report/ReportOutput.h"

namespace z5 {

// Writes the preamble and the rows of `format` (1 or 2); the heading grows
// by the column header and its underline. False when an append failed.
bool writeVoyageTable(const ReportContext& context, ReportOutput& out, int format);

}  // namespace z5
