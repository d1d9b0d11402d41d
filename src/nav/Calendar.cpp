#include "nav/Calendar.h"

#include <cmath>
#include <tuple>

namespace z5 {
namespace {

// A fraction of an hour above this is shown as the next whole hour.
constexpr double kWholeHourFraction = 0.9916;

constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;
// Totals beyond this (over 100,000 years) are not split: they would not fit the fields.
constexpr double kLargestSplitHours = 1e9;

int clampedMonth(int month) { return month < 1 ? 1 : (month > 12 ? 12 : month); }

}  // namespace

// Civil-from-days and days-from-civil on the proleptic Gregorian calendar,
// counting years from March so that the leap day ends the year.
long long dayNumber(int year, int month, int day) {
  month = clampedMonth(month);
  const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yearOfEra = y - era * 400;
  const long long monthFromMarch = month > 2 ? month - 3 : month + 9;
  const long long dayOfYear = (153 * monthFromMarch + 2) / 5;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  // Day 1 of the month is dayOfYear; a day outside the month counts on from there.
  return era * 146097 + dayOfEra - 719468 + (day - 1);
}

CivilDate civilDate(long long n) {
  n += 719468;
  const long long era = (n >= 0 ? n : n - 146096) / 146097;
  const long long dayOfEra = n - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
  CivilDate date;
  date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
  return date;
}

double hoursBetween(const DateTime& first, const DateTime& second) {
  if (first.year == 0) return 0;
  const auto key = [](const DateTime& t) { return std::tie(t.year, t.month, t.day, t.hour, t.minute); };
  if (key(second) < key(first)) return 0;
  const bool sameOrLaterDay = std::tie(second.month, second.day) >= std::tie(first.month, first.day);
  if (second.year >= first.year + 2 || (second.year > first.year && sameOrLaterDay)) return kYearOrMoreHours;
  const long long days = dayNumber(second.year, second.month, second.day) -
                         dayNumber(first.year, first.month, first.day);
  const long long minutes = (days * kHoursPerDay + (second.hour - first.hour)) * kMinutesPerHour +
                            (second.minute - first.minute);
  return static_cast<double>(minutes) / kMinutesPerHour;
}

HoursSplit splitHours(double totalHours) {
  HoursSplit split;
  if (!(totalHours >= 0 && totalHours < kLargestSplitHours)) return split;
  const double whole = std::floor(totalHours);
  split.days = static_cast<int>(std::trunc(totalHours / kHoursPerDay));
  split.hours = static_cast<int>(whole) - kHoursPerDay * split.days;
  double fraction = totalHours - whole;
  if (fraction > kWholeHourFraction) {
    ++split.hours;
    fraction = 0;
  }
  split.minutes = static_cast<int>(std::floor(fraction * kMinutesPerHour + 0.5));
  return split;
}

}  // namespace z5
