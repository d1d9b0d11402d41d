#pragma once
// The dead-reckoning position at a given time: where the voyage's legs,
// speeds and stops put the ship that many hours after its departure.

#include <string>

#include "nav/NavContext.h"

namespace z5 {

// Where the walk along the voyage reached the asked hour.
struct DrWalk {
  enum class Result {
    AtWaypoint,  // at a waypoint (arriving within 0.015 h, or in its stop)
    OnLeg,       // between the two ends of a leg
    NoSpeed,     // a leg with neither a speed nor a file speed
    Beyond,      // after the last waypoint
  };
  Result result = Result::Beyond;
  const Waypoint* at = nullptr;  // AtWaypoint: the waypoint reached
  int atIndex = -1;              // its table index; -1 for the to-waypoint start
  int legEndIndex = -1;          // OnLeg: table index of the leg's end
  double fraction = 0;           // OnLeg: share of the leg still to go, 0..1
};

// Walks the legs from the start point, adding the stops and each leg's time
// at its speed (own speed above 0.001 knots, else the file speed from
// 0.000001 knots), to the first waypoint reached `hours` after the
// departure less 0.015 hours.
DrWalk walkToHours(const Voyage& voyage, double hours);

}  // namespace z5
