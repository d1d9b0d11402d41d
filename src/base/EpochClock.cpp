#include "base/EpochClock.h"

#include "base/NumberReading.h"

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
  const auto seconds = integerOnly<long long>(text);
  if (!seconds || *seconds < 0 || *seconds > kLatestEpochSeconds) return std::nullopt;
  return static_cast<std::time_t>(*seconds);
}

}  // namespace z5
