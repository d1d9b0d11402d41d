#pragma once
// One waypoint of the voyage: position, the settings of the leg that leaves
// it, and the results of the leg pass for the leg that arrives at it.

#include <string>
#include <string_view>

#include "geo/Position.h"

namespace z5 {

// Waypoint names are 18 characters (UTF-8 code points, so up to 72 bytes),
// blank-padded: a name printed as it is stored fills its report column.
inline constexpr int kWaypointNameLength = 18;
// A zone description above this value means "not given".
inline constexpr double kZoneNotGiven = 99;
inline constexpr double kZoneGivenLimit = 98;
// No valid position value.
inline constexpr double kNoPosition = -999;

enum WaypointKind : int {
  kOrdinaryPoint = 0,  // read from the route
  kGcCalcPoint = 1,    // inserted great-circle point
  kComposite1 = 2,     // first great circle meets the limiting parallel
  kComposite2 = 3,     // the parallel sailing ends
};

struct Waypoint {
  double latitude = kNoPosition;   // degrees, north positive
  double longitude = kNoPosition;  // degrees, east positive
  // Leg results, written by the leg pass for the leg that ends here.
  double rhumbLineCourse = 0;      // degrees true
  double greatCircleCourse = 0;    // initial great-circle course, degrees true
  double legDistance = 0;          // NM
  double distanceToGo = 0;         // NM from here to the last waypoint
  double speed = 0;                // knots for the leg that leaves; 0 none given
  int speedFixed = 0;              // 1 when fixed by !SET or inherited
  double stopHours = 0;            // 0..10000
  int greatCircle = 0;             // 1: the leg arriving here is sailed by great circle
  double gcInterval = 0;           // degrees of longitude given with !GC; 0 none
  double zoneDescription = kZoneNotGiven;  // hours -13..12; above 98 not given
  std::string name = std::string(kWaypointNameLength, ' ');
  int kind = kOrdinaryPoint;

  bool zoneGiven() const { return zoneDescription <= kZoneGivenLimit; }
  Position position() const { return {latitude, longitude}; }
};

// The name padded with blanks (or cut between characters) to 18 characters.
std::string paddedWaypointName(std::string_view name);

}  // namespace z5
