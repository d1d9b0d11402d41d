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

DateTime firstFixDate(const ClockTime& utcNow, int hour, int minute, double second) {
  const Days clockDay = toDays(utcNow.year, utcNow.month, utcNow.day);
  const double clock = absoluteSeconds(clockDay, utcNow.hour, utcNow.minute, utcNow.second);
  Days best = clockDay;
  double bestDistance = std::fabs(absoluteSeconds(clockDay, hour, minute, second) - clock);
  for (const Days candidate : {clockDay - std::chrono::days{1}, clockDay + std::chrono::days{1}}) {
    const double distance = std::fabs(absoluteSeconds(candidate, hour, minute, second) - clock);
    if (distance < bestDistance) {
      best = candidate;
      bestDistance = distance;
    }
  }
  return withDays(best, hour, minute);
}

}  // namespace z5
