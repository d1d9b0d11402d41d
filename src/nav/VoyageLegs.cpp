#include "nav/VoyageLegs.h"

namespace z5 {

const Waypoint* voyageStart(const Voyage& voyage) {
  if (voyage.toWaypoint.active()) return &voyage.toWaypoint.start;
  return voyage.empty() ? nullptr : &voyage.waypoints.front();
}

int firstLegEndIndex(const Voyage& voyage) {
  return voyage.toWaypoint.active() ? voyage.toWaypoint.index : 1;
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
