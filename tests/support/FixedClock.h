#pragma once
// A clock that always tells the time it was given.

#include "base/Clock.h"

namespace z5::test {

class FixedClock final : public Clock {
 public:
  FixedClock() = default;
  FixedClock(ClockTime local, ClockTime utc) : local_(local), utc_(utc) {}
  void set(ClockTime local, ClockTime utc) {
    local_ = local;
    utc_ = utc;
  }
  ClockTime localNow() const override { return local_; }
  ClockTime utcNow() const override { return utc_; }

 private:
  ClockTime local_{2002, 3, 15, 10, 30, 0, 5};
  ClockTime utc_{2002, 3, 15, 10, 30, 0, 5};
};

}  // namespace z5::test
