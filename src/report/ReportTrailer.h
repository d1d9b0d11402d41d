#pragma once
// What follows the rows of the normal and delimited tables: the total
// distance, the charts named in the route file, the notes, the intercepts
// the route file asked for, and the charts that cover the route with the
// route's crossings of their edges.

#include <vector>

#include "report/ReportContext.h"
#include "report/ReportOutput.h"

namespace z5 {

// False when an append failed.
bool writeReportTrailer(const ReportContext& context, ReportOutput& out);

// Chart numbers as the reports list them: each line of `perLine` numbers
// starts with `lineStart` (a "\n" and the number's "%5.0f" field); the
// others follow as ",%5.0f" on the same line.
bool writeChartNumbers(ReportOutput& out, const std::vector<int>& numbers, int perLine, const char* lineStart);

}  // namespace z5
