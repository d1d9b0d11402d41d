// Whole extractions: the times, the arrival-time mode, the to-waypoint mode
// and the intercepts on a route read from its text.

#include <gtest/gtest.h>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "app/AppContexts.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/SettingsStore.h"
#include "nav/ArrivalTime.h"
#include "nav/Calendar.h"
#include "nav/DrPosition.h"
#include "nav/Intercepts.h"
#include "nav/NavContext.h"
#include "nav/TimeText.h"
#include "nav/ToWaypoint.h"

namespace z5 {
namespace {

// Southampton to Gibraltar with every directive: legs leave Nab Tower at the
// file speed 11.5 kn (its stop 1.5 h), St Catherine's, Ushant and the GC
// point at the fixed 15 kn, Cape Finisterre and Cabo Sao Vicente at 11.5 kn;
// Europa Point stops 24 h and keeps zone -1.
const std::string kRoute = std::string(Z5_SOURCE_DIR) + "/tests/fixtures/routes/every_directive.txt";
constexpr double kSpeeds[] = {11.5, 15, 15, 15, 11.5, 11.5};  // of the legs leaving waypoints 1..6
constexpr double kStops = 1.5 + 24;

class TimeExtraction : public ::testing::Test {
 protected:
  void SetUp() override { settings.HOME_PATH = std::string(Z5_DATA_DIR) + "/"; }
  int extract() { return engine.extractRouteFile(kRoute); }

  // The steaming hours at the speeds the route text gives each leg.
  double expectedSteaming() const {
    double hours = 0;
    for (int j = 1; j < voyage.count(); ++j) hours += voyage.waypoints[j].legDistance / kSpeeds[j - 1];
    return hours;
  }

  test::ScriptedHost host;
  MemorySettingsStore store;
  test::FixedClock clock;
  Z5App app{host, store, clock};
  SettingsRecord& settings = app.settings();
  Voyage& voyage = app.voyage();
  NavContext nav = navContext(app);
  VoyageEngine engine{app};
};

TEST_F(TimeExtraction, TotalsTimeEachLegAtItsOwnOrTheFileSpeedWithTheStops) {
  settings.departure = {2002, 3, 15, 8, 0};
  ASSERT_EQ(extract(), kVoyageBuilt);
  ASSERT_EQ(voyage.count(), 7);
  EXPECT_NEAR(voyage.steamingHours, expectedSteaming(), 1e-9);
  EXPECT_NEAR(voyage.totalHours, expectedSteaming() + kStops, 1e-9);
  const HoursSplit split = splitHours(voyage.totalHours);
  EXPECT_EQ(voyage.totalDays, split.days);
  EXPECT_EQ(settings.arrivalRemark.rfind(" -" + formatTimeText(settings.departure, voyage.totalHours, 1) + ", ", 0),
            0u);
  EXPECT_DOUBLE_EQ(voyage.waypoints.back().zoneDescription, -1);
  // Local time at Europa Point (zone -1) is an hour ahead of GMT.
  EXPECT_EQ(formatTimeText(settings.departure, voyage.totalHours - voyage.waypoints.back().zoneDescription, 1),
            formatTimeText(settings.departure, voyage.totalHours + 1, 1));
}

TEST_F(TimeExtraction, WithoutADepartureTheArrivalTextHasNoTime) {
  ASSERT_EQ(extract(), kVoyageBuilt);
  EXPECT_GT(voyage.totalHours, 0);
  EXPECT_EQ(settings.arrivalRemark, app.strings().prompt(83, voyage.totalHours, voyage.totalDays,
                                                         voyage.totalHoursPart, voyage.totalMinutes));
}

TEST_F(TimeExtraction, ArrivalTimeModeMakesTheVoyageArriveOnTime) {
  settings.departure = {2002, 3, 15, 8, 0};
  settings.arrival = {2002, 3, 19, 20, 0};
  ASSERT_EQ(extract(), kVoyageBuilt);
  ASSERT_EQ(applyRequiredSpeed(voyage, settings), ArrivalCheck::Applied);
  ASSERT_EQ(extract(), kVoyageBuilt) << "the next extraction keeps the mode";
  EXPECT_TRUE(voyage.arrivalTimeMode);
  EXPECT_NEAR(voyage.totalHours, hoursBetween(settings.departure, settings.arrival), 1e-9);
  EXPECT_DOUBLE_EQ(voyage.savedFileSpeed, 11.5);

  // An arrival the route cannot make ends the mode at the next extraction.
  settings.arrival = {2002, 3, 16, 8, 0};
  ASSERT_EQ(extract(), kVoyageBuilt);
  EXPECT_FALSE(voyage.arrivalTimeMode);
  EXPECT_DOUBLE_EQ(voyage.fileSpeed, 11.5) << "the route's own speed is back";
  EXPECT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups.back().text, app.strings().error(27));
}

TEST_F(TimeExtraction, ToWaypointModeStartsTheVoyageAtTheEnteredPosition) {
  settings.departure = {2002, 3, 15, 8, 0};
  ASSERT_EQ(extract(), kVoyageBuilt);
  host.answer("3");        // Ushant TSS
  host.answer("49-30N");   // in the Channel, west of St Catherine's
  host.answer("4-00W");
  int extractions = 0;
  ASSERT_EQ(toWaypointCommand(nav, [&] { return ++extractions, extract(); }), 1);
  ASSERT_EQ(extractions, 1);
  ASSERT_TRUE(voyage.toWaypoint.active());
  EXPECT_EQ(voyage.toWaypoint.index, 2);
  EXPECT_NE(app.messages().text().find("From 49-30.00N 004-00.00W to file WP#3 "), std::string::npos);

  const Waypoint& start = voyage.toWaypoint.start;
  double toGo = 0;
  for (int j = 2; j < voyage.count(); ++j) toGo += voyage.waypoints[j].legDistance;
  EXPECT_NEAR(start.distanceToGo, toGo, 1e-9);
  double steaming = 0;
  for (int j = 2; j < voyage.count(); ++j) steaming += voyage.waypoints[j].legDistance / kSpeeds[j - 1];
  EXPECT_NEAR(voyage.steamingHours, steaming, 1e-9) << "the first leg is sailed at St Catherine's 15 kn";
  EXPECT_NEAR(voyage.totalHours, steaming + 24, 1e-9) << "the stop at Nab Tower is behind the ship";

  // A route with fewer waypoints than the target ends the mode.
  ASSERT_EQ(engine.extractRoute("A\n50N\n1W\nB\n50N\n2W\n", "short.txt"), kVoyageBuilt);
  EXPECT_FALSE(voyage.toWaypoint.active());
  EXPECT_EQ(voyage.toWaypoint.label, app.strings().prompt(113));
}

TEST_F(TimeExtraction, EveryFixtureRouteExtractsInToWaypointModeWithTimes) {
  const char* routes[] = {"tests/fixtures/routes/every_directive.txt", "tests/fixtures/routes/amver_sailplan.txt",
                          "tests/fixtures/routes/ccwpl_export.txt", "tests/fixtures/routes/data_export.txt",
                          "data/README.TXT"};
  for (const char* name : routes) {
    SCOPED_TRACE(name);
    const std::string path = std::string(Z5_SOURCE_DIR) + "/" + name;
    voyage = Voyage{};
    settings.departure = {2002, 3, 15, 8, 0};
    ASSERT_EQ(engine.extractRouteFile(path), kVoyageBuilt);
    ASSERT_GE(voyage.count(), 2);

    // Steer for the last waypoint from the first one's position; the index
    // counts the route's own waypoints, not the points the leg pass added.
    int routePoints = 0;
    for (const Waypoint& w : voyage.waypoints) routePoints += w.kind == kOrdinaryPoint ? 1 : 0;
    voyage.toWaypoint.index = routePoints - 1;
    voyage.toWaypoint.start.latitude = voyage.waypoints.front().latitude;
    voyage.toWaypoint.start.longitude = voyage.waypoints.front().longitude;
    const int target = voyage.toWaypoint.index;
    ASSERT_EQ(engine.extractRouteFile(path), kVoyageBuilt);
    EXPECT_TRUE(voyage.toWaypoint.active());
    EXPECT_EQ(voyage.toWaypoint.index, target);
    EXPECT_NEAR(voyage.toWaypoint.start.distanceToGo, voyage.waypoints[voyage.toWaypoint.index].distanceToGo +
                                                          voyage.waypoints[voyage.toWaypoint.index].legDistance,
                1e-9);
    EXPECT_GT(voyage.toWaypoint.start.distanceToGo, 0);
    EXPECT_FALSE(nav.calculators.toWaypointText.empty());
    EXPECT_TRUE(host.popups.empty()) << (host.popups.empty() ? "" : host.popups.front().text);
    voyage.toWaypoint.index = kNoIndex;
  }
}

TEST_F(TimeExtraction, DrPositionHalfWayAlongTheFirstLeg) {
  settings.departure = {2002, 3, 15, 8, 0};
  ASSERT_EQ(extract(), kVoyageBuilt);
  const Waypoint& nab = voyage.waypoints[0];
  const Waypoint& stCatherines = voyage.waypoints[1];
  const double halfWay = 1.5 + stCatherines.legDistance / 11.5 / 2;
  const DrWalk walk = walkToHours(voyage, halfWay);
  ASSERT_EQ(walk.result, DrWalk::Result::OnLeg);
  EXPECT_EQ(walk.legEndIndex, 1);
  EXPECT_NEAR(walk.fraction, 0.5, 1e-9);
  EXPECT_EQ(walk.legStart, &nab);
}

TEST_F(TimeExtraction, FileInterceptsAreWrittenForTheRoutesRequests) {
  ASSERT_EQ(extract(), kVoyageBuilt);
  std::vector<std::string> lines;
  ASSERT_EQ(writeFileIntercepts(nav, [&lines](const std::string& t) {
              lines.push_back(t);
              return true;
            }),
            1);
  // 48N once; 8W at the hidden GC point once, named by the shown waypoints
  // around it (Ushant 3, Finisterre 4), and again off Portugal (5 and 6).
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("\tLon? ", 0), 0u);
  EXPECT_NE(lines[0].find("2675"), std::string::npos) << "the chart of the request is named";
  for (int i = 1; i < 3; ++i) EXPECT_EQ(lines[i].rfind("\tLat? ", 0), 0u);
  EXPECT_NE(lines[1].find("3 and 4"), std::string::npos);
  EXPECT_NE(lines[2].find("5 and 6"), std::string::npos);
}

TEST_F(TimeExtraction, FileInterceptsNameTheTableRowsWhenGreatCirclePointsAreShown) {
  settings.NO_CALC_GC_OUT = 0;
  ASSERT_EQ(extract(), kVoyageBuilt);
  std::vector<std::string> lines;
  writeFileIntercepts(nav, [&lines](const std::string& t) {
    lines.push_back(t);
    return true;
  });
  // 8W at the GC point is listed for both legs that meet there.
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_NE(lines[1].find("3 and 4"), std::string::npos);
  EXPECT_NE(lines[2].find("4 and 5"), std::string::npos);
  EXPECT_NE(lines[3].find("6 and 7"), std::string::npos);
}

}  // namespace
}  // namespace z5
