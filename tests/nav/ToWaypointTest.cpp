#include <gtest/gtest.h>

#include "TimesFixture.h"
#include "nav/GreatCircleSetup.h"
#include "nav/ToWaypoint.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

using test::TimesFixture;

Waypoint& at(TimesFixture& f, double lat, double lon) {
  Waypoint& w = f.add(0);
  w.latitude = lat;
  w.longitude = lon;
  return w;
}

TEST(AskWaypointNumber, TakesRowNumbersWithinTheRangeAndTheDefaultOnEmpty) {
  TimesFixture f;
  f.answers({"0", "6", "abc", "5"});
  EXPECT_EQ(askWaypointNumber(f.messages, 1, 5, kNoIndex, 0), 4) << "row 5 is index 4";
  EXPECT_EQ(f.host.prompts.front(), f.strings.prompt(18, 1, 5));

  f.answers({""});
  EXPECT_EQ(askWaypointNumber(f.messages, 10, 5, 2, 0), 2);
  EXPECT_EQ(f.host.prompts.back(), f.strings.prompt(19, 10, 14, 12));

  f.answers({nullptr});
  EXPECT_EQ(askWaypointNumber(f.messages, 1, 5, 2, 0), kNoIndex);
}

TEST(ToWaypoint, DueEastOnTheEquatorHasCourse090AndTheVertexAtTheStart) {
  TimesFixture f;
  at(f, 0, 20);
  at(f, 0, 10);
  f.answers({"2", "0", "0E"});
  EXPECT_EQ(toWaypoint(f.nav, false, false, false), 1);
  const std::string& text = f.calculators.toWaypointText;
  EXPECT_NE(text.find("CN=090.00 D=600.00 ZN=090.00 DGC=600.00"), std::string::npos) << text;
  EXPECT_NE(text.find("LATV=" + formatPosition(0, PositionKind::Latitude, false)), std::string::npos) << text;
  EXPECT_EQ(text.rfind("From 00-00.00N 000-00.00E to file WP#2 00-00.00N 010-00.00E\n", 0), 0u) << text;
  EXPECT_NE(text.find("HC=80-00.00 "), std::string::npos) << "altitude 90 less the 10 degree arc, no letter: " << text;
}

TEST(ToWaypoint, StoresTheLegOnTheStartAndTheTarget) {
  TimesFixture f;
  at(f, 0, 0);
  Waypoint& target = at(f, 1, 0);
  target.distanceToGo = 100;
  at(f, 2, 0);
  f.answers({"2", "0-30S", "0E"});
  toWaypoint(f.nav, false, false, true);
  const Waypoint& start = f.voyage.toWaypoint.start;
  EXPECT_EQ(start.name, "POS               ");
  EXPECT_DOUBLE_EQ(start.latitude, -0.5);
  EXPECT_NEAR(f.voyage.waypoints[1].legDistance, 90, 1e-9);
  EXPECT_NEAR(f.voyage.waypoints[1].rhumbLineCourse, 0, 1e-9);
  EXPECT_NEAR(start.distanceToGo, 190, 1e-9);
  EXPECT_TRUE(f.calculators.toWaypointText.empty()) << "no output asked";
}

TEST(ToWaypoint, TheNumberNamesARouteWaypointWhateverPointsWereInserted) {
  TimesFixture f;
  at(f, 0, 0);
  at(f, 0, 5).kind = kGcCalcPoint;  // inserted by the last leg pass
  at(f, 0, 10);
  at(f, 0, 20);
  f.answers({"3", "0", "15E"});
  toWaypoint(f.nav, false, false, false);
  EXPECT_EQ(f.voyage.toWaypoint.index, 2) << "the third route waypoint is index 2 of the rebuilt table";
  EXPECT_NE(f.calculators.toWaypointText.find("to file WP#3 00-00.00N 020-00.00E"), std::string::npos)
      << f.calculators.toWaypointText;
  EXPECT_EQ(f.host.prompts.front(), f.strings.prompt(18, 1, 3)) << "three route waypoints to choose from";
}

TEST(ToWaypoint, InvalidPositionOrCancelLeavesTheModeAsItWas) {
  TimesFixture f;
  at(f, 0, 0);
  at(f, 1, 0);
  f.answers({"2", nullptr});
  EXPECT_EQ(toWaypoint(f.nav, false, false, false), 0);
  EXPECT_FALSE(f.voyage.toWaypoint.active());

  f.answers({nullptr});
  EXPECT_EQ(toWaypoint(f.nav, false, false, false), 0);
  EXPECT_FALSE(f.voyage.toWaypoint.active());
}

TEST(ToWaypoint, RefreshEndsTheModeWhenTheIndexNoLongerNamesAWaypoint) {
  TimesFixture f;
  at(f, 0, 0);
  f.voyage.toWaypoint.index = 3;
  f.voyage.toWaypoint.start.latitude = 1;
  f.voyage.toWaypoint.start.longitude = 1;
  EXPECT_EQ(toWaypoint(f.nav, true, false, false), 1);
  EXPECT_FALSE(f.voyage.toWaypoint.active());
  EXPECT_EQ(f.calculators.toWaypointStatus, f.strings.prompt(38)) << "the start position is still known";

  EXPECT_EQ(toWaypoint(f.nav, false, true, false), 0);
  EXPECT_EQ(f.calculators.toWaypointStatus, f.strings.prompt(37)) << "turning off forgets the start";
}

TEST(ToWaypoint, RefreshRecomputesWithoutAsking) {
  TimesFixture f;
  at(f, 0, 0);
  at(f, 0, 1);
  f.voyage.toWaypoint.index = 1;
  f.voyage.toWaypoint.start.latitude = 0;
  f.voyage.toWaypoint.start.longitude = 0.5;
  EXPECT_EQ(toWaypoint(f.nav, true, false, true), 0);
  EXPECT_NEAR(f.voyage.waypoints[1].legDistance, 30, 1e-9);
}

TEST(ToWaypointCommand, ReextractsAndWritesTheResult) {
  TimesFixture f;
  at(f, 0, 0);
  at(f, 0, 1);
  int extractions = 0;
  f.answers({"2", "0", "0.5E"});
  EXPECT_EQ(toWaypointCommand(f.nav, [&] { return ++extractions, 0; }), 1);
  EXPECT_EQ(extractions, 1);
  EXPECT_NE(f.messages.text().find("to file WP#2"), std::string::npos);
}

TEST(GreatCircleSetup, AsksStepSavingAndLimitUntilInRange) {
  TimesFixture f;
  f.answers({"", "0.5", "60", "10", "-1", "", "86", "60-30N"});
  EXPECT_EQ(setUpGreatCircle(f.nav, false), 1);
  const GreatCircleSettings& gc = f.settings.greatCircle;
  EXPECT_EQ(gc.mode, 1);
  EXPECT_DOUBLE_EQ(gc.step, 10);
  EXPECT_DOUBLE_EQ(gc.minimumSaving, 5) << "an empty answer keeps the saving";
  EXPECT_DOUBLE_EQ(gc.limit, 60.5) << "the limit is read as a latitude";
  EXPECT_EQ(f.calculators.greatCircleStatus, f.strings.prompt(84, 10.0, 5.0, 60.5));
}

TEST(GreatCircleSetup, EmptyLimitIs85AndNTurnsThePointsOff) {
  TimesFixture f;
  f.settings.greatCircle = {1, 5, 20, 70};
  f.answers({"", "", "", ""});
  EXPECT_EQ(setUpGreatCircle(f.nav, false), 1);
  EXPECT_DOUBLE_EQ(f.settings.greatCircle.limit, 85);
  EXPECT_DOUBLE_EQ(f.settings.greatCircle.step, 5);

  f.answers({"n"});
  EXPECT_EQ(setUpGreatCircle(f.nav, false), 1);
  EXPECT_EQ(f.settings.greatCircle.mode, 0);
  EXPECT_EQ(f.calculators.greatCircleStatus, f.strings.prompt(9));
  EXPECT_EQ(setUpGreatCircle(f.nav, true), 0) << "already off";
}

TEST(GreatCircleSetup, CancelChangesNothing) {
  TimesFixture f;
  f.answers({"10", nullptr});
  EXPECT_EQ(setUpGreatCircle(f.nav, false), 0);
  EXPECT_EQ(f.settings.greatCircle.mode, 0);
  EXPECT_DOUBLE_EQ(f.settings.greatCircle.step, 0);
}

}  // namespace
}  // namespace z5
