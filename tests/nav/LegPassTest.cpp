#include "nav/LegPass.h"

#include <cmath>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "app/AppContexts.h"
#include "app/Z5App.h"
#include "base/SettingsStore.h"
#include "charts/ChartCatalogueFile.h"
#include "geo/LegGeometry.h"
#include "geo/Longitude.h"

namespace z5 {
namespace {

struct Point {
  double lat, lon;
  int greatCircle = 0;
  double gcInterval = 0;
};

class LegPassTest : public ::testing::Test {
 protected:
  void voyage(std::initializer_list<Point> points) {
    voyage_ = Voyage{};
    for (const Point& p : points) {
      Waypoint w;
      w.latitude = p.lat;
      w.longitude = p.lon;
      w.greatCircle = p.greatCircle;
      w.gcInterval = p.gcInterval;
      w.name = paddedWaypointName("WP" + std::to_string(voyage_.count()));
      voyage_.waypoints.push_back(w);
    }
  }

  int run(int geodetic = 0, int gcData = 1) { return computeLegs(pass_, home_, 2.0, geodetic, gcData); }

  std::vector<std::string> names() const {
    std::vector<std::string> n;
    for (const Waypoint& w : voyage_.waypoints) n.push_back(w.name);
    return n;
  }

  std::vector<double> insertedLongitudes() const {
    std::vector<double> lons;
    for (const Waypoint& w : voyage_.waypoints) {
      if (w.kind == kGcCalcPoint) lons.push_back(w.longitude);
    }
    return lons;
  }

  int indexOfKind(int kind) const {
    for (int i = 0; i < voyage_.count(); ++i) {
      if (voyage_.waypoints[i].kind == kind) return i;
    }
    return -1;
  }

  test::ScriptedHost host_;
  StringTable strings_;
  Messages messages_{host_, strings_};
  test::TempDir dir_;
  std::string home_ = dir_.home();  // no chart.dat unless a test writes one
  Voyage voyage_;
  GreatCircleSettings greatCircle_;
  ChartScaleLimits scaleLimits_;
  MapExtent extent_;
  RouteChartTable charts_;
  LegPassContext pass_{voyage_, greatCircle_, scaleLimits_, extent_, charts_, messages_};
};

TEST_F(LegPassTest, FillsCoursesDistancesAndDistancesToGo) {
  voyage({{50, -5}, {50, -6}, {40, -69}, {40, -74}});
  ASSERT_EQ(run(), 0);
  const LegGeometry g(extent_.referenceMeridian);
  EXPECT_EQ(extent_.referenceMeridian, -69);  // waypoint (0 + 4) / 2
  double total = 0;
  for (int i = 1; i < voyage_.count(); ++i) {
    const Waypoint& a = voyage_.waypoints[i - 1];
    const Waypoint& b = voyage_.waypoints[i];
    const RhumbLineLeg rhumb = g.rhumbLine(a.latitude, a.longitude, b.latitude, b.longitude, false);
    EXPECT_DOUBLE_EQ(b.rhumbLineCourse, rhumb.course) << i;
    EXPECT_DOUBLE_EQ(b.legDistance, rhumb.distance) << i;  // rhumb-line legs: rhumb distance
    EXPECT_DOUBLE_EQ(b.greatCircleCourse,
                     g.greatCircleLeg(a.latitude, a.longitude, b.latitude, b.longitude, false).course)
        << i;
    total += b.legDistance;
  }
  EXPECT_DOUBLE_EQ(voyage_.waypoints[0].distanceToGo, total);
  EXPECT_NEAR(voyage_.waypoints[1].distanceToGo, total - voyage_.waypoints[1].legDistance, 1e-9);
  EXPECT_EQ(voyage_.waypoints[3].distanceToGo, 0);
  EXPECT_EQ(voyage_.count(), 4);  // rhumb-line legs are not divided
}

TEST_F(LegPassTest, PutsGcPointsOnMultiplesOfFiveAndNoneNearTheDestination) {
  voyage({{40, 12.3}, {45, 60, 1, 5}});
  ASSERT_EQ(run(), 0);
  EXPECT_EQ(insertedLongitudes(), (std::vector<double>{15, 20, 25, 30, 35, 40, 45, 50, 55}));
  EXPECT_EQ(voyage_.waypoints[1].name, "- GC calc   15.00E");
  EXPECT_EQ(voyage_.waypoints.back().name, paddedWaypointName("WP1"));
}

TEST_F(LegPassTest, StepTenStillFallsOnMultiplesOfFive) {
  voyage({{40, 12.3}, {45, 60, 1, 10}});
  ASSERT_EQ(run(), 0);
  EXPECT_EQ(insertedLongitudes(), (std::vector<double>{20, 30, 40, 50}));
}

TEST_F(LegPassTest, DividesWestboundLegsTowardsZero) {
  voyage({{40, -12.3}, {45, -60, 1, 5}});
  ASSERT_EQ(run(), 0);
  EXPECT_EQ(insertedLongitudes(), (std::vector<double>{-15, -20, -25, -30, -35, -40, -45, -50, -55}));
  EXPECT_EQ(voyage_.waypoints[1].name, "- GC calc   15.00W");
}

TEST_F(LegPassTest, DividesLegsAcrossTheDateLine) {
  voyage({{40, 170}, {40, -170, 1, 5}});
  ASSERT_EQ(run(), 0);
  EXPECT_EQ(insertedLongitudes(), (std::vector<double>{175, 180, -175}));
  EXPECT_EQ(names()[2], "- GC calc  180.00E");
  EXPECT_EQ(names()[3], "- GC calc  175.00W");
  for (int i = 1; i < voyage_.count(); ++i) {
    EXPECT_LT(voyage_.waypoints[i].legDistance, 400) << i;  // the short way, not round the world
  }
}

TEST_F(LegPassTest, GcPointsLieOnTheGreatCircleAndCarryItsData) {
  voyage({{40, -60}, {40, 60, 1, 10}});
  greatCircle_.limit = 85;
  ASSERT_EQ(run(), 0);
  const LegGeometry g(extent_.referenceMeridian);
  const double tanVertex = std::tan(std::atan(std::tan(40 * 0.017453292519943295) / std::cos(60 * 0.017453292519943295)));
  for (int i = 1; i + 1 < voyage_.count(); ++i) {
    const Waypoint& w = voyage_.waypoints[i];
    const Waypoint& before = voyage_.waypoints[i - 1];
    ASSERT_EQ(w.kind, kGcCalcPoint);
    EXPECT_EQ(w.greatCircle, 1);
    EXPECT_NEAR(w.latitude, std::atan(tanVertex * std::cos(w.longitude * 0.017453292519943295)) * 57.29577951308232,
                1e-6);
    EXPECT_NEAR(w.legDistance,
                g.greatCircleLeg(before.latitude, before.longitude, w.latitude, w.longitude, false).distance, 1e-9);
    // The course along the same great circle from the point before.
    EXPECT_NEAR(w.greatCircleCourse,
                g.greatCircleLeg(before.latitude, before.longitude, 40, 60, false).course, 1e-9);
    EXPECT_NEAR(w.greatCircleCourse,
                g.greatCircleLeg(before.latitude, before.longitude, w.latitude, w.longitude, false).course, 1e-5);
  }
  EXPECT_EQ(voyage_.count(), 13);  // -50 ... 50
}

TEST_F(LegPassTest, GcPointsTakeRhumbDistancesWithoutGcData) {
  voyage({{40, -60}, {40, 60, 1, 10}});
  ASSERT_EQ(run(0, 0), 0);
  const LegGeometry g(extent_.referenceMeridian);
  const Waypoint& a = voyage_.waypoints[0];
  const Waypoint& b = voyage_.waypoints[1];
  EXPECT_DOUBLE_EQ(b.legDistance, g.rhumbLine(a.latitude, a.longitude, b.latitude, b.longitude, false).distance);
}

TEST_F(LegPassTest, SailsCompositeAlongTheLimitingParallel) {
  voyage({{40, -60}, {40, 60, 1, 5}});
  greatCircle_.limit = 50;
  ASSERT_EQ(run(), 0);
  const int c1 = indexOfKind(kComposite1);
  const int c2 = indexOfKind(kComposite2);
  ASSERT_GT(c1, 0);
  ASSERT_EQ(c2, c1 + 1);
  const Waypoint& first = voyage_.waypoints[c1];
  const Waypoint& second = voyage_.waypoints[c2];
  EXPECT_EQ(first.name, "composite-1       ");
  EXPECT_EQ(second.name, "composite-2       ");
  EXPECT_EQ(first.latitude, 50);
  EXPECT_EQ(second.latitude, 50);
  // Where great circles from each end just touch 50N.
  const double reach = std::acos(std::tan(40 * 0.017453292519943295) / std::tan(50 * 0.017453292519943295)) *
                       57.29577951308232;
  EXPECT_NEAR(first.longitude, -60 + reach, 1e-9);
  EXPECT_NEAR(second.longitude, 60 - reach, 1e-9);
  EXPECT_EQ(first.greatCircle, 1);
  EXPECT_EQ(second.greatCircle, 0);
  // Along the parallel: the departure, the rhumb-line distance.
  EXPECT_NEAR(second.legDistance, 2 * (60 - reach) * 60 * std::cos(50 * 0.017453292519943295), 1e-6);
  EXPECT_EQ(second.rhumbLineCourse, 90);
  // GC points on both great circles, none beyond the limit, none on the parallel.
  for (int i = 1; i < voyage_.count() - 1; ++i) {
    EXPECT_LE(voyage_.waypoints[i].latitude, 50 + 1e-9) << i;
    if (voyage_.waypoints[i].kind == kGcCalcPoint) {
      EXPECT_TRUE(voyage_.waypoints[i].longitude < first.longitude || voyage_.waypoints[i].longitude > second.longitude);
    }
  }
  EXPECT_EQ(insertedLongitudes(), (std::vector<double>{-55, -50, -45, -40, -35, -30, -25, -20, 20, 25, 30, 35, 40,
                                                       45, 50, 55}));
  EXPECT_EQ(voyage_.waypoints.back().name, paddedWaypointName("WP1"));
}

TEST_F(LegPassTest, LeavesEquatorLegsUndivided) {
  voyage({{0, 0}, {0, 60, 1, 5}});
  ASSERT_EQ(run(), 0);
  EXPECT_EQ(voyage_.count(), 2);
  EXPECT_EQ(voyage_.waypoints[1].rhumbLineCourse, 90);
}

TEST_F(LegPassTest, GreatCircleModeDividesOnlyLegsThatSaveEnough) {
  greatCircle_.mode = 1;
  greatCircle_.step = 0;  // unset: 5 degrees
  greatCircle_.minimumSaving = 5;
  voyage({{50, -5}, {50, -6}, {40, -69}});  // the first leg saves nothing
  ASSERT_EQ(run(), 0);
  EXPECT_EQ(voyage_.waypoints[1].kind, kOrdinaryPoint);
  EXPECT_EQ(voyage_.waypoints[1].longitude, -6);
  EXPECT_EQ(insertedLongitudes().front(), -10);
  EXPECT_EQ(insertedLongitudes().back(), -65);
  // The pass's own settings are put back.
  EXPECT_EQ(greatCircle_.mode, 1);
  EXPECT_EQ(greatCircle_.step, 0);
  EXPECT_EQ(greatCircle_.minimumSaving, 5);
}

TEST_F(LegPassTest, RestoresTheSettingsAfterGcLegs) {
  greatCircle_.step = 3;
  voyage({{40, 12.3}, {45, 60, 1, 10}, {46, 70}});
  ASSERT_EQ(run(), 0);
  EXPECT_EQ(greatCircle_.mode, 0);
  EXPECT_EQ(greatCircle_.step, 3);
  EXPECT_EQ(greatCircle_.minimumSaving, 5);
}

TEST_F(LegPassTest, InsertedPointsSailAtTheSpeedOfTheLegTheyDivide) {
  voyage({{40, 12.3}, {45, 60, 1, 5}, {46, 61}});
  voyage_.waypoints[0].speed = 12;
  voyage_.waypoints[0].speedFixed = 1;
  voyage_.waypoints[0].stopHours = 6;
  voyage_.waypoints[0].zoneDescription = -1;
  voyage_.waypoints[1].speed = 8;
  ASSERT_EQ(run(), 0);
  double dividedHours = 0;
  double legDistance = 0;
  for (int i = 1; voyage_.waypoints[i].kind == kGcCalcPoint || i == 1; ++i) {
    const Waypoint& w = voyage_.waypoints[i];
    const Waypoint& before = voyage_.waypoints[i - 1];
    EXPECT_EQ(w.speed, 12) << i;
    EXPECT_EQ(w.speedFixed, 1) << i;
    EXPECT_EQ(w.stopHours, 0) << i;
    EXPECT_FALSE(w.zoneGiven()) << i;
    dividedHours += w.legDistance / before.speed;
    legDistance += w.legDistance;
  }
  // Timed piece by piece the divided leg takes as long as at the leg's own speed.
  EXPECT_NEAR(dividedHours, legDistance / 12, 1e-9);
  EXPECT_EQ(voyage_.waypoints[voyage_.count() - 2].speed, 8);  // the destination keeps its own
}

TEST_F(LegPassTest, StopsWithTheTableFullMessageWhenNoPointFits) {
  voyage({});
  for (int i = 0; i < kMaxWaypoints - 3; ++i) voyage_.waypoints.push_back(Waypoint{40, 0.001 * i});
  voyage_.waypoints.push_back(Waypoint{40, 1});
  Waypoint far{45, 60};
  far.greatCircle = 1;
  far.gcInterval = 5;
  voyage_.waypoints.push_back(far);
  voyage_.waypoints.push_back(Waypoint{46, 61});
  greatCircle_.step = 2;
  EXPECT_EQ(run(), kFatal);
  EXPECT_EQ(voyage_.count(), kMaxWaypoints);
  ASSERT_EQ(host_.popups.size(), 1u);
  EXPECT_EQ(host_.popups[0].text, strings_.error(kErrorTableFull, kMaxWaypoints));
  EXPECT_EQ(host_.popups[0].milliseconds, 8000);
  EXPECT_EQ(greatCircle_.step, 2);  // restored even so
}

TEST_F(LegPassTest, InToWaypointModeStartsFromTheEnteredPosition) {
  voyage({{50, -5}, {50, -6}, {45, -20}, {40, -30}});
  voyage_.toWaypoint.index = 2;
  voyage_.toWaypoint.start.latitude = 48;
  voyage_.toWaypoint.start.longitude = -10;
  voyage_.waypoints[1].legDistance = 12345;  // before the start: untouched
  int refreshed = 0;
  pass_.refreshToWaypoint = [&] { ++refreshed; };
  ASSERT_EQ(run(), 0);
  EXPECT_EQ(refreshed, 1);
  EXPECT_EQ(extent_.referenceMeridian, -30);  // waypoint (2 + 4) / 2
  const LegGeometry g(extent_.referenceMeridian);
  const Waypoint& k = voyage_.waypoints[2];
  EXPECT_DOUBLE_EQ(k.legDistance, g.rhumbLine(48, -10, 45, -20, false).distance);
  EXPECT_DOUBLE_EQ(k.rhumbLineCourse, g.rhumbLine(48, -10, 45, -20, false).course);
  EXPECT_DOUBLE_EQ(voyage_.toWaypoint.start.distanceToGo, k.legDistance + voyage_.waypoints[3].legDistance);
  EXPECT_DOUBLE_EQ(k.distanceToGo, voyage_.waypoints[3].legDistance);
  EXPECT_EQ(voyage_.waypoints[1].legDistance, 12345);
}

TEST_F(LegPassTest, SearchesTheChartsAlongTheVoyage) {
  home_ = Z5_DATA_DIR "/";
  // The sample route: Lizard Point, Bishop Rock, by great circle to
  // Nantucket Shoals, Ambrose Light.
  voyage({{49.916667, -5.2}, {49.833333, -6.583333}, {40.5, -69, 1, 5}, {40.458333, -73.831667}});
  ASSERT_EQ(run(), 0);
  ASSERT_GT(charts_.count(), 0);
  std::vector<int> numbers;
  for (const RouteChart& c : charts_.charts) {
    EXPECT_GE(c.number, 90000);
    EXPECT_LT(c.number, 91000);
    numbers.push_back(c.number);
  }
  // The 1:3,500,000 tiles of the departure and of the arrival; the 1:10,000,000 ones are above the limit.
  EXPECT_NE(std::find(numbers.begin(), numbers.end(), 90253), numbers.end());  // 45N-60N 020W-000E
  EXPECT_NE(std::find(numbers.begin(), numbers.end(), 90232), numbers.end());  // 30N-45N 080W-060W
  EXPECT_EQ(std::find(numbers.begin(), numbers.end(), 90021), numbers.end());
  EXPECT_TRUE(host_.popups.empty());
}

TEST_F(LegPassTest, ASingleWaypointHasNoCharts) {
  charts_.charts.push_back(RouteChart{});
  voyage({{50, -5}});
  ASSERT_EQ(run(), 0);
  EXPECT_EQ(charts_.count(), 0);
  EXPECT_TRUE(host_.popups.empty());  // chart.dat was not even opened
}

TEST(LegPassContext, RunsOverTheApplicationsOwnState) {
  test::ScriptedHost host;
  MemorySettingsStore store;
  test::FixedClock clock;
  Z5App app(host, store, clock);
  app.settings().HOME_PATH = Z5_DATA_DIR "/";
  app.mapView().drawingWidth = 500;
  app.mapView().drawingHeight = 1000;
  for (auto [lat, lon] : {std::pair{50.0, -5.0}, std::pair{40.0, -69.0}}) {
    Waypoint w;
    w.latitude = lat;
    w.longitude = lon;
    app.voyage().waypoints.push_back(w);
  }
  ASSERT_EQ(computeLegs(legPassContext(app), app.settings().HOME_PATH, 2.0, 0, 1), 0);
  EXPECT_GT(app.voyage().waypoints[1].legDistance, 0);
  EXPECT_EQ(app.voyageExtent().referenceMeridian, -69);
  EXPECT_EQ(app.voyageExtent().width, 500);  // fitted to the last drawing
  EXPECT_GT(app.routeCharts().count(), 0);
}

TEST(InsertWaypoint, InsertsBeforeThePositionWithDefaults) {
  test::ScriptedHost host;
  StringTable strings;
  Messages messages(host, strings);
  Voyage v;
  v.waypoints.resize(2);
  v.waypoints[1].name = "LAST";
  ASSERT_TRUE(insertWaypoint(v, messages, 1, 10, 20));
  ASSERT_EQ(v.count(), 3);
  EXPECT_EQ(v.waypoints[1].latitude, 10);
  EXPECT_EQ(v.waypoints[1].longitude, 20);
  EXPECT_EQ(v.waypoints[1].kind, kOrdinaryPoint);
  EXPECT_EQ(v.waypoints[2].name, "LAST");
}

}  // namespace
}  // namespace z5
