// The waypoint listing: the route's own waypoints with their settings, the
// charts and the intercept requests of the route file.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "ReportTesting.h"

namespace z5 {
namespace {

using test::lines;

class WaypointList : public test::ReportTest {};

TEST_F(WaypointList, ListsTheRouteFileWaypointsOnlyNumberedFromTheLabelStart) {
  ASSERT_EQ(extract("A\n50N\n001W\n!SPEED 12.5\n!STOP 1.5\n!GC 5\nB\n45N\n030W\n!RL\n!ZD -1\nC\n44N\n035W\n"
                    "!CHART 1\n!CHART 2\n!CHART 3\n!CHART 4\n!CHART 5\n!CHART 6\n!CHART 7\n!CHART 8\n"
                    "!CHART 9\n!CHART 10\n!CHART 11\n!LAT 44-30N\n!LON 33W\n"),
            kVoyageBuilt);
  ASSERT_GT(voyage().count(), 3) << "great-circle points were inserted";
  settings().firstRowNumber = 5;
  const std::vector<std::string> expected = {
      "Z5 waypoint list - route.txt - Fri Mar 15 10:30:00 2002",
      "",
      " No  Waypoint            Leg DLo  Speed Stop  ZD  Latitude   Longitude",
      "------------------------------------------------------------------------------",
      "  5  A                   RL  -  12.5000 1.5 -1.0  50-00.00N  001-00.00W",
      "  6  B                   GC   5    -    0.0  -   45-00.00N  030-00.00W",
      "  7  C                   RL  -     -    0.0 -1.0  44-00.00N  035-00.00W",
      "",
      "Charts named in the route file:",
      "    1,    2,    3,    4,    5,    6,    7,    8,    9,   10",
      "   11",
      "!LAT 44-30.00N - find where the route crosses this latitude",
      "!LON 033-00.00W - find where the route crosses this longitude",
  };
  EXPECT_EQ(lines(listing()), expected);
}

TEST_F(WaypointList, VesselNameOrCallSignGivesTheLongHeading) {
  ASSERT_EQ(extract("!VESSEL Aurora\nA\n50N\n001W\nB\n45N\n030W\n"), kVoyageBuilt);
  const std::vector<std::string> text = lines(listing());
  EXPECT_EQ(text.at(1), "Vessel: Aurora   Call sign: call");
}

TEST_F(WaypointList, EmptyVoyageListsNothing) {
  EXPECT_EQ(extract("// nothing but a comment\n"), kVoyageEmpty);
  EXPECT_EQ(listing(), "");
}

TEST_F(WaypointList, StartUpListsTheStartRouteInTheMessageWindow) {
  settings().DATA_FILE = std::string(Z5_FIXTURES_DIR) + "/routes/coastal_stops.txt";
  const Z5App::StartExtraction done = app.extractStartDocument();
  EXPECT_EQ(done.result, kVoyageBuilt);
  EXPECT_FALSE(done.selection.has_value());
  const std::string& shown = app.messages().text();
  EXPECT_NE(shown.find("Z5 waypoint list - "), std::string::npos);
  EXPECT_NE(shown.find("  6  Brest "), std::string::npos);
  EXPECT_NE(shown.find("End of output."), std::string::npos);
}

TEST_F(WaypointList, StartUpSelectsTheLastErrorOfTheStartRoute) {
  const std::string route = std::string(::testing::TempDir()) + "/z5_start_route.txt";
  {
    std::ofstream(route) << "A\n50N\n001W\n!SPEED fast\nB\n51N\n002W\n";
  }
  settings().DATA_FILE = route;
  const Z5App::StartExtraction done = app.extractStartDocument();
  EXPECT_EQ(done.result, kRouteFailed);
  ASSERT_TRUE(done.selection.has_value());
  EXPECT_EQ(done.selection->line, 4);
  EXPECT_EQ(done.selection->lineText, "!SPEED fast");
  EXPECT_TRUE(voyage().errors.empty()) << "the list is discarded once taken";
  EXPECT_EQ(app.messages().text().find("Z5 waypoint list"), std::string::npos) << "no listing after an error";
  std::remove(route.c_str());
}

}  // namespace
}  // namespace z5
