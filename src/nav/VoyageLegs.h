#pragma once
// The legs of the voyage as the time computations walk them: from the start
// point (the first waypoint, or the entered position in to-waypoint mode) to
// the last waypoint, with each leg's distance and the speed of its own.

#include <vector>

#include "route/Voyage.h"

namespace z5 {

struct VoyageLeg {
  const Waypoint* from = nullptr;  // start of the leg
  const Waypoint* to = nullptr;    // end of the leg
  int toIndex = 0;                 // table index of `to`
  double distance = 0;             // NM, the `legDistance` of `to`
  // Knots given for this leg (0: none, the file speed applies). In
  // to-waypoint mode the first leg from the entered position continues the
  // route leg that ends at the target waypoint, and takes its speed.
  double ownSpeed = 0;
};

// True when the voyage is computed from the entered position: the
// to-waypoint index names a waypoint and the start position is given.
bool computedFromEnteredPosition(const Voyage& voyage);

// The start point of the voyage, or nullptr when the voyage is empty.
const Waypoint* voyageStart(const Voyage& voyage);

// Table index of the first leg's end: 1, or the to-waypoint index.
int firstLegEndIndex(const Voyage& voyage);

// The legs in route order; empty without a start point or a second point.
std::vector<VoyageLeg> voyageLegs(const Voyage& voyage);

// The stops of every point from the start point to the last waypoint, hours.
double totalStopHours(const Voyage& voyage);

}  // namespace z5
