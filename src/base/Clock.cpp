#include "base/Clock.h"

#include <chrono>
#include <ctime>

namespace z5 {

ClockTime clockTimeFromTm(const std::tm& tm, double fraction) {
  ClockTime t;
  t.year = tm.tm_year + 1900;
  t.month = tm.tm_mon + 1;
  t.day = tm.tm_mday;
  t.hour = tm.tm_hour;
  t.minute = tm.tm_min;
  t.second = tm.tm_sec + fraction;
  t.weekday = tm.tm_wday;
  return t;
}

namespace {

template <class Convert>
ClockTime now(Convert convert) {
  const auto stamp = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(stamp);
  const auto sinceSecond = stamp - std::chrono::system_clock::from_time_t(seconds);
  const double fraction = std::chrono::duration<double>(sinceSecond).count();
  std::tm tm{};
  convert(&seconds, &tm);
  return clockTimeFromTm(tm, fraction < 0 ? 0 : fraction);
}

}  // namespace

ClockTime SystemClock::localNow() const { return now(localtime_r); }
ClockTime SystemClock::utcNow() const { return now(gmtime_r); }

}  // namespace z5
