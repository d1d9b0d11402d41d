#include "nav/DrPosition.h"

#include <cmath>

#include "nav/FileSpeed.h"
#include "nav/VoyageLegs.h"

namespace z5 {
namespace {

// Arrivals this close to the asked time count as being at the waypoint, hours.
constexpr double kAtWaypointHours = 0.015;
// A file speed below this times no leg here.
constexpr double kLeastFileSpeed = 0.000001;

DrWalk atWaypoint(const Waypoint* waypoint, int index) {
  DrWalk walk;
  walk.result = DrWalk::Result::AtWaypoint;
  walk.at = waypoint;
  walk.atIndex = index;
  return walk;
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
      walk.legEndIndex = leg.toIndex;
      walk.fraction = (arrival - hours) / legHours;
      return walk;
    }
    elapsed = arrival + leg.to->stopHours;
    if (elapsed >= reached) return atWaypoint(leg.to, leg.toIndex);
  }
  return {};
}

}  // namespace z5
