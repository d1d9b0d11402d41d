#include <gtest/gtest.h>

#include "TimesFixture.h"
#include "geo/LegGeometry.h"
#include "nav/Intercepts.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

using test::TimesFixture;

// Fills the rhumb-line courses and distances of the table's legs.
void computeRhumbLegs(TimesFixture& f) {
  const LegGeometry geometry(f.extent.referenceMeridian);
  for (int j = 1; j < f.voyage.count(); ++j) {
    const Waypoint& a = f.voyage.waypoints[j - 1];
    Waypoint& b = f.voyage.waypoints[j];
    const RhumbLineLeg leg = geometry.rhumbLine(a.latitude, a.longitude, b.latitude, b.longitude, false);
    b.rhumbLineCourse = leg.course;
    b.legDistance = leg.distance;
  }
  f.fillDistanceToGo();
}

void route(TimesFixture& f, std::initializer_list<std::pair<double, double>> points) {
  for (const auto& [lat, lon] : points) {
    Waypoint& w = f.add(0);
    w.latitude = lat;
    w.longitude = lon;
  }
  computeRhumbLegs(f);
}

std::string lat(double v) { return formatPosition(v, PositionKind::Latitude, false); }
std::string lon(double v) { return formatPosition(v, PositionKind::Longitude, false); }

struct Collected {
  std::vector<std::string> texts;
  InterceptWriter writer() {
    return [this](const std::string& t) {
      texts.push_back(t);
      return true;
    };
  }
};

TEST(Intercepts, ALatitudeOnAWaypointIsReportedForBothItsLegs) {
  TimesFixture f;
  route(f, {{0, 0}, {10, 10}, {0, 20}});
  const LegGeometry g(0);
  const auto crossings = parallelCrossings(f.voyage, g, 1, 10, nullptr);
  ASSERT_EQ(crossings.size(), 2u);
  EXPECT_EQ(crossings[0].fromNumber, 1);
  EXPECT_EQ(crossings[0].toNumber, 2);
  EXPECT_EQ(crossings[1].fromNumber, 2);
  EXPECT_EQ(crossings[1].toNumber, 3);
  EXPECT_NEAR(crossings[0].longitude, 10, 1e-9);
  EXPECT_NEAR(crossings[1].longitude, 10, 1e-9);
}

TEST(Intercepts, CardinalCoursesReportTheLegsStart) {
  TimesFixture f;
  // North along 5E, east along 10N, south along 15E, west along 0.
  route(f, {{0, 5}, {10, 5}, {10, 15}, {0, 15}, {0, 5}});
  const LegGeometry g(0);
  struct Row {
    bool parallel;  // Lon? when true, Lat? otherwise
    double value;
    int leg;        // number of the leg's end
    double expected;
    const char* legend;
  };
  const Row rows[] = {
      {true, 4, 2, 5, "course 000: Lon? gives the start longitude"},
      {true, 4, 4, 15, "course 180: Lon? gives the start longitude"},
      {false, 10, 3, 10, "course 090: Lat? gives the start latitude"},
      {false, 10, 5, 0, "course 270: Lat? gives the start latitude"},
  };
  for (const Row& r : rows) {
    const auto crossings = r.parallel ? parallelCrossings(f.voyage, g, 1, r.value, nullptr)
                                      : meridianCrossings(f.voyage, g, 1, r.value, nullptr);
    bool found = false;
    for (const auto& c : crossings) {
      if (c.toNumber != r.leg) continue;
      found = true;
      EXPECT_NEAR(r.parallel ? c.longitude : c.latitude, r.expected, 1e-9) << r.legend;
    }
    EXPECT_TRUE(found) << r.legend;
  }
}

TEST(Intercepts, MeridianCrossingLiesOnTheRhumbLine) {
  TimesFixture f;
  route(f, {{10, -20}, {40, 30}});
  const LegGeometry g(0);
  const auto crossings = meridianCrossings(f.voyage, g, 1, 5, nullptr);
  ASSERT_EQ(crossings.size(), 1u);
  const double course = f.voyage.waypoints[1].rhumbLineCourse;
  EXPECT_NEAR(g.rhumbLine(10, -20, crossings[0].latitude, 5, false).course, course, 0.01);
  const auto back = parallelCrossings(f.voyage, g, 1, crossings[0].latitude, nullptr);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_NEAR(back[0].longitude, 5, 0.01) << "Lon? at the found latitude gives the meridian back";
}

TEST(Intercepts, CrossingsAcrossTheDateLineUseRelativeLongitudes) {
  TimesFixture f;
  f.extent.referenceMeridian = 180;
  route(f, {{0, 170}, {10, -170}});
  const LegGeometry g(180);
  EXPECT_EQ(meridianCrossings(f.voyage, g, 1, 175, nullptr).size(), 1u);
  EXPECT_EQ(meridianCrossings(f.voyage, g, 1, 0, nullptr).size(), 0u) << "the leg does not go round the world";
  const auto c = parallelCrossings(f.voyage, g, 1, 5, nullptr);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_NEAR(std::fabs(c[0].longitude), 180, 0.5) << "half way is near the 180th meridian";
}

TEST(Intercepts, ChartEdgesCountOnlyCrossingsStrictlyInside) {
  TimesFixture f;
  route(f, {{0, 1}, {10, 1}, {10, 5}});
  const InterceptBox chart{2, 8, 1, 9};
  Collected out;
  ASSERT_EQ(writeChartEdgeIntercepts(f.nav, chart, out.writer()), 1);
  EXPECT_TRUE(out.texts.empty()) << "crossings on the west edge and misses write nothing";

  const InterceptBox wider{2, 12, 0, 9};
  Collected inside;
  ASSERT_EQ(writeChartEdgeIntercepts(f.nav, wider, inside.writer()), 1);
  ASSERT_EQ(inside.texts.size(), 1u) << "only the south edge crosses inside; the north edge misses";
  EXPECT_EQ(inside.texts[0], "\tLon? " + f.strings.prompt(48, lat(2), lon(1), 1, 2) + "\n");
}

TEST(Intercepts, ChartsAcrossTheDateLineKeepTheirShorterRectangle) {
  RouteChart chart;
  chart.south = 0;
  chart.north = 10;
  chart.longitude1 = -170;
  chart.longitude2 = 170;
  const InterceptBox box = chartBox(chart, 0);
  EXPECT_DOUBLE_EQ(box.west, 170);
  EXPECT_DOUBLE_EQ(box.east, -170);

  TimesFixture f;
  f.extent.referenceMeridian = 0;
  route(f, {{0, 175}, {10, 175}});
  Collected out;
  ASSERT_EQ(writeChartEdgeIntercepts(f.nav, box, out.writer()), 1);
  EXPECT_EQ(out.texts.size(), 2u) << "175E lies inside 170E..170W: the south and north edges count";
  Collected east;
  const InterceptBox further{0, 10, 176, -170};
  ASSERT_EQ(writeChartEdgeIntercepts(f.nav, further, east.writer()), 1);
  EXPECT_TRUE(east.texts.empty()) << "175E lies west of a chart starting at 176E";
}

TEST(Intercepts, FileRequestsWriteCrossingsWithTheirChartAndMisses) {
  TimesFixture f;
  route(f, {{0, 0}, {10, 10}});
  f.voyage.latitudeRequests = {{5, 1234}, {20, 0}, {kNoPosition, 0}, {7, 0}};
  f.voyage.longitudeRequests = {{5, 0}};
  Collected out;
  ASSERT_EQ(writeFileIntercepts(f.nav, out.writer()), 1);
  ASSERT_EQ(out.texts.size(), 3u) << "the list ends at its first value not above -200";
  const double crossing = parallelCrossings(f.voyage, LegGeometry(0), 1, 5, nullptr).at(0).longitude;
  EXPECT_EQ(out.texts[0], "\tLon? " + f.strings.prompt(47, 1234, lat(5), lon(crossing), 1, 2) + "\n");
  EXPECT_EQ(out.texts[1], f.strings.prompt(49, lat(20)));
  EXPECT_EQ(out.texts[2].rfind("\tLat? ", 0), 0u);
}

TEST(Intercepts, AFailedWriteStopsTheReport) {
  TimesFixture f;
  route(f, {{0, 0}, {10, 10}});
  f.voyage.latitudeRequests = {{5, 0}, {6, 0}};
  int calls = 0;
  EXPECT_EQ(writeFileIntercepts(f.nav, [&calls](const std::string&) { return ++calls > 5; }), 0);
  EXPECT_EQ(calls, 1);
}

TEST(Intercepts, InteractiveMissIsAskedOnceMoreThenGoesToTheStatus) {
  TimesFixture f;
  route(f, {{0, 0}, {10, 10}});
  f.answers({"20N", "30N"});
  askLongitudeIntercept(f.nav);
  EXPECT_EQ(f.host.prompts.size(), 2u);
  EXPECT_EQ(f.calculators.interceptText, f.strings.prompt(50));
  EXPECT_DOUBLE_EQ(f.calculators.lastInterceptLatitude, 30);
  ASSERT_EQ(f.host.popups.size(), 2u);
  EXPECT_EQ(f.host.popups[0].milliseconds, 1000);
}

TEST(Intercepts, InteractiveCrossingWritesTheHeadingAndBecomesTheResultText) {
  TimesFixture f;
  route(f, {{0, 0}, {10, 10}});
  f.voyage.routeFileName = "ROUTE.TXT";
  f.answers({"5E"});
  askLatitudeIntercept(f.nav);
  EXPECT_NE(f.messages.text().find("Z5 - ROUTE.TXT - "), std::string::npos);
  EXPECT_NE(f.messages.text().find("\tLat? "), std::string::npos);
  EXPECT_NE(f.calculators.interceptText.find(lon(5)), std::string::npos);
  EXPECT_DOUBLE_EQ(f.calculators.lastInterceptLongitude, 5);

  // The last longitude is offered next time; an empty answer reuses it.
  f.answers({""});
  askLatitudeIntercept(f.nav);
  EXPECT_EQ(f.host.offered.back(), lon(5));
  EXPECT_NE(f.calculators.interceptText.find(lon(5)), std::string::npos);
}

}  // namespace
}  // namespace z5
