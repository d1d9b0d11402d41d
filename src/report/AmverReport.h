#pragma once
// The AMVER sail plan (deviation report in to-waypoint mode) in the
// lettered-line format: A/ vessel, B/ departure time, G/ (or C/) departure,
// I/ destination, L/ route legs, and the route file's own AMVER lines.

#include "report/ReportContext.h"
#include "report/ReportOutput.h"

namespace z5 {

// False when an append failed.
bool writeAmverReport(const ReportContext& context, ReportOutput& out);

// The date-time group of the AMVER lines when no departure time is given.
inline constexpr const char* kAmverNoTimeGroup = "      Z//";

}  // namespace z5
