#include "app/ReportJobs.h"

#include <span>
#include <sstream>

#include "app/AppContexts.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/AtomicFile.h"
#include "base/TextUtil.h"
#include "nav/FileSpeed.h"
#include "report/OutputFileName.h"
#include "report/VoyageReport.h"
#include "report/WaypointList.h"

namespace z5 {
namespace {

constexpr int kErrorCannotCreate = 22;  // the output file's name
constexpr int kCannotCreateMs = 4000;
constexpr int kNoVoyageMs = 3000;

const char* formatName(int format) { return format == kAmverOutput ? "AMVER report" : "MOVEREP report"; }

// The departure time and the speed that the AMVER and MOVEREP reports state.
bool timesGiven(Z5App& app, int format, std::ostream& err) {
  bool given = true;
  if (!app.settings().departure.valid()) {
    err << "z5: the " << formatName(format)
        << " needs a departure time: give it with --set DEPARTURE=DDMMYYYYhhmm (GMT)\n";
    given = false;
  }
  if (!(app.voyage().fileSpeed >= kNoSpeed)) {
    err << "z5: the " << formatName(format) << " needs a speed: give the route a !SPEED line\n";
    given = false;
  }
  return given;
}

}  // namespace

int extractRouteJob(Z5App& app, const std::string& route, std::ostream& err) {
  app.settings().outputFileName = outputFileName(route);
  const int result = VoyageEngine(app).extractRouteFile(route);
  if (result == kVoyageBuilt || result == kVoyageEmpty) return kJobDone;
  for (const ErrorLocation& location : app.voyage().errors) {
    err << escapedControls(location.file) << ":" << location.line << ": " << escapedControls(location.lineText)
        << "\n";
  }
  return kJobFailed;
}

int writeOutputJob(Z5App& app, int format, bool toStdout, std::ostream& out, std::ostream& err) {
  if (formatNeedsTimes(format) && !app.voyage().empty() && !timesGiven(app, format, err)) return kJobFailed;
  const std::string& route = app.voyage().routeFileName;
  const std::string path = outputFileName(route, format);
  if (!toStdout && path == route) {
    err << "z5: the route file " << route << " has the name of its own output file; rename it first\n";
    return kJobFailed;
  }
  // The report is made in full before the output file is touched, so that a
  // route that gives no report leaves the previous output as it was.
  std::ostringstream report;
  OutputSink sink(report);
  const ReportResult result = writeVoyageReport(reportContext(app), sink, format);
  if (result != ReportResult::Written && result != ReportResult::NoDistance) return kJobFailed;
  if (toStdout) {
    out << report.str();  // the caller flushes standard output and reports a failure with its cause
    return out ? kJobDone : kJobFailed;
  }
  const FileWriteResult written = writeFileAtomically(path, report.str(), std::span(&route, 1));
  if (!written.written) {
    app.messages().showError(kErrorCannotCreate, kCannotCreateMs, path);
    err << "z5: " << written.message(path) << "\n";
    return kJobFailed;
  }
  out << path << "\n";
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
