#include "gps/FixTime.h"

#include <chrono>
#include <cmath>

namespace z5 {
namespace {

using Days = std::chrono::sys_days;
constexpr double kSecondsPerDay = 86400;
constexpr double kSecondsPerHour = 3600;
constexpr double kSecondsPerMinute = 60;

Days toDays(int year, int month, int day) {
  return Days{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
              std::chrono::day{static_cast<unsigned>(day)}};
}

DateTime withDays(Days days, int hour, int minute) {
  const std::chrono::year_month_day ymd{days};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())), hour, minute};
}

double secondsOfDay(int hour, int minute, double second) {
  return hour * kSecondsPerHour + minute * kSecondsPerMinute + second;
}

double absoluteSeconds(Days days, int hour, int minute, double second) {
  return static_cast<double>(days.time_since_epoch().count()) * kSecondsPerDay + secondsOfDay(hour, minute, second);
}

}  // namespace

double secondsBetween(const FixTime& from, const FixTime& to) {
  if (!from.at.valid() || !to.at.valid()) return 0;
  const auto& a = from.at;
  const auto& b = to.at;
  return absoluteSeconds(toDays(b.year, b.month, b.day), b.hour, b.minute, to.second) -
         absoluteSeconds(toDays(a.year, a.month, a.day), a.hour, a.minute, from.second);
}

DateTime nextDay(DateTime date) {
  return withDays(toDays(date.year, date.month, date.day) + std::chrono::days{1}, date.hour, date.minute);
}

DateTime firstFixDate(const ClockTime& utcNow, const ClockTime& localNow, int hour, int minute, double second,
                      double longitude) {
  const Days clockDay = toDays(utcNow.year, utcNow.month, utcNow.day);
  if (utcNow.hour == hour) return withDays(clockDay, hour, minute);
  const double clock = absoluteSeconds(clockDay, utcNow.hour, utcNow.minute, utcNow.second);
  for (const Days candidate : {clockDay, clockDay - std::chrono::days{1}, clockDay + std::chrono::days{1}}) {
    if (std::fabs(absoluteSeconds(candidate, hour, minute, second) - clock) <= kClockToleranceSeconds)
      return withDays(candidate, hour, minute);
  }
  Days localDay = toDays(localNow.year, localNow.month, localNow.day);
  if (longitude < 0 && localNow.hour > hour) localDay += std::chrono::days{1};
  if (longitude > 0 && localNow.hour < hour) localDay -= std::chrono::days{1};
  return withDays(localDay, hour, minute);
}

DateTime laterFixDate(const FixTime& previous, int hour, int minute, double second) {
  const DateTime& before = previous.at;
  const double stepBack =
      secondsOfDay(before.hour, before.minute, previous.second) - secondsOfDay(hour, minute, second);
  DateTime date = before.hour > hour && stepBack >= kClockStepBackSeconds ? nextDay(before) : before;
  date.hour = hour;
  date.minute = minute;
  return date;
}

}  // namespace z5
