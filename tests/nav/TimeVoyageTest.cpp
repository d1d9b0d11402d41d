#include <gtest/gtest.h>

#include "TimesFixture.h"
#include "nav/ArrivalTime.h"
#include "nav/DrPosition.h"
#include "nav/FileSpeed.h"
#include "nav/TimeCommands.h"
#include "nav/VoyageTimes.h"

namespace z5 {
namespace {

using test::TimesFixture;

// A: own speed 10 kn, 100 NM to B (stop 5 h), 200 NM to C at the file speed.
void threeLegs(TimesFixture& f, double fileSpeed) {
  f.add(0, 10);
  f.add(100, 0, 5);
  f.add(200);
  setFileSpeed(f.voyage, fileSpeed);
  f.fillDistanceToGo();
}

TEST(VoyageTimes, TimesLegsAtTheirOwnSpeedOrTheFileSpeedAndAddsStops) {
  TimesFixture f;
  threeLegs(f, 20);
  const VoyageTotals t = legTimeTotals(f.voyage);
  EXPECT_DOUBLE_EQ(t.steamingHours, 10 + 10);
  EXPECT_DOUBLE_EQ(t.totalHours, 25);
}

TEST(VoyageTimes, ALegWithoutAnySpeedGivesNoTimes) {
  TimesFixture f;
  threeLegs(f, 0);
  const VoyageTotals t = legTimeTotals(f.voyage);
  EXPECT_EQ(t.totalHours, 0);
  EXPECT_EQ(t.steamingHours, 0);
}

TEST(VoyageTimes, ToWaypointModeStartsAtTheEnteredPositionWithTheRouteLegsSpeed) {
  TimesFixture f;
  f.add(0, 0, 7);      // 0: passed, its stop does not count
  f.add(100, 12, 1);   // 1: the leg 1 -> 2 is sailed at 12 kn
  f.add(100);          // 2: target; from POS 60 NM
  f.add(50);           // 3
  setFileSpeed(f.voyage, 10);
  f.voyage.toWaypoint.index = 2;
  f.voyage.toWaypoint.start.latitude = 0;
  f.voyage.toWaypoint.start.longitude = 1.5;
  f.voyage.waypoints[2].legDistance = 60;
  const VoyageTotals t = legTimeTotals(f.voyage);
  EXPECT_DOUBLE_EQ(t.steamingHours, 60.0 / 12 + 50.0 / 10);
  EXPECT_DOUBLE_EQ(t.totalHours, t.steamingHours) << "stops before the target must not count";
}

TEST(VoyageTimes, SplitWritesTheArrivalTextFromTheDeparture) {
  TimesFixture f;
  f.settings.departure = {2002, 3, 15, 8, 0};
  splitVoyageTime(f.voyage, f.settings, f.strings, 47.996);
  EXPECT_EQ(f.voyage.totalDays, 1);
  EXPECT_EQ(f.voyage.totalHoursPart, 24);
  EXPECT_EQ(f.voyage.totalMinutes, 0);
  EXPECT_EQ(f.settings.arrivalRemark, " -0800 17 MAR 02, 47.996 hr=1d,24:00");

  splitVoyageTime(f.voyage, f.settings, f.strings, 0.00009);
  EXPECT_EQ(f.voyage.totalHours, 0);
  EXPECT_EQ(f.settings.arrivalRemark, f.strings.prompt(82));

  f.settings.departure = {};
  splitVoyageTime(f.voyage, f.settings, f.strings, 25.5);
  EXPECT_EQ(f.settings.arrivalRemark, f.strings.prompt(83, 25.5, 1, 1, 30));
}

TEST(RequiredSpeed, SharesTheHoursLeftAfterStopsAndOwnSpeedLegs) {
  TimesFixture f;
  threeLegs(f, 0);
  // 35 h - 5 h stop - 10 h at 10 kn leaves 20 h for 200 NM.
  ASSERT_TRUE(requiredSpeed(f.voyage, 35).has_value());
  EXPECT_DOUBLE_EQ(*requiredSpeed(f.voyage, 35), 10);
  EXPECT_FALSE(requiredSpeed(f.voyage, 15).has_value()) << "no hours left";
  EXPECT_FALSE(requiredSpeed(f.voyage, 15.1).has_value()) << "over 1000 kn";

  TimesFixture g;
  g.add(0, 10);
  g.add(100);
  EXPECT_FALSE(requiredSpeed(g.voyage, 50).has_value()) << "every leg has its own speed";
}

// Three legs with a file speed of 8 kn, in arrival-time mode for an arrival
// 35 hours after a midnight departure.
void planArrival(TimesFixture& f) {
  threeLegs(f, 8);
  f.settings.departure = {2002, 3, 15, 0, 0};
  f.settings.arrival = {2002, 3, 16, 11, 0};
  ASSERT_EQ(applyRequiredSpeed(f.voyage, f.settings), ArrivalCheck::Applied);
}

TEST(ArrivalTimeMode, SavesTheFileSpeedOnceAndRestoresItAtTheEnd) {
  TimesFixture f;
  planArrival(f);
  EXPECT_DOUBLE_EQ(f.voyage.fileSpeed, 10);
  EXPECT_TRUE(f.voyage.arrivalTimeMode);
  f.settings.arrival = {2002, 3, 16, 21, 0};  // 45 h: 200 NM in 30 h
  ASSERT_EQ(applyRequiredSpeed(f.voyage, f.settings), ArrivalCheck::Applied);
  EXPECT_NEAR(f.voyage.fileSpeed, 200.0 / 30, 1e-12);
  endArrivalTimeMode(f.voyage);
  EXPECT_DOUBLE_EQ(f.voyage.fileSpeed, 8) << "the speed before the mode, not the first required one";
  EXPECT_FALSE(f.voyage.arrivalTimeMode);
}

TEST(ArrivalTimeMode, EndsWithItsErrorWhenTheRouteCannotMakeTheTime) {
  TimesFixture f;
  planArrival(f);
  f.voyage.waypoints[1].stopHours = 30;  // the new route stops too long
  checkArrivalTime(f.nav);
  EXPECT_FALSE(f.voyage.arrivalTimeMode);
  EXPECT_DOUBLE_EQ(f.voyage.fileSpeed, 8);
  EXPECT_EQ(f.errorPopups(27), 1);
}

TEST(ArrivalTimeCommand, AsksAgainForAnArrivalBeforeTheDeparture) {
  TimesFixture f;
  threeLegs(f, 0);
  f.settings.departure = {2002, 3, 15, 12, 0};
  f.answers({"2002", "3", "15", "11", "0",      // before the departure: error 28
             "", "", "", "", "",                // unchanged, still before
             "", "", "16", "23", "0"});         // 35 h later
  ASSERT_EQ(askArrivalTime(f.nav), 1);
  EXPECT_EQ(f.errorPopups(28), 2);
  EXPECT_EQ(f.settings.arrival, (DateTime{2002, 3, 16, 23, 0}));
  EXPECT_TRUE(f.voyage.arrivalTimeMode);
  EXPECT_DOUBLE_EQ(f.voyage.fileSpeed, 10);
  EXPECT_DOUBLE_EQ(f.voyage.totalHours, 35) << "the totals follow the new speed";
}

TEST(ArrivalTimeCommand, AnswerNEndsThePlanningAndRestoresTheSpeed) {
  TimesFixture f;
  planArrival(f);
  f.answers({"n"});
  EXPECT_EQ(askArrivalTime(f.nav), 1);
  EXPECT_FALSE(f.voyage.arrivalTimeMode);
  EXPECT_FALSE(f.settings.arrival.valid());
  EXPECT_DOUBLE_EQ(f.voyage.fileSpeed, 8);
}

TEST(ArrivalTimeCommand, TooFarAheadShowsTheDayLimit) {
  TimesFixture f;
  threeLegs(f, 0);
  f.settings.departure = {2002, 3, 15, 12, 0};
  f.answers({"2003", "3", "15", "12", "0", nullptr});
  EXPECT_EQ(askArrivalTime(f.nav), 0);
  EXPECT_EQ(f.errorPopups(29, 362), 1);
  EXPECT_FALSE(f.settings.arrival.valid()) << "a cancelled command changes nothing";
}

TEST(SpeedCommand, AcceptsTenthOfAKnotToAThousandAndClearsNearZero) {
  TimesFixture f;
  threeLegs(f, 0);
  f.settings.departure = {2002, 3, 15, 0, 0};
  f.answers({"0.05", "1001", "20"});
  ASSERT_EQ(askFileSpeed(f.nav), 1);
  EXPECT_EQ(f.host.offered.front(), " 0.0000") << "the current speed is offered with %7.4f";
  EXPECT_DOUBLE_EQ(f.voyage.fileSpeed, 20);
  EXPECT_EQ(f.voyage.fileSpeedText, " File spd 20.0000");
  EXPECT_DOUBLE_EQ(f.voyage.totalHours, 25);

  f.answers({"0.00001"});
  ASSERT_EQ(askFileSpeed(f.nav), 1);
  EXPECT_EQ(f.voyage.fileSpeed, 0);
  EXPECT_EQ(f.voyage.totalHours, 0) << "a cleared speed clears the totals";
}

TEST(SpeedCommand, AGivenSpeedEndsTheArrivalTimeMode) {
  TimesFixture f;
  planArrival(f);
  f.answers({"15"});
  ASSERT_EQ(askFileSpeed(f.nav), 1);
  EXPECT_FALSE(f.voyage.arrivalTimeMode);
  EXPECT_DOUBLE_EQ(f.voyage.fileSpeed, 15);
  endArrivalTimeMode(f.voyage);
  EXPECT_DOUBLE_EQ(f.voyage.fileSpeed, 15) << "the old saved speed must not come back later";
}

TEST(DepartureCommand, SetsTheDepartureTextAndTheTimes) {
  TimesFixture f;
  threeLegs(f, 20);
  f.settings.ROUNDING = 15;
  f.answers({"2002", "3", "15", "8", "7"});
  ASSERT_EQ(askDepartureTime(f.nav), 1);
  EXPECT_EQ(f.settings.departureText, "0807 15 MAR 02") << "the departure itself is not rounded";
  EXPECT_DOUBLE_EQ(f.voyage.totalHours, 25);
  EXPECT_EQ(f.settings.arrivalRemark, " -0907 16 MAR 02, 25.000 hr=1d,01:00");
  EXPECT_NE(f.messages.text().find(f.settings.arrivalRemark), std::string::npos);

  clearDepartureTime(f.nav);
  EXPECT_FALSE(f.settings.departure.valid());
  EXPECT_EQ(f.settings.departureText, kNoDepartureText);
}

TEST(DrWalk, FindsTheWaypointReachedOrTheShareOfTheLegToGo) {
  TimesFixture f;
  threeLegs(f, 20);  // B reached at 10 h, leaves at 15 h, C at 25 h
  struct Row {
    double hours;
    DrWalk::Result result;
    int index;
    double fraction;
    const char* legend;
  };
  const Row rows[] = {
      {10, DrWalk::Result::AtWaypoint, 1, 0, "exactly at B's arrival"},
      {10.01, DrWalk::Result::AtWaypoint, 1, 0, "within 0.015 h of the arrival counts as there"},
      {9.98, DrWalk::Result::OnLeg, 1, 0.002, "0.02 h before the arrival is still on the leg"},
      {12, DrWalk::Result::AtWaypoint, 1, 0, "during B's stop"},
      {5, DrWalk::Result::OnLeg, 1, 0.5, "half way from A to B"},
      {20, DrWalk::Result::OnLeg, 2, 0.5, "half way from B to C after the stop"},
      {30, DrWalk::Result::Beyond, -1, 0, "after the voyage"},
  };
  for (const Row& r : rows) {
    const DrWalk w = walkToHours(f.voyage, r.hours);
    EXPECT_EQ(w.result, r.result) << r.legend;
    if (r.result == DrWalk::Result::AtWaypoint) {
      EXPECT_EQ(w.atIndex, r.index) << r.legend;
    }
    if (r.result == DrWalk::Result::OnLeg) {
      EXPECT_EQ(w.legEndIndex, r.index) << r.legend;
      EXPECT_NEAR(w.fraction, r.fraction, 1e-12) << r.legend;
    }
  }
}

TEST(DrWalk, StopsAtALegWithoutAnySpeed) {
  TimesFixture f;
  threeLegs(f, 0);
  EXPECT_EQ(walkToHours(f.voyage, 5).result, DrWalk::Result::OnLeg) << "the first leg has its own speed";
  EXPECT_EQ(walkToHours(f.voyage, 20).result, DrWalk::Result::NoSpeed);
}

}  // namespace
}  // namespace z5
