#include "charts/RouteCharts.h"

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <utility>

#include <gtest/gtest.h>

#include "ScriptedHost.h"
#include "TempDir.h"
#include "base/Settings.h"
#include "geo/Longitude.h"

namespace z5 {
namespace {

constexpr int kDeg = 3600;

ChartRecord chart(int number, int scale, double south, double north, double lon1, double lon2,
                  const char* title = "TEST CHART") {
  ChartRecord r;
  r.number = number;
  r.carried = 'X';
  r.setTitle(title);
  r.scale = scale;
  r.south = toArcSeconds(south);
  r.north = toArcSeconds(north);
  r.longitude1 = toArcSeconds(lon1);
  r.longitude2 = toArcSeconds(lon2);
  return r;
}

class ChartSearchTest : public ::testing::Test {
 protected:
  // A route through the positions, its rhumb courses computed against `reference`.
  void route(std::initializer_list<std::pair<double, double>> positions, double reference) {
    geometry_ = LegGeometry(reference);
    waypoints_.clear();
    for (auto [lat, lon] : positions) {
      Waypoint w;
      w.latitude = lat;
      w.longitude = lon;
      if (!waypoints_.empty()) {
        const Waypoint& a = waypoints_.back();
        w.rhumbLineCourse = geometry_.rhumbLine(a.latitude, a.longitude, lat, lon, false).course;
      }
      waypoints_.push_back(w);
    }
  }

  void writeCatalogue(const std::vector<ChartRecord>& records) {
    std::ofstream out(dir_.file(kChartCatalogueFileName), std::ios::binary);
    ASSERT_TRUE(writeChartCatalogue(out, records));
  }

  int search(int lower = 5000, int upper = 9000000, ChartSearchBox box = {-1296000, -324000, 1296000, 324000}) {
    points_.clear();
    for (const Waypoint& w : waypoints_) points_.push_back(&w);
    ChartSearch s;
    s.lowerScale = lower;
    s.upperScale = upper;
    s.box = box;
    s.route = &points_;
    s.geometry = &geometry_;
    return FindRouteCharts(s, dir_.home(), table_, messages_);
  }

  int search(const std::vector<ChartRecord>& records) {
    writeCatalogue(records);
    return search();
  }

  std::vector<int> numbers() const {
    std::vector<int> n;
    for (const RouteChart& c : table_.charts) n.push_back(c.number);
    return n;
  }

  test::ScriptedHost host_;
  StringTable strings_;
  Messages messages_{host_, strings_};
  test::TempDir dir_;
  RouteChartTable table_;
  LegGeometry geometry_{0};
  std::vector<Waypoint> waypoints_;
  std::vector<const Waypoint*> points_;
};

TEST_F(ChartSearchTest, TakesEdgesMoreThan180ApartAsTheChartAcrossThe180thMeridian) {
  const std::vector<ChartRecord> catalogue = {chart(1, 50000, 5, 15, 179, -179)};
  route({{10, 178}, {10, -178}}, -178);
  EXPECT_EQ(search(catalogue), 1);
  // Far from the 180th meridian the chart is 2 degrees wide, not 358.
  route({{10, 10}, {10, 20}}, 20);
  EXPECT_EQ(search(catalogue), 0);
}

TEST_F(ChartSearchTest, AcceptsScalesEqualToTheLimits) {
  route({{10, 10}, {12, 12}}, 12);
  writeCatalogue({chart(1, 5000, 9, 13, 9, 13), chart(2, 9000000, 9, 13, 9, 13), chart(3, 4999, 9, 13, 9, 13),
                  chart(4, 9000001, 9, 13, 9, 13)});
  EXPECT_EQ(search(), 2);
  EXPECT_EQ(numbers(), (std::vector<int>{1, 2}));
  EXPECT_EQ(search(6000, 7000), 0);
}

TEST_F(ChartSearchTest, SelectsTheChartAVoyageLiesWithin) {
  route({{10.1, 10.1}, {10.2, 10.3}, {10.4, 10.2}}, 10.3);
  EXPECT_EQ(search({chart(7, 80000, 10, 11, 10, 11)}), 1);
}

TEST_F(ChartSearchTest, CopiesTheRecordIntoTheTable) {
  route({{10.1, -10.1}, {10.2, -10.3}}, -10.3);
  ASSERT_EQ(search({chart(12345, 80000, 10, 11, -10, -11, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789AB")}), 1);
  const RouteChart& c = table_.charts.front();
  EXPECT_EQ(c.number, 12345);
  EXPECT_EQ(c.carried, 'X');
  EXPECT_EQ(c.title, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789AB");  // 38 characters, no terminator stored
  EXPECT_EQ(c.scale, 80000);
  EXPECT_EQ(c.southSeconds, 10 * kDeg);
  EXPECT_EQ(c.longitude1Seconds, -10 * kDeg);  // as stored, not ordered
  EXPECT_EQ(c.longitude2Seconds, -11 * kDeg);
  EXPECT_DOUBLE_EQ(c.longitude2, -11);
}

TEST_F(ChartSearchTest, SkipsEmptyAndDamagedRectangles) {
  route({{10, 10}, {12, 12}}, 12);
  std::vector<ChartRecord> catalogue = {chart(1, 50000, 9, 9, 9, 13), chart(2, 50000, 9, 13, 11, 11),
                                        chart(3, 50000, 13, 9, 9, 13), chart(4, 50000, 9, 95, 9, 13),
                                        chart(5, 50000, 9, 13, 9, 13)};
  catalogue[3].longitude2 = INT32_MIN;  // would overflow the longitude wrap
  EXPECT_EQ(search(catalogue), 1);
  EXPECT_EQ(numbers(), std::vector<int>{5});
}

TEST_F(ChartSearchTest, LeavesOutChartsOutsideTheSearchBox) {
  route({{10, 10}, {12, 12}}, 12);
  writeCatalogue({chart(1, 50000, 9, 13, 9, 13)});
  EXPECT_EQ(search(5000, 9000000, {-10 * kDeg, 20 * kDeg, 10 * kDeg, 30 * kDeg}), 0);
}

TEST_F(ChartSearchTest, TriesTheOtherEdgesWhenTheSouthEdgeRefuses) {
  // North-east across the south edge near its eastern end at a shallow
  // angle (refused there), then out through the low quarter of the east edge.
  route({{-0.5, 8}, {1, 12}}, 12);
  const ChartRectangle rectangle{0, 10 * kDeg, 0, 10 * kDeg};
  const int crossing = geometry_.rhumbLongitudeAtLatitude(0, waypoints_[0].position(), waypoints_[1].position(),
                                                            waypoints_[1].rhumbLineCourse);
  EXPECT_FALSE(AcceptEdgeCrossing(ChartEdge::South, crossing, rectangle, waypoints_[1].rhumbLineCourse));
  EXPECT_EQ(search({chart(1, 50000, 0, 10, 0, 10)}), 1);
}

TEST_F(ChartSearchTest, KeepsTheFirst200ChartsAndReportsTheOverflow) {
  route({{10, 10}, {12, 12}}, 12);
  std::vector<ChartRecord> catalogue;
  for (int i = 1; i <= 300; ++i) catalogue.push_back(chart(i, 50000, 9, 13, 9, 13));  // more than one block
  EXPECT_EQ(search(catalogue), kChartTableOverflow);
  EXPECT_EQ(table_.count(), 200);
  EXPECT_EQ(table_.charts.back().number, 200);
  ASSERT_EQ(host_.popups.size(), 1u);
  EXPECT_EQ(host_.popups[0].text, strings_.error(kErrorTooManyCharts, 200));
}

TEST_F(ChartSearchTest, MissingCatalogueKeepsThePreviousTable) {
  route({{10, 10}, {12, 12}}, 12);
  table_.charts.push_back(RouteChart{});
  EXPECT_EQ(search(), kChartFileUnreadable);
  EXPECT_EQ(table_.count(), 1);
  ASSERT_EQ(host_.popups.size(), 1u);
  EXPECT_EQ(host_.popups[0].text, strings_.error(kErrorCannotOpen, dir_.file(kChartCatalogueFileName)));
}

TEST_F(ChartSearchTest, BadMagicEmptiesTheTable) {
  route({{10, 10}, {12, 12}}, 12);
  table_.charts.push_back(RouteChart{});
  dir_.write(kChartCatalogueFileName, std::string(40, '\x01'));
  EXPECT_EQ(search(), kChartFileUnreadable);
  EXPECT_EQ(table_.count(), 0);
  ASSERT_EQ(host_.popups.size(), 1u);
  EXPECT_EQ(host_.popups[0].text,
            strings_.error(kErrorBadMagic, dir_.file(kChartCatalogueFileName), 0x01010101, 305419896));
}

TEST_F(ChartSearchTest, CutShortCatalogueIsReportedOnceAndReadUpToItsLastWholeRecord) {
  route({{10, 10}, {12, 12}}, 12);
  std::ostringstream out;
  writeChartCatalogue(out, {chart(1, 50000, 9, 13, 9, 13), chart(2, 50000, 9, 13, 9, 13)});
  const std::string bytes = out.str();
  const std::string path = dir_.file(kChartCatalogueFileName);
  dir_.write(kChartCatalogueFileName, bytes.substr(0, bytes.size() - 10));
  EXPECT_EQ(search(), 1);
  ASSERT_EQ(host_.popups.size(), 1u);
  EXPECT_EQ(host_.popups[0].text,
            path + " is cut short: it ends inside chart record 2, so the charts from there on are missing.");

  dir_.write(kChartCatalogueFileName, bytes.substr(0, 39));  // the magic is whole, the header is not
  EXPECT_EQ(search(), kChartFileUnreadable);
  ASSERT_EQ(host_.popups.size(), 2u);
  EXPECT_EQ(host_.popups[1].text, path + " is cut short: it ends inside its 40-byte header, so no chart can be listed.");

  dir_.write(kChartCatalogueFileName, bytes);
  EXPECT_EQ(search(), 2);
  EXPECT_EQ(host_.popups.size(), 2u) << "a whole catalogue says nothing";
}

TEST(AcceptEdgeCrossing, RefusesShallowClipsOfACornerQuarter) {
  // A chart 8 degrees square; quarters of the north edge end 2 degrees in.
  const ChartRectangle c{0, 8 * kDeg, 0, 8 * kDeg};
  struct Row {
    ChartEdge edge;
    double crossing;  // degrees along the edge
    double course;
    bool accepted;
    const char* legend;
  } rows[] = {
      {ChartEdge::North, 1, 45, true, "course 045 (t = 1) in the western quarter: not shallow, accepted"},
      {ChartEdge::North, 1, 60, false, "course 060 (t = 0.58) in the western quarter: clipped, refused"},
      {ChartEdge::North, 1, 90, true, "course 090: always accepted"},
      {ChartEdge::North, 4, 60, true, "course 060 in the middle of the edge: accepted"},
      {ChartEdge::North, 7, 300, false, "course 300 (-1 < t < 0) in the eastern quarter: refused"},
      {ChartEdge::North, 9, 0, false, "crossing beyond the edge: refused whatever the course"},
      {ChartEdge::South, 1, 120, false, "south edge, western quarter, -1 < t < 0: refused"},
      {ChartEdge::South, 7, 60, false, "south edge, eastern quarter, 0 < t < 1: refused"},
      {ChartEdge::South, 7, 120, true, "south edge, eastern quarter, t < 0: accepted"},
      {ChartEdge::West, 1, 160, false, "west edge, southern quarter, t < -1: refused"},
      {ChartEdge::West, 7, 20, false, "west edge, northern quarter, t > 1: refused"},
      {ChartEdge::West, 7, 160, true, "west edge, northern quarter, t < -1: accepted"},
      {ChartEdge::East, 1, 20, false, "east edge, southern quarter, t > 1: refused"},
      {ChartEdge::East, 7, 160, false, "east edge, northern quarter, t < -1: refused"},
      {ChartEdge::East, 1, 180, true, "course 180: always accepted"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(AcceptEdgeCrossing(r.edge, toArcSeconds(r.crossing), c, r.course), r.accepted) << r.legend;
  }
}

TEST(ChartRoutePoints, StartFromTheEnteredPositionInToWaypointMode) {
  Voyage v;
  v.waypoints.resize(4);
  EXPECT_EQ(chartRoutePoints(v).size(), 4u);
  v.toWaypoint.index = 2;
  v.toWaypoint.start.latitude = 1;
  v.toWaypoint.start.longitude = 2;
  const std::vector<const Waypoint*> points = chartRoutePoints(v);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0], &v.toWaypoint.start);
  EXPECT_EQ(points[1], &v.waypoints[2]);
}

}  // namespace
}  // namespace z5
