#pragma once
// The output file of the extracted voyage: the report made in full first,
// then written whole over the route's output file, so that a report that
// fails or a file that cannot be written leaves the previous output as it
// was, and the route itself is never written over. Shared by the editor's
// WriteOutput and the headless --output run.

#include <string>

namespace z5 {

class Z5App;

// Error string of an output file that cannot be created (its name), and for how long.
inline constexpr int kErrorCannotCreateOutput = 22;
inline constexpr int kCannotCreateOutputMs = 4000;

struct OutputWriting {
  enum Result {
    Written,       // the file holds the report
    NoReport,      // the report writer gave nothing (its message shown)
    CannotCreate,  // the file could not be written (error string 22 shown)
  } result = NoReport;
  std::string path;   // the output file
  std::string cause;  // why it could not be written
};

// The report of the voyage in `format` (1..6); false when there is none
// (the report writer's message has been shown).
bool makeReport(Z5App& app, int format, std::string& report);

// Writes the report in `format` to the output file of the voyage's route,
// which becomes the current output file name.
OutputWriting writeOutputFile(Z5App& app, int format);

// The AMVER and MOVEREP formats state a departure time and a speed.
struct OutputTimes {
  bool departureMissing = false;
  bool speedMissing = false;
  bool complete() const { return !departureMissing && !speedMissing; }
};
OutputTimes missingOutputTimes(Z5App& app, int format);

}  // namespace z5
