#pragma once
// What the AMVER and MOVEREP reports say of each waypoint: its position in
// their short forms, the time the ship reaches it, the speed and sailing
// method of the leg that arrives there.

#include <string>
#include <vector>

#include "report/ReportContext.h"
#include "route/PositionText.h"

namespace z5 {

// A waypoint as the ship reaches it, or, for the second row of a stop, as
// the ship leaves it.
struct ShipReportRow {
  const Waypoint* point = nullptr;
  double hours = 0;          // from the departure time to this row's time, the start's stop included
  double speed = 0;          // knots of the leg arriving here (leaving, on a stop's second row); 0 none
  bool greatCircle = false;  // that leg is sailed by great circle
  bool last = false;         // no waypoint follows
};

// The rows after the start point (from the to-waypoint target in
// to-waypoint mode) to the last waypoint; great-circle points are left out
// under NO_CALC_GC_OUT, but their legs and every stop count towards the
// times. A waypoint with a stop, other than the last, has a second row:
// its departure time with the speed and method of the leg that leaves it.
// A leg without a speed adds no time (error string 26 is shown).
std::vector<ShipReportRow> shipReportRows(const ReportContext& context);

// The leg arriving at `destination` is sailed by great circle: it is a
// great-circle leg or ends at a great-circle point, does not end the
// parallel sailing of a composite route, and does not run exactly east or
// west (a parallel is a rhumb line).
bool sailsGreatCircle(const Waypoint& destination);

// "3748N" / "12230W": degrees and whole minutes of the two-decimal position
// text (the decimals cut, not rounded) and the hemisphere.
std::string amverPosition(double degrees, PositionKind kind);

// "37-48N2" / "122-30W1": degrees, hyphen, whole minutes, hemisphere and
// the check digit of their digits.
std::string moverepPosition(double degrees, PositionKind kind);

// Tenths of a knot in at least three digits ("125" for 12.5 knots, "080"
// for 8), rounded half up; "<speed>" without a speed above 0.001 knots.
std::string amverSpeedText(double knots);

// "12.5K8": knots with one decimal, "K" and the check digit.
std::string moverepSpeedText(double knots);

}  // namespace z5
