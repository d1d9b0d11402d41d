#include "nav/DrPosition.h"

#include <cmath>

#include <fmt/printf.h>

#include "geo/Longitude.h"
#include "nav/Calendar.h"
#include "nav/DateTimePrompt.h"
#include "nav/FileSpeed.h"
#include "nav/TimeCommands.h"
#include "nav/VoyageLegs.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

// Arrivals this close to the asked time count as being at the waypoint, hours.
constexpr double kAtWaypointHours = 0.015;
// A file speed below this times no leg here.
constexpr double kLeastFileSpeed = 0.000001;

constexpr const char* kDrCallerText = "DR (GMT) ";
constexpr int kAttempts = 2;
// The asked time must be later than the departure by more than this, hours.
constexpr double kLeastHours = 0.00001;
// And earlier than the arrival by at least this, hours.
constexpr double kBeforeArrivalHours = 0.02;
constexpr double kNoTotal = 0.0001;
constexpr double kNoFileSpeed = 0.0001;

constexpr int kNoTimeError = 32;         // error: plain
constexpr int kNotAfterDepartureError = 33;  // error: plain
constexpr int kAfterArrivalError = 34;   // error: plain
constexpr int kNoSpeedError = 35;        // error: plain
constexpr int kErrorMs = 3000;

DrWalk atWaypoint(const Waypoint* waypoint, int index) {
  DrWalk walk;
  walk.result = DrWalk::Result::AtWaypoint;
  walk.at = waypoint;
  walk.atIndex = index;
  return walk;
}

struct Numbered {
  int number;
  const Waypoint* waypoint;
};

// The waypoint after the one reached, with its number; nullptr at the end.
Numbered nextAfter(const NavContext& nav, int atIndex) {
  const Voyage& v = nav.voyage;
  const int next = atIndex < 0 ? v.toWaypoint.index : atIndex + 1;
  if (next < 0 || next >= v.count()) return {0, nullptr};
  return {next + nav.settings.firstRowNumber, &v.waypoints[next]};
}

std::string atWaypointText(const NavContext& nav, const std::string& time, const DrWalk& walk) {
  const bool extra = nav.settings.EXTRA_PRECISION != 0;
  const int index = walk.atIndex < 0 ? nav.voyage.toWaypoint.index - 1 : walk.atIndex;
  const Waypoint& at = *walk.at;
  std::string text = fmt::sprintf("At GMT %s at waypoint:\n#%d %s Lat %s,Lon %s\n", time,
                                  index + nav.settings.firstRowNumber, at.name,
                                  formatPosition(at.latitude, PositionKind::Latitude, extra),
                                  formatPosition(at.longitude, PositionKind::Longitude, extra));
  const Numbered next = nextAfter(nav, walk.atIndex);
  if (next.waypoint == nullptr) return text;
  return text + fmt::sprintf("Next WP #%d %s, at %7.1fNM, CN %5.2f to go %7.1fNM.\n", next.number,
                             next.waypoint->name, next.waypoint->legDistance, next.waypoint->rhumbLineCourse,
                             at.distanceToGo);
}

std::string onLegText(const NavContext& nav, const std::string& time, const DrWalk& walk) {
  const bool extra = nav.settings.EXTRA_PRECISION != 0;
  const double reference = nav.extent.referenceMeridian;
  const Waypoint& start = *walk.legStart;
  const Waypoint& end = nav.voyage.waypoints[walk.legEndIndex];
  const double f = walk.fraction;
  const double latitude = end.latitude - (end.latitude - start.latitude) * f;
  const double endLongitude = relativeLongitude(end.longitude, reference);
  const double startLongitude = relativeLongitude(start.longitude, reference);
  const double longitude = absoluteLongitude(endLongitude - (endLongitude - startLongitude) * f, reference);
  const double toNext = f * end.legDistance;
  return fmt::sprintf("At GMT %s DR pos =Lat %s,Lon %s\nNext WP #%d %s, at %7.1fNM CN %5.2f to go %7.1fNM.\n", time,
                      formatPosition(latitude, PositionKind::Latitude, extra),
                      formatPosition(longitude, PositionKind::Longitude, extra),
                      walk.legEndIndex + nav.settings.firstRowNumber, end.name, toNext, end.rhumbLineCourse,
                      end.distanceToGo + toNext);
}

}  // namespace

DrWalk walkToHours(const Voyage& voyage, double hours) {
  const Waypoint* start = voyageStart(voyage);
  if (start == nullptr) return {};
  const int startIndex = computedFromEnteredPosition(voyage) ? -1 : 0;
  const double reached = hours - kAtWaypointHours;

  double elapsed = start->stopHours;
  if (elapsed >= reached) return atWaypoint(start, startIndex);
  for (const VoyageLeg& leg : voyageLegs(voyage)) {
    double speed = 0;
    if (leg.ownSpeed > kNoSpeed) speed = leg.ownSpeed;
    else if (voyage.fileSpeed >= kLeastFileSpeed) speed = voyage.fileSpeed;
    else return DrWalk{DrWalk::Result::NoSpeed};
    const double legHours = leg.distance / speed;
    const double arrival = elapsed + legHours;
    if (arrival >= reached) {
      if (std::fabs(arrival - hours) <= kAtWaypointHours || !(legHours > 0)) return atWaypoint(leg.to, leg.toIndex);
      DrWalk walk;
      walk.result = DrWalk::Result::OnLeg;
      walk.legStart = leg.from;
      walk.legEndIndex = leg.toIndex;
      walk.fraction = (arrival - hours) / legHours;
      return walk;
    }
    elapsed = arrival + leg.to->stopHours;
    if (elapsed >= reached) return atWaypoint(leg.to, leg.toIndex);
  }
  return {};
}

std::string drPositionCommand(NavContext& nav) {
  Messages& m = nav.messages;
  if (!nav.settings.departure.valid() && !askDepartureTime(nav)) return {};
  if (!nav.settings.departure.valid()) return {};
  const bool haveTimes = nav.voyage.totalHours >= kNoTotal;
  if (!haveTimes && nav.voyage.fileSpeed <= kNoFileSpeed && !askFileSpeed(nav)) return {};
  if (!(nav.voyage.totalHours >= kNoTotal)) {
    m.showError(kNoTimeError, kErrorMs);
    return {};
  }
  DateTime time = nav.calculators.drTime.valid() ? nav.calculators.drTime : nav.settings.departure;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (!askDateTime(m, kDrCallerText, time)) return {};
    const double hours = hoursBetween(nav.settings.departure, time);
    if (!(hours > kLeastHours)) {
      m.showError(kNotAfterDepartureError, kErrorMs);
      continue;
    }
    if (hours >= nav.voyage.totalHours - kBeforeArrivalHours) {
      m.showError(kAfterArrivalError, kErrorMs);
      continue;
    }
    const DrWalk walk = walkToHours(nav.voyage, hours);
    if (walk.result == DrWalk::Result::NoSpeed) {
      m.showError(kNoSpeedError, kErrorMs);
      return {};
    }
    if (walk.result == DrWalk::Result::Beyond) {
      m.showError(kAfterArrivalError, kErrorMs);
      continue;
    }
    const std::string timeText = dateTimeText(time);
    const std::string text = walk.result == DrWalk::Result::AtWaypoint ? atWaypointText(nav, timeText, walk)
                                                                         : onLegText(nav, timeText, walk);
    nav.calculators.drTime = time;
    nav.calculators.drText = text;
    m.appendLine(text);
    return text;
  }
  return {};
}

}  // namespace z5
