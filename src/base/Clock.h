#pragma once
// The time of day, behind an interface so that tests can fix "now".

#include <ctime>

namespace z5 {

struct ClockTime {
  int year = 0;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;
  int minute = 0;
  double second = 0;
  int weekday = 0; // 0 Sunday .. 6 Saturday
};

// A broken-down time with `fraction` of a second added to its seconds.
ClockTime clockTimeFromTm(const std::tm& tm, double fraction = 0);

class Clock {
 public:
  virtual ~Clock() = default;
  virtual ClockTime localNow() const = 0;
  virtual ClockTime utcNow() const = 0;
};

// The computer's clock.
class SystemClock final : public Clock {
 public:
  ClockTime localNow() const override;
  ClockTime utcNow() const override;
};

}  // namespace z5
