#include "app/ReportJobs.h"

#include <fmt/format.h>

#include "app/AppContexts.h"
#include "app/OutputFile.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/AtomicFile.h"
#include "base/TextUtil.h"
#include "report/OutputFileName.h"
#include "report/VoyageReport.h"
#include "report/WaypointList.h"

namespace z5 {
namespace {

constexpr int kNoVoyageMs = 3000;

const char* formatName(int format) { return format == kAmverOutput ? "AMVER report" : "MOVEREP report"; }

// The departure time and the speed that the AMVER and MOVEREP reports state.
bool timesGiven(Z5App& app, int format, std::ostream& err) {
  const OutputTimes missing = missingOutputTimes(app, format);
  if (missing.departureMissing) {
    err << "z5: the " << formatName(format)
        << " needs a departure time: give it with --set DEPARTURE=DDMMYYYYhhmm (GMT)\n";
  }
  if (missing.speedMissing) {
    err << "z5: the " << formatName(format) << " needs a speed: give the route a !SPEED line\n";
  }
  return missing.complete();
}

}  // namespace

int extractRouteJob(Z5App& app, const std::string& route, std::ostream& err) {
  app.settings().outputFileName = outputFileName(route);
  const int result = VoyageEngine(app).extractRouteFile(route);
  if (result == kVoyageBuilt || result == kVoyageEmpty) return kJobDone;
  for (const ErrorLocation& location : app.voyage().errors) {
    // Through fmt, not the stream: a stream writes numbers in its locale's digit grouping.
    err << fmt::format("{}:{}: {}\n", escapedControls(location.file), location.line,
                       escapedControls(location.lineText));
  }
  return kJobFailed;
}

int writeOutputJob(Z5App& app, int format, bool toStdout, std::ostream& out, std::ostream& err) {
  if (!timesGiven(app, format, err)) return kJobFailed;
  const std::string& route = app.voyage().routeFileName;
  if (toStdout) {
    std::string report;
    if (!makeReport(app, format, report)) return kJobFailed;
    out << report;  // the caller flushes standard output and reports a failure with its cause
    return out ? kJobDone : kJobFailed;
  }
  if (outputFileName(route, format) == route) {
    err << "z5: the route file " << route << " has the name of its own output file; rename it first\n";
    return kJobFailed;
  }
  const OutputWriting written = writeOutputFile(app, format);
  if (written.result == OutputWriting::CannotCreate) {
    err << "z5: " << FileWriteResult{false, written.cause}.message(written.path) << "\n";
  }
  if (written.result != OutputWriting::Written) return kJobFailed;
  out << written.path << "\n";
  return kJobDone;
}

int writeListJob(Z5App& app, std::ostream& out) {
  if (app.voyage().empty()) {
    app.messages().showError(kErrorNoVoyage, kNoVoyageMs, app.voyage().routeFileName);
    return kJobFailed;
  }
  OutputSink sink(out);
  return writeWaypointList(reportContext(app), sink) ? kJobDone : kJobFailed;
}

}  // namespace z5
