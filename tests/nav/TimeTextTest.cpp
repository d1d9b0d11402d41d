#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "nav/Calendar.h"
#include "nav/TimeText.h"

namespace z5 {
namespace {

DateTime at(int year, int month, int day, int hour, int minute) { return {year, month, day, hour, minute}; }

constexpr double kMinute = 1.0 / 60;

TEST(TimeText, ZeroOffsetPrintsTheStoredFieldsUnrounded) {
  EXPECT_EQ(formatTimeText(at(2002, 3, 15, 10, 7), 0, 15), "1007 15 MAR 02");
  EXPECT_EQ(formatTimeText(at(2002, 3, 15, 10, 7), -0.0, 60), "1007 15 MAR 02");
}

TEST(TimeText, NoDateGivesNoText) { EXPECT_EQ(formatTimeText(at(0, 3, 15, 10, 7), 5, 1), ""); }

TEST(TimeText, RoundsToTheRoundingStepWithHalfAStepDown) {
  struct Row {
    double offsetMinutes;
    const char* expected;
    const char* legend;
  };
  const Row rows[] = {
      {7, "1000 15 MAR 02", "7 of 15 minutes is below half a step and must round down"},
      {8, "1015 15 MAR 02", "8 of 15 minutes is above half a step and must round up"},
      {53, "1100 15 MAR 02", "rounding up to 60 minutes must carry into the hour"},
      {-8, "0945 15 MAR 02", "a negative offset borrows the hour before rounding (09:52)"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(formatTimeText(at(2002, 3, 15, 10, 0), r.offsetMinutes * kMinute, 15), r.expected) << r.legend;
  }
}

TEST(TimeText, CarriesAndBorrowsAcrossDaysMonthsAndYears) {
  struct Row {
    DateTime time;
    double offset;
    const char* expected;
    const char* legend;
  };
  const Row rows[] = {
      {at(2001, 12, 31, 23, 0), 2, "0100 01 JAN 02", "carry over the year end"},
      {at(2000, 3, 1, 0, 30), -1, "2330 29 FEB 00", "borrow into the leap day of a 400-year leap year"},
      {at(1900, 3, 1, 0, 30), -1, "2330 28 FEB 00", "1900 is no leap year"},
      {at(2100, 3, 1, 0, 30), -1, "2330 28 FEB 00", "2100 is no leap year"},
      {at(2004, 2, 28, 23, 0), 2, "0100 29 FEB 04", "a year divisible by 4 has a 29 February"},
      {at(2002, 1, 1, 23, 30), 1.5, "0100 02 JAN 02", "minutes carry into the hour, the hour into the day"},
      {at(2002, 1, 1, 0, 0), -25, "2300 30 DEC 01", "more than a day borrowed backwards over the year start"},
      {at(2002, 1, 31, 12, 0), 24 * 29, "1200 01 MAR 02", "day of the year past February's 28 days"},
      {at(2002, 1, 1, 0, 0), 24 * (365 + 365 + 366), "0000 01 JAN 05", "more than one year ahead still lands on the right date"},
      {at(2002, 5, 10, 8, 0), 0.0087, "0801 10 MAY 02", "31 seconds of offset round up to a minute, not down"},
      {at(2002, 5, 10, 8, 0), 1.0082, "0900 10 MAY 02", "29.5 seconds of offset round down"},
  };
  for (const Row& r : rows) EXPECT_EQ(formatTimeText(r.time, r.offset, 1), r.expected) << r.legend;
}

TEST(TimeText, RoundingCarriesOverMidnightIntoTheNextYear) {
  EXPECT_EQ(formatTimeText(at(2001, 12, 31, 23, 50), 3 * kMinute, 15), "0000 01 JAN 02");
}

TEST(TimeText, UnusableOffsetsGiveNoText) {
  EXPECT_EQ(formatTimeText(at(2002, 1, 1, 0, 0), std::numeric_limits<double>::quiet_NaN(), 1), "");
  EXPECT_EQ(formatTimeText(at(2002, 1, 1, 0, 0), std::numeric_limits<double>::infinity(), 1), "");
}

TEST(HoursBetween, CountsHoursAndMinutesAcrossOneYearBoundary) {
  struct Row {
    DateTime first, second;
    double hours;
    const char* legend;
  };
  const Row rows[] = {
      {at(2001, 12, 31, 23, 0), at(2002, 1, 1, 1, 30), 2.5, "minutes count as fractions across the year end"},
      {at(2000, 2, 1, 0, 0), at(2000, 3, 1, 0, 0), 29 * 24, "February 2000 has 29 days"},
      {at(2001, 2, 1, 0, 0), at(2001, 3, 1, 0, 0), 28 * 24, "February 2001 has 28 days"},
      {at(2002, 6, 2, 0, 0), at(2003, 6, 1, 0, 0), 364 * 24, "just under a year is counted exactly"},
      {at(2002, 6, 1, 0, 0), at(2003, 6, 2, 0, 0), 8689, "a year or more is the out-of-range value"},
      {at(2002, 6, 1, 12, 0), at(2003, 6, 1, 6, 0), 8689, "the same day in a later year is a year, whatever the hour"},
      {at(2002, 12, 1, 0, 0), at(2004, 1, 1, 0, 0), 8689, "two years later"},
      {at(2002, 6, 1, 10, 0), at(2002, 6, 1, 9, 59), 0, "an earlier second time gives 0"},
      {at(0, 6, 1, 10, 0), at(2002, 6, 1, 11, 0), 0, "no first date gives 0"},
  };
  for (const Row& r : rows) EXPECT_DOUBLE_EQ(hoursBetween(r.first, r.second), r.hours) << r.legend;
}

TEST(SplitHours, CarriesAFullHourFractionIntoTheHoursOnly) {
  struct Row {
    double total;
    int days, hours, minutes;
    const char* legend;
  };
  const Row rows[] = {
      {47.996, 1, 24, 0, "0.996 h is above 0.9916 and carries into the hours, not the days"},
      {25.5, 1, 1, 30, "plain split"},
      {23.99, 0, 23, 59, "0.99 h stays 59 minutes"},
      {0.0083, 0, 0, 0, "half a minute rounds down below half"},
      {0.00834, 0, 0, 1, "just above half a minute rounds up"},
  };
  for (const Row& r : rows) {
    const HoursSplit s = splitHours(r.total);
    EXPECT_EQ(s.days, r.days) << r.legend;
    EXPECT_EQ(s.hours, r.hours) << r.legend;
    EXPECT_EQ(s.minutes, r.minutes) << r.legend;
  }
}

TEST(DayNumber, RoundTripsThroughTheCalendar) {
  for (long long n = dayNumber(1899, 12, 25); n < dayNumber(2101, 1, 5); n += 17) {
    const CivilDate d = civilDate(n);
    EXPECT_EQ(dayNumber(d.year, d.month, d.day), n);
    EXPECT_GE(d.day, 1);
    EXPECT_LE(d.day, daysInMonth(d.year, d.month));
  }
}

}  // namespace
}  // namespace z5
