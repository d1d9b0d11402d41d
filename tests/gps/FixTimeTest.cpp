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
  ClockTime utcClock, localClock;
  int hour, minute;
  double second;
  double longitude;
  DateTime expected;
};

TEST(GpsFixTime, TheFirstFixTakesItsUtcDateFromTheComputersClock) {
  const FirstFixRow rows[] = {
      {"clock and fix agree",  //
       {2002, 3, 23, 12, 35, 10}, {2002, 3, 23, 13, 35, 10}, 12, 35, 19, 11.5, {2002, 3, 23, 12, 35}},
      {"clock a moment behind a new hour (hour compared alone)",  //
       {2002, 3, 23, 12, 59, 59.9}, {2002, 3, 23, 13, 59, 59.9}, 13, 0, 0, 11.5, {2002, 3, 23, 13, 0}},
      {"clock still before midnight, fix after it (clock date taken)",  //
       {2001, 12, 31, 23, 59, 58}, {2001, 12, 31, 18, 59, 58}, 0, 0, 1, -75, {2002, 1, 1, 0, 0}},
      {"clock past midnight, fix before it, local zone of another ocean (local rule alone gives 1 March)",
       {2002, 3, 1, 0, 0, 2}, {2002, 3, 1, 1, 0, 2}, 23, 59, 59, -60, {2002, 2, 28, 23, 59}},
      {"zone set to UTC, ship's time on the clock, west: UTC is a day on (one day back given)",
       {2002, 1, 1, 22, 0, 0}, {2002, 1, 1, 22, 0, 0}, 2, 0, 0, -60, {2002, 1, 2, 2, 0}},
      {"zone set to UTC, ship's time on the clock, east: UTC is a day behind (one day on given)",
       {2002, 1, 2, 9, 0, 0}, {2002, 1, 2, 9, 0, 0}, 23, 0, 0, 150, {2002, 1, 1, 23, 0}},
      {"zone wrong, east, same day (a day back given)",  //
       {2002, 3, 23, 15, 0, 0}, {2002, 3, 23, 15, 0, 0}, 12, 0, 0, 45, {2002, 3, 23, 12, 0}},
      {"zone wrong, west, same day (a day on given)",  //
       {2002, 3, 23, 8, 0, 0}, {2002, 3, 23, 8, 0, 0}, 12, 0, 0, -60, {2002, 3, 23, 12, 0}},
      {"ship's time thirteen hours ahead of UTC (nearest clock date is a day late)",
       {2002, 1, 2, 12, 30, 0}, {2002, 1, 2, 12, 30, 0}, 23, 30, 0, 175, {2002, 1, 1, 23, 30}},
      {"on the meridian the local date stands",  //
       {2002, 3, 23, 15, 0, 0}, {2002, 3, 23, 15, 0, 0}, 12, 0, 0, 0, {2002, 3, 23, 12, 0}},
      {"west of Greenwich on new year's eve: UTC is in the new year (year not rolled)",
       {2001, 12, 31, 22, 0, 0}, {2001, 12, 31, 22, 0, 0}, 3, 0, 0, -75, {2002, 1, 1, 3, 0}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(firstFixDate(row.utcClock, row.localClock, row.hour, row.minute, row.second, row.longitude),
              row.expected)
        << row.legend;
  }
}

struct LaterFixRow {
  const char* legend;
  FixTime previous;
  int hour, minute;
  double second;
  DateTime expected;
};

TEST(GpsFixTime, ALaterFixMovesToTheNextDayOnlyWhenMidnightPassed) {
  const LaterFixRow rows[] = {
      {"midnight passed (date kept)", {{2001, 12, 31, 23, 59}, 59}, 0, 0, 1, {2002, 1, 1, 0, 0}},
      {"the next second (date moved)", {{2002, 3, 23, 12, 0}, 0}, 12, 0, 1, {2002, 3, 23, 12, 0}},
      {"the next hour (date moved)", {{2002, 3, 23, 12, 59}, 59}, 13, 0, 0, {2002, 3, 23, 13, 0}},
      {"the receiver's time steps back across the hour (a day lost)",
       {{2002, 3, 23, 12, 0}, 0}, 11, 59, 59.7, {2002, 3, 23, 11, 59}},
      {"two captures joined, 52 minutes back (a day lost)",
       {{2009, 12, 9, 15, 25}, 5}, 14, 33, 8.5, {2009, 12, 9, 14, 33}},
      {"thirteen silent hours across midnight (date kept)", {{2002, 3, 23, 20, 0}, 0}, 9, 0, 0, {2002, 3, 24, 9, 0}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(laterFixDate(row.previous, row.hour, row.minute, row.second), row.expected) << row.legend;
}

}  // namespace
}  // namespace z5
