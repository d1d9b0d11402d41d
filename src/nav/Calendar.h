#pragma once
// Calendar arithmetic on the program's five-integer date-times: a serial day
// number for carrying across months and years, and the hours between two
// date-times.

#include "base/DateTime.h"

namespace z5 {

// The result of hoursBetween when the second date-time lies a year or more
// after the first: beyond every interval the program accepts.
inline constexpr double kYearOrMoreHours = 8689;
// The longest accepted interval (362 days), and its day count as shown in messages.
inline constexpr double kLongestIntervalHours = 8688;
inline constexpr int kLongestIntervalDays = 362;

// Days from 1 January 1970 to the given Gregorian date (negative before).
// The month is taken as 1..12; the day may lie outside its month and then
// counts on from the month's start (day 0 is the previous month's last day).
long long dayNumber(int year, int month, int day);

// The Gregorian date of a day number of dayNumber.
struct CivilDate {
  int year = 0;
  int month = 1;
  int day = 1;
};
CivilDate civilDate(long long dayNumber);

// Hours from `first` to `second`, minutes included.
// Returns 0 when the first year is 0 or `second` is earlier than `first`;
// kYearOrMoreHours when `second` lies in a later year on the same or a later
// month and day, or two or more years later. Otherwise the exact interval
// (at most one year boundary is crossed).
double hoursBetween(const DateTime& first, const DateTime& second);

// A total of hours split for display: whole days, the hours and minutes
// left. A fraction of an hour above 0.9916 (59.5 minutes) counts as a whole
// hour; the carry goes into the hours only, so 47.996 hours is 1 day 24:00.
struct HoursSplit {
  int days = 0;
  int hours = 0;
  int minutes = 0;
};
HoursSplit splitHours(double totalHours);

}  // namespace z5
