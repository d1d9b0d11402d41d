#pragma once
// Navigation to a chosen waypoint of the voyage: what the reader thread
// needs of the choice, and the navigation texts computed from a fix.

#include <array>
#include <string>

#include "gps/FixTime.h"
#include "route/Voyage.h"

namespace z5 {

// The chosen waypoint as copied when it was chosen; the reader works on
// this copy, so re-extracting the voyage does not disturb it.
struct GotoLeg {
  int index = kNoIndex;  // table index; kNoIndex: none chosen
  double latitude = 0;   // the waypoint, degrees
  double longitude = 0;
  double legCourse = 0;  // rhumb-line course of the leg that ends at it
  bool legKnown = false; // the point before it is known (cross-track error)
  double previousLatitude = 0;
  double previousLongitude = 0;

  bool chosen() const { return index != kNoIndex; }
};

// The leg for choosing table entry `index` of `voyage`; index kNoIndex
// when the choice is not allowed (outside the table, or behind the next
// waypoint while the voyage is followed from a present position).
GotoLeg gotoLegFor(const Voyage& voyage, int index);

// The fixed texts the computation shows instead of numbers.
struct GotoNoticeTexts {
  std::string offLeg;    // more than 1.2 rad off the leg
  std::string tooFar;    // cross-track error above 1000 NM, or ETA a year or more away
  std::string left;      // the side of a negative cross-track angle
  std::string right;     // the side of a zero or positive one
  std::string arrived;   // at the waypoint
};

// The ship as the fix parser left it.
struct ShipState {
  double latitude = 0, longitude = 0;  // degrees
  double smg = -1.0;  // speed made good, knots; -1 unknown
  double cmg = -1.0;  // course made good, degrees; -1 unknown
  FixTime time;       // date and UTC time of the fix
};

// The twelve waypoint navigation texts in the order of GpsTextSet, from
// its kRlBearing on: RL and GC bearing, XTE, distance, VTWP, TTG, ETA.
using NavigationTexts = std::array<std::string, 12>;

NavigationTexts gotoNavigationTexts(const GotoLeg& leg, const ShipState& ship, bool geodetic,
                                    const GotoNoticeTexts& notices);

// Course text with three integer digits: "245.50 T", "045.50 T", "005.50".
std::string gpsCourseText(double degrees);
// "%5.2f hr = %02dd %02d:%02d" of a time to go in hours.
std::string timeToGoText(double hours);

}  // namespace z5
