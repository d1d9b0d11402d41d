#include "app/OutputFile.h"

#include <span>
#include <sstream>

#include "app/AppContexts.h"
#include "app/Z5App.h"
#include "base/AtomicFile.h"
#include "nav/FileSpeed.h"
#include "report/OutputFileName.h"
#include "report/VoyageReport.h"

namespace z5 {

bool makeReport(Z5App& app, int format, std::string& report) {
  std::ostringstream text;
  OutputSink sink(text);
  const ReportResult result = writeVoyageReport(reportContext(app), sink, format);
  if (result != ReportResult::Written && result != ReportResult::NoDistance) return false;
  report = text.str();
  return true;
}

OutputWriting writeOutputFile(Z5App& app, int format) {
  const std::string& route = app.voyage().routeFileName;
  OutputWriting done;
  done.path = outputFileName(route, format);
  app.settings().outputFileName = done.path;
  std::string report;
  if (!makeReport(app, format, report)) return done;
  const FileWriteResult written = writeFileAtomically(done.path, report, std::span(&route, 1));
  if (!written) {
    app.messages().showError(kErrorCannotCreateOutput, kCannotCreateOutputMs, done.path);
    done.result = OutputWriting::CannotCreate;
    done.cause = written.cause;
    return done;
  }
  done.result = OutputWriting::Written;
  return done;
}

OutputTimes missingOutputTimes(Z5App& app, int format) {
  OutputTimes missing;
  if (!formatNeedsTimes(format) || app.voyage().empty()) return missing;
  missing.departureMissing = !app.settings().departure.valid();
  missing.speedMissing = !(app.voyage().fileSpeed >= kNoSpeed);
  return missing;
}

}  // namespace z5
