#pragma once
// The chart catalogue as text: one chart per line,
//
//   number,carried,title,scale,south,north,longitude1,longitude2
//
// number and scale are whole numbers (scale 80000 means 1:80,000); carried
// is one character or empty; the title (at most 38 printable ASCII
// characters) may be quoted with double quotes ("" inside quotes is one
// quote); the four edges are positions as written in a route file:
// 49-55.00N, 49 55.5 N, 49-55-30N, 49.925, 005-12.00W, -122.25 ... A
// longitude without hemisphere letter is west, and a leading "-" turns it
// east, as in a route file. Positions are rounded to the nearest
// arc-second. Blank lines and lines starting with '#' are skipped; a first
// line whose first field is "number" is a heading.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "charts/ChartCatalogueFile.h"

namespace z5 {

struct ChartCsvProblem {
  int line = 0;  // 1-based line of the text
  std::string message;
};

struct ChartCsv {
  std::vector<ChartRecord> records;
  std::vector<ChartCsvProblem> problems;  // empty when every line was read
};

// Reads every chart line of `text`; a line with a problem is reported and left out.
ChartCsv readChartCsv(std::string_view text);

// The catalogue as text in the same form, with a heading, positions as
// degrees-minutes-seconds with hemisphere letters, titles quoted.
std::string writeChartCsv(const std::vector<ChartRecord>& records);

// A position text of the route language to whole arc-seconds (rounded);
// nullopt when it is not a valid latitude (within 90 degrees) or longitude
// (within 180 degrees).
std::optional<int> parseChartPosition(std::string_view text, bool longitude);

// Whole arc-seconds as "DD-MM-SSN" (latitude) or "DDD-MM-SSE" (longitude).
std::string formatChartPosition(int seconds, bool longitude);

}  // namespace z5
