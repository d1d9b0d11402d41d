// Navigation to the chosen waypoint: bearings, distances, cross-track
// error, VTWP, time to go and ETA; and choosing the waypoint.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "GpsTestSupport.h"
#include "gps/GotoWaypoint.h"

namespace z5 {
namespace {

using T = GpsTextSet;
constexpr double kMinute = 1.0 / 60;  // one minute of arc in degrees: 1 NM on the equator

const GotoNoticeTexts kNotices{"off leg", "too far", "L", "R", "arrived"};

std::string text(const NavigationTexts& t, T::Text which) { return t[which - T::kFirstNavigationText]; }

// The leg to waypoint 1 at (lat, lon) from (fromLat, fromLon) on rhumb-line `course`.
GotoLeg legTo(double lat, double lon, double fromLat, double fromLon, double course) {
  GotoLeg leg;
  leg.index = 1;
  leg.latitude = lat;
  leg.longitude = lon;
  leg.legCourse = course;
  leg.legKnown = true;
  leg.previousLatitude = fromLat;
  leg.previousLongitude = fromLon;
  return leg;
}

// A leg along the equator from 0 E to the waypoint at 1 E, course 090.
GotoLeg eastboundLeg() { return legTo(0, 1, 0, 0, 90); }

ShipState ship(double latitude, double longitude, double smg = 10, double cmg = 90) {
  return ShipState{latitude, longitude, smg, cmg, FixTime{{2002, 3, 23, 12, 35}, 19}};
}

TEST(GpsGotoNavigation, AShipOnTheLegBehindTheWaypointHasNoCrossTrackError) {
  const auto t = gotoNavigationTexts(eastboundLeg(), ship(0, 0.5), false, kNotices);
  EXPECT_EQ(text(t, T::kRlXte), "R  0.00");
  EXPECT_EQ(text(t, T::kGcXte), "R  0.00");
  EXPECT_EQ(text(t, T::kRlBearing), "090.00 T");
  EXPECT_EQ(text(t, T::kRlDistance), "30.00 NM");
  EXPECT_EQ(text(t, T::kGcDistance), "30.00 NM");
}

TEST(GpsGotoNavigation, CrossTrackErrorIsTheDistanceFromTheLineOfTheLeg) {
  // 10 NM from the waypoint, 30 degrees off the leg to the south (right of
  // an eastbound leg): 10 sin 30 = 5 NM off the track.
  const double bearing = 240 * std::numbers::pi / 180;
  const auto t = gotoNavigationTexts(eastboundLeg(),
                                     ship(10 * std::cos(bearing) * kMinute, 1 + 10 * std::sin(bearing) * kMinute),
                                     false, kNotices);
  EXPECT_EQ(text(t, T::kRlXte), "R  5.00");
  EXPECT_EQ(text(t, T::kGcXte), "R  5.00");
  const auto north = gotoNavigationTexts(eastboundLeg(), ship(5 * kMinute, 1 - 8.660254 * kMinute), false, kNotices);
  EXPECT_EQ(text(north, T::kRlXte), "L  5.00") << "north of an eastbound leg is its left";
}

TEST(GpsGotoNavigation, AShipBesideTheWaypointIsOffTheLeg) {
  const auto t = gotoNavigationTexts(eastboundLeg(), ship(0.5, 1), false, kNotices);
  EXPECT_EQ(text(t, T::kRlXte), "off leg");
  EXPECT_EQ(text(t, T::kGcXte), "off leg");
}

// A position `miles` NM from (latitude, longitude) on `bearing` degrees,
// flat: good to a few thousandths of a mile within tens of miles of the equator.
ShipState shipFrom(double latitude, double longitude, double bearing, double miles) {
  const double b = bearing * std::numbers::pi / 180;
  return ship(latitude + miles * std::cos(b) * kMinute, longitude + miles * std::sin(b) * kMinute);
}

struct SideRow {
  const char* legend;
  double legCourse;     // the leg's course into the waypoint
  double fromWaypoint;  // bearing of the ship from the waypoint
  const char* side;     // "L ", "R " or the whole text
  double miles;         // the cross-track error shown
};

TEST(GpsGotoNavigation, TheCrossTrackAngleIsTakenTheShortWayRound) {
  // 10 NM from the waypoint at 1E on the equator: 10 sin 10 = 1.74 NM.
  const SideRow rows[] = {
      {"west of a northbound leg is its left (sides swapped)", 0, 190, "L ", 1.74},
      {"east of a northbound leg is its right (sides swapped)", 0, 170, "R ", 1.74},
      {"reference 355, ship at 005: 10 degrees left, not 350 degrees off", 175, 5, "L ", 1.74},
      {"reference 005, ship at 355: 10 degrees right, not 350 degrees off", 185, 355, "R ", 1.74},
      {"1.19 rad off the leg is still on it (limit too tight)", 90, 270 - 1.19 * 180 / std::numbers::pi, "R ", 9.28},
      {"1.21 rad off the leg is off it (limit too loose)", 90, 270 - 1.21 * 180 / std::numbers::pi, "off leg", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.legend);
    GotoLeg leg = eastboundLeg();
    leg.legCourse = row.legCourse;
    const std::string xte = text(gotoNavigationTexts(leg, shipFrom(0, 1, row.fromWaypoint, 10), false, kNotices),
                                 T::kRlXte);
    ASSERT_TRUE(xte.starts_with(row.side)) << xte;
    if (row.miles > 0) {
      EXPECT_NEAR(std::stod(xte.substr(2)), row.miles, 0.015) << xte;
    }
  }
}

// A point a fraction `f` of the way along the great circle from 1 to 2, on
// the sphere.
std::pair<double, double> alongGreatCircle(double lat1, double lon1, double lat2, double lon2, double f) {
  constexpr double r = std::numbers::pi / 180;
  auto unit = [&](double lat, double lon) {
    return std::array<double, 3>{std::cos(lat * r) * std::cos(lon * r), std::cos(lat * r) * std::sin(lon * r),
                                 std::sin(lat * r)};
  };
  const auto a = unit(lat1, lon1), b = unit(lat2, lon2);
  const double omega = std::acos(a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
  std::array<double, 3> p{};
  for (int i = 0; i < 3; ++i)
    p[i] = (std::sin((1 - f) * omega) * a[i] + std::sin(f * omega) * b[i]) / std::sin(omega);
  return {std::asin(p[2]) / r, std::atan2(p[1], p[0]) / r};
}

TEST(GpsGotoNavigation, OnTheGreatCircleOfTheLegOnlyTheRhumbLineShowsAnError) {
  // From 50N 030W to 50N 000: the rhumb line runs along the parallel, the
  // great circle bulges about 58 NM to the north of it (to 50-58.3N).
  const GotoLeg leg = legTo(50, 0, 50, -30, 90);
  const auto [lat, lon] = alongGreatCircle(50, -30, 50, 0, 0.5);
  const auto t = gotoNavigationTexts(leg, ship(lat, lon), false, kNotices);
  EXPECT_TRUE(text(t, T::kGcXte).ends_with(" 0.00")) << text(t, T::kGcXte) << ": the great circle's own reference";
  const std::string rl = text(t, T::kRlXte);
  ASSERT_TRUE(rl.starts_with("L ")) << rl << ": north of an eastbound rhumb line";
  EXPECT_NEAR(std::stod(rl.substr(2)), 58.3, 0.5);
}

TEST(GpsGotoNavigation, ArrivalIsFoundAcrossTheDateLine) {
  GotoLeg leg = eastboundLeg();
  leg.longitude = 180;
  const auto t = gotoNavigationTexts(leg, ship(0.00003, -179.99995), false, kNotices);
  for (const auto& s : t) EXPECT_EQ(s, "arrived");
  const auto near = gotoNavigationTexts(leg, ship(0, -179.5), false, kNotices);
  EXPECT_EQ(text(near, T::kGcDistance), "30.00 NM") << "the short way across the 180th meridian";
  EXPECT_EQ(text(near, T::kRlBearing), "270.00 T");
}

TEST(GpsGotoNavigation, ACrossTrackErrorBeyondAThousandMilesIsNotShown) {
  // 3000 NM back along the leg's line and 0.9 rad off it.
  GotoLeg leg = eastboundLeg();
  leg.longitude = 60;
  const double bearing = 270 - 0.9 * 180 / std::numbers::pi;
  const double r = bearing * std::numbers::pi / 180;
  const auto near = gotoNavigationTexts(leg, ship(1000 * std::cos(r) * kMinute, 60 + 1000 * std::sin(r) * kMinute),
                                        false, kNotices);
  EXPECT_EQ(text(near, T::kRlXte).substr(0, 2), "R ") << "about 780 NM is shown";
  const auto far = gotoNavigationTexts(leg, ship(3000 * std::cos(r) * kMinute, 60 + 3000 * std::sin(r) * kMinute),
                                       false, kNotices);
  EXPECT_EQ(text(far, T::kRlXte), "too far");
}

TEST(GpsGotoNavigation, TimeToGoAtTheSpeedMadeGood) {
  GotoLeg leg = eastboundLeg();
  leg.longitude = 0;
  leg.legKnown = false;
  const auto t = gotoNavigationTexts(leg, ship(0, -250 * kMinute), false, kNotices);
  EXPECT_EQ(text(t, T::kGcTtg), "25.00 hr = 01d 01:00");
  EXPECT_EQ(text(t, T::kRlTtg), "25.00 hr = 01d 01:00");
  EXPECT_EQ(text(t, T::kGcVtwp), "10.00 kts");
  EXPECT_EQ(text(t, T::kGcEta), "1335 24 MAR 02");
  const auto later = gotoNavigationTexts(leg, ship(0, -255 * kMinute), false, kNotices);
  EXPECT_EQ(text(later, T::kGcTtg), "25.50 hr = 01d 01:30");
  EXPECT_EQ(text(t, T::kRlXte), "") << "no leg before waypoint 0: no cross-track error";
  EXPECT_EQ(text(t, T::kGcXte), "");
}

TEST(GpsGotoNavigation, SteamingAwayGivesNoTimeToGo) {
  const auto t = gotoNavigationTexts(eastboundLeg(), ship(0, 0.5, 10, 270), false, kNotices);
  for (auto which : {T::kRlVtwp, T::kGcVtwp, T::kRlTtg, T::kGcTtg, T::kRlEta, T::kGcEta})
    EXPECT_EQ(text(t, which), "") << which;
  EXPECT_EQ(text(t, T::kRlBearing), "090.00 T") << "bearing and distance stay";
}

TEST(GpsGotoNavigation, UnknownSpeedOrCourseGivesNoTimeToGo) {
  for (const ShipState s : {ship(0, 0.5, -1, -1), ship(0, 0.5, 0.00005, 90), ship(0, 0.5, 10, -1)}) {
    const auto t = gotoNavigationTexts(eastboundLeg(), s, false, kNotices);
    EXPECT_EQ(text(t, T::kGcTtg), "");
    EXPECT_EQ(text(t, T::kGcEta), "");
  }
}

TEST(GpsGotoNavigation, AnArrivalAYearAwayHasNoEta) {
  GotoLeg leg = eastboundLeg();
  leg.longitude = 170;
  const auto t = gotoNavigationTexts(leg, ship(0, 0, 1, 90), false, kNotices);
  EXPECT_EQ(text(t, T::kGcEta), "too far");
  EXPECT_EQ(text(t, T::kGcTtg).substr(0, 16), "10200.00 hr = 42");
}

TEST(GpsGotoNavigation, AtTheWaypointEveryTextSaysArrived) {
  const auto t = gotoNavigationTexts(eastboundLeg(), ship(0.00003, 1.00005), false, kNotices);
  for (const auto& s : t) EXPECT_EQ(s, "arrived");
}

// The waypoint choice on a voyage of four waypoints.
struct GotoChoice : ::testing::Test {
  GotoChoice() {
    for (int i = 0; i < 4; ++i) {
      Waypoint w;
      w.latitude = 10 + i;
      w.longitude = -20 - i;
      w.rhumbLineCourse = 225;
      w.name = paddedWaypointName("WP" + std::to_string(i));
      b.voyage.waypoints.push_back(w);
    }
  }
  test::MonitorBench b;
};

TEST_F(GotoChoice, TheFirstChoiceAsksForANumberAndCopiesTheWaypoint) {
  b.host.answer("3");
  b.monitor.selectGotoWaypoint();
  EXPECT_EQ(b.host.prompts.back(), b.strings.prompt(18, 1, 4));
  EXPECT_EQ(b.monitor.gotoIndex(), 2);
  const auto& main = b.monitor.texts().main();
  EXPECT_EQ(main.gotoNumber, "3");
  EXPECT_EQ(main.gotoName, paddedWaypointName("WP2"));
  EXPECT_EQ(main.gotoLatitude, "12-00.000N");
  EXPECT_EQ(main.gotoLongitude, "022-00.000W");
  const GotoLeg leg = gotoLegFor(b.voyage, 2);
  EXPECT_TRUE(leg.legKnown);
  EXPECT_DOUBLE_EQ(leg.previousLatitude, 11);
}

TEST_F(GotoChoice, OutOfRangeAnswersAskAgainAndTheNumberingFollowsTheLabelStart) {
  b.settings.firstRowNumber = 10;
  b.host.answer("4");     // below 10
  b.host.answer("14");    // above 13
  b.host.answer("  11");  // leading blanks skipped
  b.monitor.selectGotoWaypoint();
  EXPECT_EQ(b.host.prompts.size(), 3u);
  EXPECT_EQ(b.monitor.gotoIndex(), 1);
  EXPECT_EQ(b.monitor.texts().main().gotoNumber, "11");
}

TEST_F(GotoChoice, ASetChoiceIsChangedDisabledOrKept) {
  b.monitor.chooseGotoNumber(2);
  b.host.answerConfirmation(Host::Confirmation::Abort);
  b.monitor.selectGotoWaypoint();
  EXPECT_EQ(b.monitor.gotoIndex(), 1);

  b.host.answerConfirmation(Host::Confirmation::Change);
  b.host.answer("");  // an empty answer keeps the choice
  b.monitor.selectGotoWaypoint();
  EXPECT_EQ(b.host.prompts.back(), b.strings.prompt(19, 1, 4, 2));
  EXPECT_EQ(b.host.offered.back(), "2");
  EXPECT_EQ(b.monitor.gotoIndex(), 1);

  b.host.answerConfirmation(Host::Confirmation::Disable);
  b.monitor.selectGotoWaypoint();
  EXPECT_EQ(b.monitor.gotoIndex(), kNoIndex);
  EXPECT_EQ(b.monitor.texts().main().gotoName, "");
}

TEST_F(GotoChoice, CancellingTheNumberChoosesNone) {
  b.monitor.chooseGotoNumber(2);
  b.host.answerConfirmation(Host::Confirmation::Change);
  b.host.answer(std::nullopt);
  b.monitor.selectGotoWaypoint();
  EXPECT_EQ(b.monitor.gotoIndex(), kNoIndex);
}

TEST_F(GotoChoice, FollowingFromAPresentPositionTheLegStartsThere) {
  b.voyage.toWaypoint.index = 2;
  b.voyage.toWaypoint.start.latitude = 5;
  b.voyage.toWaypoint.start.longitude = -5;
  EXPECT_FALSE(b.monitor.chooseGotoNumber(2)) << "behind the next waypoint";
  EXPECT_EQ(b.monitor.gotoIndex(), kNoIndex);
  ASSERT_TRUE(b.monitor.chooseGotoNumber(3));
  const GotoLeg leg = gotoLegFor(b.voyage, 2);
  EXPECT_TRUE(leg.legKnown);
  EXPECT_DOUBLE_EQ(leg.previousLatitude, 5);
  b.monitor.clearGotoWaypoint();
  b.host.answer("3");
  b.monitor.selectGotoWaypoint();
  EXPECT_EQ(b.host.prompts.back(), b.strings.prompt(18, 3, 4));
}

TEST_F(GotoChoice, WaypointZeroWithoutPresentPositionHasNoLeg) {
  ASSERT_TRUE(b.monitor.chooseGotoNumber(1));
  EXPECT_FALSE(gotoLegFor(b.voyage, 0).legKnown);
  EXPECT_FALSE(b.monitor.chooseGotoNumber(5)) << "past the last waypoint";
}

TEST_F(GotoChoice, NoVoyageNoChoice) {
  b.voyage.waypoints.clear();
  b.monitor.selectGotoWaypoint();
  EXPECT_TRUE(b.host.prompts.empty());
  EXPECT_EQ(b.monitor.gotoIndex(), kNoIndex);
}

}  // namespace
}  // namespace z5
