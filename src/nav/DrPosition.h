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
  const Waypoint* legStart = nullptr;  // OnLeg: the leg's start point
  int legEndIndex = -1;          // OnLeg: table index of the leg's end
  double fraction = 0;           // OnLeg: share of the leg still to go, 0..1
};

// Walks the legs from the start point, adding the stops and each leg's time
// at its speed (own speed above 0.001 knots, else the file speed from
// 0.000001 knots), to the first waypoint reached `hours` after the
// departure less 0.015 hours.
DrWalk walkToHours(const Voyage& voyage, double hours);

// The DR position command: asks for a GMT time (twice at most) after the
// departure time and the speed when they are missing, and writes where the
// ship is at that time, at a waypoint or on a leg (interpolated linearly in
// latitude and relative longitude), with the next waypoint, its distance
// and course and the distance to go. Returns the text written, empty when
// there is none.
std::string drPositionCommand(NavContext& nav);

}  // namespace z5
