#pragma once
// The naval movement report (MOVEREP): numbered lines with check digits
// for the departure, each turning point (VIA), the destination (ETA) and
// the remark.

#include "report/ReportContext.h"
#include "report/ReportOutput.h"

namespace z5 {

// False when an append failed.
bool writeMoverepReport(const ReportContext& context, ReportOutput& out);

}  // namespace z5
