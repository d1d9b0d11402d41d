#include "app/RouteCheck.h"

#include "app/Z5App.h"
#include "world/LandCheckText.h"

namespace z5 {
namespace {

constexpr int kEndOfOutput = 4;  // prompt string

std::vector<std::string> listing(Z5App& app) {
  const LandCheckResult& result = checkRoute(app);
  return landCheckListing(result, app.voyage().routeFileName, app.settings().EXTRA_PRECISION == 1);
}

}  // namespace

const LandCheckResult& checkRoute(Z5App& app, FailureNotice notice) {
  LandCheckResult& result = app.landCheck();
  result = LandCheckResult{};
  const SettingsRecord& settings = app.settings();
  LandCheckOptions options;
  options.referenceMeridian = app.voyageExtent().referenceMeridian;
  options.clearanceMiles = settings.LAND_CLEARANCE;
  options.firstRowNumber = settings.firstRowNumber;
  options.gcPointsHidden = settings.NO_CALC_GC_OUT == 1;
  const Voyage& voyage = app.voyage();
  if (voyage.count() < 2 && !voyage.toWaypoint.active()) return result;
  const LandIndex* land = app.landIndex().get(settings.HOME_PATH, app.messages(), notice);
  if (land == nullptr) {
    result.status = LandCheckStatus::NoWorldData;
    return result;
  }
  result = checkLegsAgainstLand(*land, voyage, options);
  return result;
}

void showRouteCheckSummary(Z5App& app) {
  app.messages().appendLine(landCheckSummary(checkRoute(app, FailureNotice::OncePerChange)));
}

void listRouteCheck(Z5App& app) {
  Messages& messages = app.messages();
  for (const std::string& line : listing(app)) messages.appendLine(line);
  messages.appendLine(messages.strings().prompt(kEndOfOutput));
}

int checkRouteJob(Z5App& app, std::ostream& out) {
  for (const std::string& line : listing(app)) out << line << "\n";
  const LandCheckResult& result = app.landCheck();
  if (result.status == LandCheckStatus::NoWorldData) return kCheckNotRun;
  return result.findings.empty() ? kCheckClean : kCheckFindings;
}

}  // namespace z5
