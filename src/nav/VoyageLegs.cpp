#include "nav/VoyageLegs.h"

namespace z5 {

namespace {
// A start position below this is not given.
constexpr double kNotGivenBelow = -200;
}  // namespace

bool computedFromEnteredPosition(const Voyage& voyage) {
  const ToWaypointState& tw = voyage.toWaypoint;
  return tw.index >= 0 && tw.index < voyage.count() && tw.start.latitude >= kNotGivenBelow &&
         tw.start.longitude >= kNotGivenBelow;
}

const Waypoint* voyageStart(const Voyage& voyage) {
  if (computedFromEnteredPosition(voyage)) return &voyage.toWaypoint.start;
  return voyage.empty() ? nullptr : &voyage.waypoints.front();
}

int firstLegEndIndex(const Voyage& voyage) {
  return computedFromEnteredPosition(voyage) ? voyage.toWaypoint.index : 1;
}

std::vector<VoyageLeg> voyageLegs(const Voyage& voyage) {
  std::vector<VoyageLeg> legs;
  const Waypoint* from = voyageStart(voyage);
  if (from == nullptr) return legs;
  const int first = firstLegEndIndex(voyage);
  if (first < 0) return legs;
  for (int j = first; j < voyage.count(); ++j) {
    const Waypoint& to = voyage.waypoints[j];
    VoyageLeg leg{from, &to, j, to.legDistance, from->speed};
    if (from == &voyage.toWaypoint.start && from->speed <= 0 && j > 0) leg.ownSpeed = voyage.waypoints[j - 1].speed;
    legs.push_back(leg);
    from = &to;
  }
  return legs;
}

double totalStopHours(const Voyage& voyage) {
  const Waypoint* start = voyageStart(voyage);
  if (start == nullptr) return 0;
  double hours = start->stopHours;
  for (const VoyageLeg& leg : voyageLegs(voyage)) hours += leg.to->stopHours;
  return hours;
}

}  // namespace z5
