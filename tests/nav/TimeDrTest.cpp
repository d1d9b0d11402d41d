#include <gtest/gtest.h>

#include "TimesFixture.h"
#include "nav/DrPosition.h"
#include "nav/FileSpeed.h"
#include "nav/VoyageTimes.h"

namespace z5 {
namespace {

using test::TimesFixture;

// A (0N 0E) - 60 NM east - B (stop 1 h) - 60 NM east - C, at 10 kn, leaving
// 0000 15 MAR 02: B at 0600, leaves 0700, C at 1300.
void eastwardVoyage(TimesFixture& f) {
  const char* names[] = {"ALPHA", "BRAVO", "CHARLIE"};
  for (int i = 0; i < 3; ++i) {
    Waypoint& w = f.add(i == 0 ? 0 : 60, 0, i == 1 ? 1 : 0);
    w.longitude = i;
    w.rhumbLineCourse = i == 0 ? 0 : 90;
    w.name = paddedWaypointName(names[i]);
  }
  f.fillDistanceToGo();
  setFileSpeed(f.voyage, 10);
  f.settings.departure = {2002, 3, 15, 0, 0};
  updateVoyageTimes(f.nav);
}

TEST(DrPositionCommand, ExactlyAtAWaypoint) {
  TimesFixture f;
  eastwardVoyage(f);
  f.answers({"", "", "", "6", "0"});
  EXPECT_EQ(drPositionCommand(f.nav),
            "At GMT 0600 15 MAR 02 at waypoint:\n#2 BRAVO              Lat 00-00.00N,Lon 001-00.00E\n"
            "Next WP #3 CHARLIE           , at    60.0NM, CN 90.00 to go    60.0NM.\n");
}

TEST(DrPositionCommand, DuringAStopTheShipIsAtTheWaypoint) {
  TimesFixture f;
  eastwardVoyage(f);
  f.settings.firstRowNumber = 0;
  f.answers({"", "", "", "6", "30"});
  EXPECT_EQ(drPositionCommand(f.nav).rfind("At GMT 0630 15 MAR 02 at waypoint:\n#1 BRAVO", 0), 0u);
}

TEST(DrPositionCommand, BetweenTwoWaypointsInterpolates) {
  TimesFixture f;
  eastwardVoyage(f);
  f.answers({"", "", "", "10", "0"});
  EXPECT_EQ(drPositionCommand(f.nav),
            "At GMT 1000 15 MAR 02 DR pos =Lat 00-00.00N,Lon 001-30.00E\n"
            "Next WP #3 CHARLIE           , at    30.0NM CN 90.00 to go    30.0NM.\n");
  EXPECT_EQ(f.calculators.drTime, (DateTime{2002, 3, 15, 10, 0})) << "the time asked is the next default";
}

TEST(DrPositionCommand, TimesOutsideTheVoyageAreAskedOnceMore) {
  TimesFixture f;
  eastwardVoyage(f);
  f.answers({"", "", "", "13", "0",     // the arrival itself: error 34
             "", "", "14", "0", "0"});  // 14 MAR: error 33
  EXPECT_EQ(drPositionCommand(f.nav), "");
  EXPECT_EQ(f.errorPopups(34), 1);
  EXPECT_EQ(f.errorPopups(33), 1);
  EXPECT_TRUE(f.host.answers.empty());
}

TEST(DrPositionCommand, WithoutAnySpeedAsksForItAndStopsWithoutTimes) {
  TimesFixture f;
  eastwardVoyage(f);
  setFileSpeed(f.voyage, 0);
  updateVoyageTimes(f.nav);
  f.answers({nullptr});
  EXPECT_EQ(drPositionCommand(f.nav), "");
  EXPECT_EQ(f.host.prompts.size(), 1u) << "only the speed question";

  f.answers({"0"});
  EXPECT_EQ(drPositionCommand(f.nav), "");
  EXPECT_EQ(f.errorPopups(32), 1) << "a cleared speed leaves no voyage time";
}

}  // namespace
}  // namespace z5
