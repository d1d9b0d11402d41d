#pragma once
// The headless report runs of the z5 command line: extract a route file,
// then write its output file (or the report to standard output) and its
// waypoint listing. Messages go through the application's host; what the
// run itself has to say goes to `err`. Each returns the exit status.

#include <ostream>
#include <string>

namespace z5 {

class Z5App;

inline constexpr int kJobDone = 0;
inline constexpr int kJobFailed = 1;

// Extracts the route file at `route`. On an error in the route the location
// ("FILE:LINE: line text") follows the message; the result is then kJobFailed.
int extractRouteJob(Z5App& app, const std::string& route, std::ostream& err);

// Writes the extracted voyage in `format` (1..7, 7 the GPX route): to `out`
// when `toStdout`, else into the route's output file (for GPX the route's
// name with extension "gpx"), whose path is then printed on `out`.
// AMVER and MOVEREP reports need a departure time and a speed; without them
// nothing is written and the run fails with a message saying what to give.
int writeOutputJob(Z5App& app, int format, bool toStdout, std::ostream& out, std::ostream& err);

// The report of the extracted voyage in `format` (1..6) in `report`, for
// printing: the same times are asked for as by writeOutputJob; no file is written.
int reportTextJob(Z5App& app, int format, std::string& report, std::ostream& err);

// Writes the waypoint listing of the extracted voyage to `out`.
int writeListJob(Z5App& app, std::ostream& out);

}  // namespace z5
