#pragma once
// A clock stopped at one moment, given as seconds since 1970-01-01 UTC: the
// program reads SOURCE_DATE_EPOCH into it, so that a report made again from
// the same route is the same to the byte (heading date, AMVER day roll-over).

#include <ctime>
#include <optional>
#include <string_view>

#include "base/Clock.h"

namespace z5 {

class EpochClock final : public Clock {
 public:
  explicit EpochClock(std::time_t seconds) : seconds_(seconds) {}
  ClockTime localNow() const override;
  ClockTime utcNow() const override;

 private:
  std::time_t seconds_;
};

// The seconds of a SOURCE_DATE_EPOCH value: decimal digits only, and not
// beyond the year 9999; nullopt otherwise.
std::optional<std::time_t> parseEpochSeconds(std::string_view text);

}  // namespace z5
