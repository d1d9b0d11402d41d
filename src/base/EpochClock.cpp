#include "base/EpochClock.h"

#include <charconv>

namespace z5 {
namespace {

// 9999-12-31 23:59:59 UTC.
constexpr long long kLatestEpochSeconds = 253402300799LL;

}  // namespace

ClockTime EpochClock::localNow() const {
  std::tm tm{};
  localtime_r(&seconds_, &tm);
  return clockTimeFromTm(tm);
}

ClockTime EpochClock::utcNow() const {
  std::tm tm{};
  gmtime_r(&seconds_, &tm);
  return clockTimeFromTm(tm);
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
