// Dating fixes: the first fix from the computer's clock, later ones by
// midnight passages, and the seconds between two fixes.

#include <gtest/gtest.h>

#include "gps/FixTime.h"

namespace z5 {
namespace {

struct DayRow {
  const char* legend;
  DateTime from, expected;
};

TEST(GpsFixTime, TheNextDayRollsMonthsAndYearsByTheCalendar) {
  const DayRow rows[] = {
      {"an ordinary day", {2002, 3, 15, 0, 1}, {2002, 3, 16, 0, 1}},
      {"the end of a 30-day month", {2002, 4, 30, 0, 1}, {2002, 5, 1, 0, 1}},
      {"the end of the year", {2001, 12, 31, 0, 0}, {2002, 1, 1, 0, 0}},
      {"28 February in a leap year", {2004, 2, 28, 0, 0}, {2004, 2, 29, 0, 0}},
      {"28 February in a common year", {2003, 2, 28, 0, 0}, {2003, 3, 1, 0, 0}},
      {"1900 is not a leap year", {1900, 2, 28, 0, 0}, {1900, 3, 1, 0, 0}},
      {"2000 is a leap year", {2000, 2, 28, 0, 0}, {2000, 2, 29, 0, 0}},
  };
  for (const auto& row : rows) EXPECT_EQ(nextDay(row.from), row.expected) << row.legend;
}

TEST(GpsFixTime, SecondsBetweenFixesCountAcrossMidnightAndBackwards) {
  const FixTime before{{2001, 12, 31, 23, 59}, 59};
  const FixTime after{{2002, 1, 1, 0, 0}, 1};
  EXPECT_DOUBLE_EQ(secondsBetween(before, after), 2);
  EXPECT_DOUBLE_EQ(secondsBetween(after, before), -2);
  EXPECT_DOUBLE_EQ(secondsBetween({{2002, 3, 1, 12, 0}, 0.5}, {{2002, 3, 1, 12, 1}, 1.0}), 60.5);
  EXPECT_DOUBLE_EQ(secondsBetween({}, after), 0) << "no date, no interval";
}

struct FirstFixRow {
  const char* legend;
  ClockTime utcClock;
  int hour, minute;
  double second;
  DateTime expected;
};

TEST(GpsFixTime, TheFirstFixTakesTheClockDateNearestItsTime) {
  const FirstFixRow rows[] = {
      {"clock and fix agree", {2002, 3, 23, 12, 35, 10}, 12, 35, 19, {2002, 3, 23, 12, 35}},
      {"clock a moment behind a new hour", {2002, 3, 23, 12, 59, 59.9}, 13, 0, 0, {2002, 3, 23, 13, 0}},
      {"clock still before midnight, fix after it", {2001, 12, 31, 23, 59, 58}, 0, 0, 1, {2002, 1, 1, 0, 0}},
      {"clock past midnight, fix before it", {2002, 3, 1, 0, 0, 2}, 23, 59, 59, {2002, 2, 28, 23, 59}},
      {"clock three hours fast", {2002, 3, 23, 15, 0, 0}, 12, 0, 0, {2002, 3, 23, 12, 0}},
      {"clock three hours fast across midnight", {2002, 3, 24, 1, 0, 0}, 22, 0, 0, {2002, 3, 23, 22, 0}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(firstFixDate(row.utcClock, row.hour, row.minute, row.second), row.expected) << row.legend;
}

}  // namespace
}  // namespace z5
