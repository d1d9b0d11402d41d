#include "nav/TimeText.h"

#include <cmath>

#include "nav/Calendar.h"

namespace z5 {
namespace {

constexpr int kMinutesPerHour = 60;
constexpr long long kHoursPerDay = 24;

struct ClockFields {
  long long hour;
  int minute;
};

// Adds a signed number of minutes (at most one hour's worth) with its carry.
ClockFields addMinutes(ClockFields t, int minutes) {
  t.minute += minutes;
  if (t.minute >= kMinutesPerHour) {
    t.minute -= kMinutesPerHour;
    ++t.hour;
  } else if (t.minute < 0) {
    t.minute += kMinutesPerHour;
    --t.hour;
  }
  return t;
}

ClockFields roundMinute(ClockFields t, int rounding) {
  if (rounding <= 1) return t;
  const int remainder = t.minute % rounding;
  t.minute -= remainder;
  if (remainder > rounding / 2) t.minute += rounding;
  while (t.minute >= kMinutesPerHour) {
    t.minute -= kMinutesPerHour;
    ++t.hour;
  }
  return t;
}

}  // namespace

std::string formatTimeText(const DateTime& time, double offsetHours, int rounding) {
  if (time.year == 0) return {};
  const double magnitude = std::fabs(offsetHours);
  if (magnitude == 0) return dateTimeText(time);
  if (!(magnitude <= kLargestTimeOffsetHours)) return {};
  const int sign = offsetHours < 0 ? -1 : 1;

  const double wholeHours = std::floor(magnitude);
  const int minutes = static_cast<int>(std::floor((magnitude - wholeHours) * kMinutesPerHour + 0.5));
  ClockFields t = addMinutes({time.hour, time.minute}, sign * minutes);
  t = roundMinute(t, rounding);
  t.hour += sign * static_cast<long long>(wholeHours);

  // Whole days of the hour go into the date; negative hours borrow days.
  long long dayShift = 0;
  if (t.hour < 0) {
    const long long borrowed = (kHoursPerDay - 1 - t.hour) / kHoursPerDay;
    dayShift = -borrowed;
    t.hour += borrowed * kHoursPerDay;
  } else {
    dayShift = t.hour / kHoursPerDay;
    t.hour %= kHoursPerDay;
  }
  const CivilDate date = civilDate(dayNumber(time.year, time.month, time.day) + dayShift);
  DateTime moved{date.year, date.month, date.day, static_cast<int>(t.hour), t.minute};
  return dateTimeText(moved);
}

}  // namespace z5
