#include "report/ReportRows.h"

#include "nav/CurrentDateText.h"
#include "nav/VoyageLegs.h"

namespace z5 {

ReportStart reportStart(const Voyage& voyage) {
  if (computedFromEnteredPosition(voyage)) return {&voyage.toWaypoint.start, voyage.toWaypoint.index - 1, true};
  if (voyage.empty()) return {};
  return {&voyage.waypoints.front(), 0, false};
}

double rowSpeed(const Voyage& voyage, int index, bool firstRow, const Waypoint& row) {
  if (firstRow) {
    if (row.speed > kNoRowSpeed) return row.speed;
  } else if (index > 0 && index <= voyage.count()) {
    const double previous = voyage.waypoints[index - 1].speed;
    if (previous > kNoRowSpeed) return previous;
  }
  return voyage.fileSpeed > kNoRowSpeed ? voyage.fileSpeed : 0;
}

bool etaOn(const SettingsRecord& settings, const Voyage& voyage) {
  return settings.departure.valid() && voyage.fileSpeed > kTimingSpeed && settings.NO_ETA_OUT == 0;
}

const std::string& departurePort(const SettingsRecord& settings, const Voyage& voyage) {
  return settings.backwardsRouting ? voyage.arrivalPort : voyage.departurePort;
}

const std::string& arrivalPort(const SettingsRecord& settings, const Voyage& voyage) {
  return settings.backwardsRouting ? voyage.departurePort : voyage.arrivalPort;
}

double arrivalHours(const Voyage& voyage) {
  if (voyage.empty() || voyage.totalHours <= 0) return 0;
  return voyage.totalHours - voyage.waypoints.back().stopHours;
}

bool vesselNamed(const SettingsRecord& settings) {
  return settings.VESSEL != kDefaultVessel || settings.CALL != kDefaultCall;
}

std::string reportHeading(const ReportContext& context, HeadingStrings strings) {
  const SettingsRecord& settings = context.settings();
  const std::string& file = context.voyage().routeFileName;
  const std::string date = currentDateText(context.nav.clock);
  if (vesselNamed(settings)) {
    return context.strings().prompt(strings.withVessel, kProgramName, file, date, settings.VESSEL, settings.CALL);
  }
  return context.strings().prompt(strings.plain, kProgramName, file, date);
}

}  // namespace z5
