#pragma once
// A calendar date and clock time as the program stores them: five integers,
// year 0 meaning "no date".

#include <array>
#include <string>
#include <string_view>

namespace z5 {

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

struct DateTime {
  int year = 0;  // 0: not given
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0; // 0..59

  bool valid() const { return year != 0; }
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Gregorian leap year: divisible by 4 and not by 100, or divisible by 400.
constexpr bool isLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days in the month (1..12) of the year; 0 for a month outside 1..12.
constexpr int daysInMonth(int year, int month) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return (month == 2 && isLeapYear(year)) ? 29 : kDays[month - 1];
}

// The report time text "HHMM DD MON YY" of the fields as they stand; empty
// for year 0.
std::string dateTimeText(const DateTime& time);

}  // namespace z5
