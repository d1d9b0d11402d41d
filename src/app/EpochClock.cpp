#include "app/EpochClock.h"

#include <charconv>

namespace z5 {
namespace {

// 9999-12-31 23:59:59 UTC.
constexpr long long kLatestEpochSeconds = 253402300799LL;

ClockTime fromTm(const std::tm& tm) {
  ClockTime t;
  t.year = tm.tm_year + 1900;
  t.month = tm.tm_mon + 1;
  t.day = tm.tm_mday;
  t.hour = tm.tm_hour;
  t.minute = tm.tm_min;
  t.second = tm.tm_sec;
  t.weekday = tm.tm_wday;
  return t;
}

}  // namespace

ClockTime EpochClock::localNow() const {
  std::tm tm{};
  localtime_r(&seconds_, &tm);
  return fromTm(tm);
}

ClockTime EpochClock::utcNow() const {
  std::tm tm{};
  gmtime_r(&seconds_, &tm);
  return fromTm(tm);
}

std::optional<std::time_t> parseEpochSeconds(std::string_view text) {
  long long seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || seconds < 0 ||
      seconds > kLatestEpochSeconds) {
    return std::nullopt;
  }
  return static_cast<std::time_t>(seconds);
}

}  // namespace z5
