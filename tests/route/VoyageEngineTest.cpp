// The voyage engine: what an extraction leaves in the voyage, the results
// it returns, and the header questions.

#include <string>

#include "RouteTesting.h"
#include "TempDir.h"
#include "app/Z5App.h"
#include "route/VoyageHeader.h"

namespace z5::test {
namespace {

// `count` waypoints on distinct positions, one entry each.
std::string manyWaypoints(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += "WP" + std::to_string(i + 1) + "\n" + std::to_string(i % 80) + "-" + std::to_string(i / 80) +
            "N\n" + std::to_string(i % 170) + "W\n";
  }
  return text;
}

class VoyageEngineTest : public RouteTest {};

TEST_F(VoyageEngineTest, TextWithoutWaypointsGivesAnEmptyVoyageButKeepsItsDirectives) {
  EXPECT_EQ(extract("// only comments\n!VESSEL Aurora\n!DEPARTING Cork\n"), kVoyageEmpty);
  EXPECT_TRUE(voyage.empty());
  EXPECT_EQ(settings.VESSEL, "Aurora");
  EXPECT_EQ(voyage.departurePort, "Cork");
  EXPECT_EQ(extract(""), kVoyageEmpty);
}

TEST_F(VoyageEngineTest, AViewPointMakesAVoyageWithoutWaypointsNotEmpty) {
  mapView.viewPointMode = true;
  EXPECT_EQ(extract("// nothing\n"), kVoyageBuilt);
}

TEST_F(VoyageEngineTest, ExtractionStartsFromAClearVoyage) {
  ASSERT_EQ(extract("!CHART 12\n!LAT 10N\n!LON 10W\n!NOTE a\n!DEPARTING X\n!ARRIVING Y\n" +
                    waypointText("A", "1N", "1W") + waypointText("B", "2N", "1W")),
            kVoyageBuilt);
  ASSERT_EQ(extract(waypointText("C", "3N", "1W")), kVoyageBuilt);
  EXPECT_EQ(voyage.count(), 1);
  EXPECT_TRUE(voyage.charts.empty());
  EXPECT_TRUE(voyage.latitudeRequests.empty());
  EXPECT_TRUE(voyage.longitudeRequests.empty());
  EXPECT_TRUE(voyage.notes.empty());
  EXPECT_EQ(voyage.departurePort, "");
  EXPECT_EQ(voyage.arrivalPort, "");
  EXPECT_EQ(voyage.routeFileName, kFile);
}

TEST_F(VoyageEngineTest, BackwardsRoutingReversesTheTableWithEachWaypointsOwnSettings) {
  settings.backwardsRouting = 1;
  ASSERT_EQ(extract("!ZD 1\n" + waypointText("A", "1N", "1W") + "!SPEED 10\n" + waypointText("B", "2N", "1W") +
                    "!STOP 5\n!ZD 3\n" + waypointText("C", "3N", "1W") + "!SPEED 7\n"),
            kVoyageBuilt);
  const auto& w = voyage.waypoints;
  ASSERT_EQ(voyage.count(), 3);
  EXPECT_EQ(w[0].name, paddedWaypointName("C"));
  EXPECT_DOUBLE_EQ(w[0].speed, 7);
  EXPECT_DOUBLE_EQ(w[0].zoneDescription, 3);
  EXPECT_DOUBLE_EQ(w[1].stopHours, 5);
  EXPECT_DOUBLE_EQ(w[1].zoneDescription, 1);
  EXPECT_EQ(w[2].name, paddedWaypointName("A"));
  EXPECT_DOUBLE_EQ(w[2].speed, 10);
  EXPECT_DOUBLE_EQ(w[2].zoneDescription, 1);
  EXPECT_EQ(voyage.directionLabel, strings.prompt(112));

  settings.backwardsRouting = 0;
  ASSERT_EQ(extract(waypointText("A", "1N", "1W") + waypointText("B", "2N", "1W")), kVoyageBuilt);
  EXPECT_EQ(voyage.directionLabel, strings.prompt(111));
}

TEST_F(VoyageEngineTest, BackwardsAmverRouteEndsAtItsDeparture) {
  settings.backwardsRouting = 1;
  ASSERT_EQ(extract("AMVER\nI/END/1000N/02000W/\nG/START/1100N/02100W/\nL/RL/100/1050N/02050W/\n"), kVoyageBuilt);
  EXPECT_EQ(voyage.waypoints.front().name, paddedWaypointName("END"));
  EXPECT_EQ(voyage.waypoints.back().name, paddedWaypointName("START"));
}

TEST_F(VoyageEngineTest, AThousandWaypointsAreComplete) {
  ASSERT_EQ(extract(manyWaypoints(kMaxWaypoints) + "!STOP 3\n!ARRIVING Port\n"), kVoyageBuilt);
  EXPECT_EQ(voyage.count(), kMaxWaypoints);
  EXPECT_DOUBLE_EQ(voyage.waypoints.back().stopHours, 3) << "directives after the last waypoint still apply";
  EXPECT_EQ(voyage.arrivalPort, "Port");
  EXPECT_TRUE(host.popups.empty());
}

TEST_F(VoyageEngineTest, ALongerRouteIsCutAtAThousandWaypointsAndSaysSo) {
  const std::string text = manyWaypoints(kMaxWaypoints + 1) + "!ARRIVING Beyond\n";
  ASSERT_EQ(extract(text), kVoyageBuilt);
  EXPECT_EQ(voyage.count(), kMaxWaypoints);
  EXPECT_EQ(voyage.waypoints.back().name, paddedWaypointName("WP1000"));
  EXPECT_EQ(voyage.arrivalPort, "") << "nothing after the cut is read";
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_NE(host.popups[0].text.find("1000 waypoints"), std::string::npos);
  EXPECT_NE(host.popups[0].text.find("line 3001"), std::string::npos);
  EXPECT_TRUE(voyage.errors.empty()) << "a cut route is not an error";
}

TEST_F(VoyageEngineTest, AnErrorRecordsWhereItHappened) {
  ASSERT_EQ(extract(waypointText("A", "1N", "1W") + "B\n  rubbish  \r\n2W\n"), kRouteFailed);
  ASSERT_EQ(voyage.errors.size(), 1u);
  const ErrorLocation& e = voyage.errors[0];
  EXPECT_EQ(e.file, kFile);
  EXPECT_EQ(e.line, 5);
  EXPECT_EQ(e.lineText, "  rubbish  ");
  EXPECT_EQ(e.message, strings.error(17, 5, std::string(kFile), 2));
  EXPECT_NE(messages.text().find(e.message), std::string::npos) << "the message is in the message window";

  ASSERT_EQ(extract(waypointText("A", "1N", "1W")), kVoyageBuilt);
  EXPECT_TRUE(voyage.errors.empty()) << "the next extraction discards the old locations";
}

TEST_F(VoyageEngineTest, ErrorLocationListKeepsTheFirstHundred) {
  for (int i = 1; i <= kMaxErrorLocations + 5; ++i) voyage.recordError({kFile, i, "m", "t"});
  ASSERT_EQ(voyage.errors.size(), static_cast<std::size_t>(kMaxErrorLocations));
  EXPECT_EQ(voyage.errors.back().line, kMaxErrorLocations);
}

TEST_F(VoyageEngineTest, AFileThatCannotBeReadIsReportedWithItsName) {
  settings.departure = {};
  EXPECT_EQ(engine.extractRouteFile("/no/such/route.txt"), kRouteFailed);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text, strings.error(2, std::string("/no/such/route.txt")));
  EXPECT_EQ(host.popups[0].milliseconds, 3000);

  TempDir dir;
  EXPECT_EQ(engine.extractRouteFile(dir.write("r.txt", waypointText("A", "1N", "1W"))), kVoyageBuilt);
  EXPECT_EQ(voyage.routeFileName, dir.file("r.txt"));
}

TEST_F(VoyageEngineTest, ADirectoryOrAnEndlessDeviceIsNoRouteAndLeavesNoVoyage) {
  TempDir dir;
  ASSERT_EQ(engine.extractRouteFile(dir.write("r.txt", waypointText("A", "1N", "1W"))), kVoyageBuilt);

  EXPECT_EQ(engine.extractRouteFile(dir.home()), kRouteFailed);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text, strings.error(2, dir.home()));
  EXPECT_TRUE(voyage.waypoints.empty()) << "the previous voyage stays shown as if it were this one";

  // Read whole, /dev/zero would fill the memory.
  EXPECT_EQ(engine.extractRouteFile("/dev/zero"), kRouteFailed);
  ASSERT_EQ(host.popups.size(), 2u);
  EXPECT_EQ(host.popups[1].text, strings.error(15, std::string("/dev/zero"), 64));
  EXPECT_EQ(host.popups[1].milliseconds, 8000);
  EXPECT_TRUE(voyage.waypoints.empty());
}

TEST_F(VoyageEngineTest, MissingDepartureTimeGetsItsText) {
  ASSERT_EQ(extract(waypointText("A", "1N", "1W")), kVoyageBuilt);
  EXPECT_EQ(settings.departureText, " - No departure time given - no time calcs.");

  settings.departure = {2002, 3, 15, 8, 0};
  settings.departureText = "0800 15 MAR 02";
  ASSERT_EQ(extract(waypointText("A", "1N", "1W")), kVoyageBuilt);
  EXPECT_EQ(settings.departureText, "0800 15 MAR 02");
}

TEST_F(VoyageEngineTest, IndicesThatNoLongerNameAWaypointAreCleared) {
  const std::string two = waypointText("A", "1N", "1W") + waypointText("B", "2N", "1W");
  mapView.centreIndex = 1;
  voyage.toWaypoint.index = 1;
  voyage.toWaypoint.start.latitude = 1.5;  // the mode needs its start position
  voyage.toWaypoint.start.longitude = -1;
  ASSERT_EQ(extract(two), kVoyageBuilt);
  EXPECT_EQ(mapView.centreIndex, 1);
  EXPECT_EQ(voyage.toWaypoint.index, 1);

  ASSERT_EQ(extract(waypointText("A", "1N", "1W") + "B\nbad\n"), kRouteFailed);
  EXPECT_EQ(voyage.toWaypoint.index, kNoIndex) << "a failed extraction must not leave a dangling target";
  EXPECT_EQ(voyage.toWaypoint.label, strings.prompt(113));
  EXPECT_EQ(mapView.centreIndex, 0) << "a single waypoint is the map centre";

  mapView.centreIndex = 5;
  ASSERT_EQ(extract(two), kVoyageBuilt);
  EXPECT_EQ(mapView.centreIndex, kNoIndex);

  mapView.centreIndex = 1;
  mapView.viewPointMode = true;
  ASSERT_EQ(extract(two), kVoyageBuilt);
  EXPECT_EQ(mapView.centreIndex, kNoIndex) << "a view point replaces the centre waypoint";
}

TEST_F(VoyageEngineTest, FileSpeedFollowsTheRouteUnlessSetOtherwise) {
  const std::string two = waypointText("A", "1N", "1W") + waypointText("B", "2N", "1W");
  ASSERT_EQ(extract("!SPEED 14.5\n" + two), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.fileSpeed, 14.5);
  ASSERT_EQ(extract("!SPEED 12\n" + two), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.fileSpeed, 12) << "an edited route speed must not be ignored";
  EXPECT_EQ(voyage.fileSpeedText, " File spd 12.0000");
  ASSERT_EQ(extract(two), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.fileSpeed, 0);

  voyage.fileSpeed = 9;  // given with the speed command
  ASSERT_EQ(extract("!SPEED 12\n" + two), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.fileSpeed, 9);
}

TEST_F(VoyageEngineTest, WaypointPositionsOutsideTheTableAreNoPosition) {
  ASSERT_EQ(extract(waypointText("A", "1N", "2E")), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.waypointLatitude(0), 1);
  EXPECT_DOUBLE_EQ(voyage.waypointLongitude(0), 2);
  for (int index : {-1, 1, kNoIndex}) {
    EXPECT_EQ(voyage.waypointLatitude(index), kNoPosition);
    EXPECT_EQ(voyage.waypointLongitude(index), kNoPosition);
  }
}

TEST(VoyageOfTheApplication, SettingsLoadResetsTheLabelsAndTheEngineWorksOnTheAppsObjects) {
  TempDir home;
  home.write("chart.dat", std::string(40, '\0'));
  home.write("nav_err.dat", std::string(86, '\n'));
  std::string prompts;
  for (int i = 0; i < 304; ++i) prompts += i == 111 ? "Ahead\n" : i == 113 ? "No target\n" : "\n";
  home.write("nav_info.dat", prompts);
  ScriptedHost host;
  MemorySettingsStore store;
  FixedClock clock;
  Z5App app(host, store, clock);
  app.voyage().directionLabel = "stale";
  ASSERT_TRUE(app.startUp(home.path().string()));
  EXPECT_EQ(app.voyage().directionLabel, "Ahead");
  EXPECT_EQ(app.voyage().toWaypoint.label, "No target");

  VoyageEngine engine(app);
  EXPECT_EQ(engine.extractRoute(waypointText("A", "1N", "1W"), "a.txt"), kVoyageBuilt);
  EXPECT_EQ(app.voyage().count(), 1);
  EXPECT_EQ(app.mapView().centreIndex, 0);
}

class VoyageHeaderTest : public RouteTest {};

TEST_F(VoyageHeaderTest, DefaultsComeFromThePromptStrings) {
  resetVoyageHeaderTexts(voyage, strings);
  EXPECT_EQ(voyage.directionLabel, strings.prompt(111));
  EXPECT_EQ(voyage.toWaypoint.label, strings.prompt(113));
}

TEST_F(VoyageHeaderTest, QuestionsKeepTheirLimitsAndReportTheValue) {
  settings.VESSEL = "vessel";
  host.answer("");
  EXPECT_FALSE(askVesselName(settings, messages)) << "an empty vessel name accepted";
  host.answer("  " + std::string(120, 'V') + "  ");
  EXPECT_TRUE(askVesselName(settings, messages));
  EXPECT_EQ(settings.VESSEL, std::string(100, 'V'));
  EXPECT_EQ(host.prompts.back(), strings.prompt(16, std::string("vessel")));
  EXPECT_EQ(host.offered.back(), "vessel");
  EXPECT_NE(messages.text().find(messages.statusLine(strings.prompt(221), settings.VESSEL)), std::string::npos);

  settings.CALL = "call";
  host.answer("A");
  EXPECT_FALSE(askCallSign(settings, messages)) << "a one-letter call sign accepted";
  host.answer(std::string(50, 'C'));
  EXPECT_FALSE(askCallSign(settings, messages)) << "a 50-character call sign accepted";
  host.answer("LX");
  EXPECT_TRUE(askCallSign(settings, messages));
  EXPECT_EQ(settings.CALL, "LX");

  settings.REMARK = "old";
  host.answer(std::nullopt);
  EXPECT_FALSE(askRemark(settings, messages)) << "a cancelled question changed the remark";
  host.answer(std::string(300, 'R'));
  EXPECT_TRUE(askRemark(settings, messages));
  EXPECT_EQ(settings.REMARK.size(), 249u);
  host.answer("");
  EXPECT_TRUE(askRemark(settings, messages));
  EXPECT_EQ(settings.REMARK, "");
}

TEST_F(VoyageHeaderTest, UserPointFileMustOpen) {
  TempDir dir;
  const std::string points = dir.write("points.txt", "Buoy\n10N\n20W\n");
  settings.FILE_PT = 1;
  host.answer(dir.file("missing.txt"));
  EXPECT_FALSE(askUserPointFile(settings, messages));
  EXPECT_EQ(host.popups.back().text, strings.error(2, dir.file("missing.txt")));
  EXPECT_EQ(settings.FILE_PT, 0) << "plotting stays on without a file";

  host.answer(dir.home());
  EXPECT_FALSE(askUserPointFile(settings, messages)) << "a directory accepted as the point file";

  host.answer(points);
  settings.FILE_PT = 1;
  EXPECT_TRUE(askUserPointFile(settings, messages));
  EXPECT_EQ(settings.USER_POINT_FILE, points);
  EXPECT_EQ(settings.FILE_PT, 1);
  EXPECT_NE(messages.text().find(messages.statusLine(strings.prompt(241), strings.prompt(209))), std::string::npos);
}

}  // namespace
}  // namespace z5::test
