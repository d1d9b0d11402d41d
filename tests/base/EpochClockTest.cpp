// The clock stopped at SOURCE_DATE_EPOCH: what it reads, and which values
// of the variable are taken.

#include "base/EpochClock.h"

#include <gtest/gtest.h>

namespace z5 {
namespace {

TEST(EpochClock, TellsTheGivenMomentInUtc) {
  const ClockTime t = EpochClock(1016188200).utcNow();  // 15 March 2002 10:30 UTC, a Friday
  EXPECT_EQ(t.year, 2002);
  EXPECT_EQ(t.month, 3);
  EXPECT_EQ(t.day, 15);
  EXPECT_EQ(t.hour, 10);
  EXPECT_EQ(t.minute, 30);
  EXPECT_EQ(t.weekday, 5);
}

TEST(EpochClock, OnlyPlainSecondsAreTaken) {
  struct {
    const char* legend;  // the fault the row would catch
    const char* text;
    bool taken;
  } const cases[] = {
      {"plain seconds refused", "1016188200", true},
      {"the epoch itself refused", "0", true},
      {"empty text taken as 0", "", false},
      {"negative seconds taken", "-5", false},
      {"trailing text ignored", "1016188200x", false},
      {"a date taken for seconds", "2002-03-15", false},
      {"a year beyond 9999 taken", "999999999999", false},
  };
  for (const auto& c : cases) EXPECT_EQ(parseEpochSeconds(c.text).has_value(), c.taken) << c.legend;
}

}  // namespace
}  // namespace z5
