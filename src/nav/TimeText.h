#pragma once
// The time text of the reports, "HHMM DD MON YY": a date-time moved by a
// number of hours and rounded to the ROUNDING setting.

#include <string>

#include "base/DateTime.h"

namespace z5 {

// The time text of `time` plus `offsetHours` (negative: minus), with the
// minute rounded to a multiple of `rounding` minutes (1..60; 1 or less: no
// rounding), half a step (integer halving) and less rounding down.
//
// The fraction of an hour in the offset is rounded to whole minutes, half
// up. Carries and borrows run across days, months and years by the
// Gregorian calendar. An offset of exactly 0 prints the fields as they
// stand, unrounded. Empty for year 0, and for an offset that is not a
// number or lies beyond kLargestTimeOffsetHours.
std::string formatTimeText(const DateTime& time, double offsetHours, int rounding);

// About 1100 years: no voyage is longer.
inline constexpr double kLargestTimeOffsetHours = 1e7;

}  // namespace z5
