#include <cmath>
#include <initializer_list>
#include <utility>

#include <gtest/gtest.h>

#include "geo/EarthModel.h"
#include "geo/Longitude.h"
#include "geo/Projection.h"
#include "nav/ComputeMapExtent.h"

namespace z5 {
namespace {

Voyage voyageOf(std::initializer_list<std::pair<double, double>> positions) {
  Voyage v;
  for (auto [lat, lon] : positions) {
    Waypoint w;
    w.latitude = lat;
    w.longitude = lon;
    v.waypoints.push_back(w);
  }
  return v;
}

MapExtentRequest centredOn(double lat, double lon, double span, int width, int height) {
  MapExtentRequest r;
  r.viewPoint = true;
  r.viewLatitude = lat;
  r.viewLongitude = lon;
  r.degreeSpan = span;
  r.width = width;
  r.height = height;
  return r;
}

TEST(ComputeMapExtent, TakesTheReferenceMeridianFromTheMiddleWaypoint) {
  const Voyage v = voyageOf({{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}});
  EXPECT_EQ(ComputeMapExtent(v, wholeVoyageRequest(2, 800, 600)).referenceMeridian, 3);  // index (0 + 5) / 2
  const Voyage one = voyageOf({{10, -30}});
  EXPECT_EQ(ComputeMapExtent(one, wholeVoyageRequest(2, 800, 600)).referenceMeridian, -30);
}

TEST(ComputeMapExtent, InToWaypointModeTakesTheMiddleOfTheRemainingVoyage) {
  Voyage v = voyageOf({{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}});
  v.toWaypoint.index = 4;
  v.toWaypoint.start.latitude = 1;
  v.toWaypoint.start.longitude = 4.5;
  const MapExtent e = ComputeMapExtent(v, wholeVoyageRequest(2, 800, 600));
  EXPECT_EQ(e.referenceMeridian, 6);  // index (4 + 6) / 2 = 5
  // The earlier waypoints are not part of the map; the start position is.
  EXPECT_GT(e.west, 4.5 - 6 - 1);
  EXPECT_LT(e.west, 4.5 - 6);
}

TEST(ComputeMapExtent, KeepsAVoyageAcrossTheDateLineContinuous) {
  const Voyage v = voyageOf({{30, 170}, {31, 175}, {32, -178}, {33, -170}});
  const MapExtent e = ComputeMapExtent(v, wholeVoyageRequest(2, 1000, 100));
  EXPECT_EQ(e.referenceMeridian, -178);
  // The voyage spans 20 degrees relative to 178W, not 340.
  EXPECT_LT(e.west, -12);
  EXPECT_GT(e.east, 8);
  EXPECT_LT(e.east - e.west, 60);
}

TEST(ComputeMapExtent, WidensTheWholeVoyageByFifteenPercentEachSide) {
  // A wide drawing: latitude sets the scale, so the latitudes stay as widened.
  const Voyage v = voyageOf({{10, 0}, {20, 10}});
  const MapExtent e = ComputeMapExtent(v, wholeVoyageRequest(2, 1000, 100));
  EXPECT_NEAR(e.south, 8.5, 1e-6);
  EXPECT_NEAR(e.north, 21.5, 1e-6);
  EXPECT_EQ(e.height, 100);
  // The longitudes are centred on the widened middle, 5 degrees relative to R = 10.
  EXPECT_NEAR((e.west + e.east) / 2, -5, 1e-9);
  const double parts = std::trunc(meridionalParts(e.north) - meridionalParts(e.south));
  EXPECT_NEAR((e.east - e.west) * 60, 10 * parts, 1e-6);
}

TEST(ComputeMapExtent, ClampsAWholeVoyageToEightyFiveDegrees) {
  const Voyage v = voyageOf({{-80, 0}, {80, 1}});
  const MapExtent e = ComputeMapExtent(v, wholeVoyageRequest(2, 1000, 100));
  EXPECT_EQ(e.north, 85);
  EXPECT_EQ(e.south, -85);
}

TEST(ComputeMapExtent, RecentresTheLatitudesWhenLongitudeSetsTheScale) {
  // Along the equator on a square drawing: the meridional-parts span equals
  // the longitude span in minutes, centred on the equator.
  const Voyage v = voyageOf({{0, 0}, {0, 40}});
  const MapExtent e = ComputeMapExtent(v, wholeVoyageRequest(2, 500, 500));
  EXPECT_NEAR(e.north, -e.south, 1e-6);
  EXPECT_NEAR(meridionalParts(e.north) - meridionalParts(e.south), (e.east - e.west) * 60, 0.03);
  EXPECT_EQ(e.width, 500);
  EXPECT_EQ(e.height, 500);
}

TEST(ComputeMapExtent, WholeVoyageMapKeepsEveryWaypointInViewWhenLongitudeSetsTheScale) {
  // Recentred on the parts of the middle latitude, a map from the tropics to
  // the ice edge lost its far end (84N shown only to 79N) for some drawing
  // shapes, and with it the charts there from the search box.
  constexpr double kArcSecond = 1.0 / 3600;
  const Voyage north = voyageOf({{0, 0}, {84, 40}});
  const Voyage south = voyageOf({{0, 0}, {-84, 40}});
  for (int width = 100; width <= 1000; width += 7) {
    const MapExtent n = ComputeMapExtent(north, wholeVoyageRequest(2, width, 600));
    EXPECT_GE(n.north, 84 - kArcSecond) << width;
    EXPECT_LE(n.south, 0) << width;
    const MapExtent s = ComputeMapExtent(south, wholeVoyageRequest(2, width, 600));
    EXPECT_LE(s.south, -84 + kArcSecond) << width;
    EXPECT_GE(s.north, 0) << width;
  }
}

TEST(ComputeMapExtent, ShortensTheDrawingWhenEightyFiveDegreesAreNotEnough) {
  const Voyage v = voyageOf({{0, -80}, {1, 80}});
  const MapExtent e = ComputeMapExtent(v, wholeVoyageRequest(2, 100, 1000));
  EXPECT_EQ(e.north, 85);
  EXPECT_EQ(e.south, -85);
  EXPECT_EQ(e.width, 100);
  const double needed = (e.east - e.west) * 60 * 1000 / 100;
  EXPECT_EQ(e.height, static_cast<int>(2 * meridionalParts(85) * 1000 / needed));
  EXPECT_LT(e.height, 1000);
}

TEST(ComputeMapExtent, LimitsTheLongitudeSpanTo320Degrees) {
  const Voyage v = voyageOf({{-60, 0}, {60, 1}});
  const MapExtent e = ComputeMapExtent(v, wholeVoyageRequest(2, 4000, 100));
  EXPECT_NEAR(e.east - e.west, 320, 1e-9);
  EXPECT_GE(e.west, -180);
  EXPECT_LT(e.width, 4000);
  EXPECT_EQ(e.height, 100);
}

TEST(ComputeMapExtent, CentresAtEightyFourNorthFromEightyOneToEightyFive) {
  // Square drawing: the 4-degree span is taller in meridional parts than the
  // 4 degrees of longitude, so latitude sets the scale and 81..85 stays.
  const MapExtent e = ComputeMapExtent(Voyage{}, centredOn(84, 20, 4, 600, 600));
  EXPECT_EQ(e.north, 85);
  EXPECT_EQ(e.south, 81);
  EXPECT_EQ(e.referenceMeridian, 20);  // no waypoint: the view point
  EXPECT_NEAR(e.west, -e.east, 1e-9);
}

TEST(ComputeMapExtent, KeepsACentredMapAboveEightyFiveSouth) {
  const MapExtent e = ComputeMapExtent(voyageOf({{0, 0}}), centredOn(-84, 0, 10, 100, 1000));
  EXPECT_GE(e.south, -85 - 1e-9);
  EXPECT_EQ(e.height, 1000);
}

TEST(ComputeMapExtent, CentresOnTheChosenWaypointOrTheToWaypointStart) {
  Voyage v = voyageOf({{10, 10}, {20, 20}, {30, 30}});
  MapExtentRequest r;
  r.centreIndex = 1;
  r.degreeSpan = 2;
  r.width = 1000;
  r.height = 100;  // wide: latitude sets the scale, latitudes unchanged
  MapExtent e = ComputeMapExtent(v, r);
  EXPECT_NEAR((e.south + e.north) / 2, 20, 1e-9);
  v.toWaypoint.index = 2;
  v.toWaypoint.start.latitude = 25;
  v.toWaypoint.start.longitude = 25;
  e = ComputeMapExtent(v, r);  // index just before the to-waypoint index: the start position
  EXPECT_NEAR((e.south + e.north) / 2, 25, 1e-9);
}

TEST(Projection, PutsTheEdgesOfTheExtentOnTheEdgesOfTheDrawing) {
  for (auto [span, coarse] : {std::pair{2.0, false}, std::pair{60.0, true}}) {
    const MapExtent e = ComputeMapExtent(Voyage{}, centredOn(40, -30, span, 800, 600));
    EXPECT_EQ(e.ky != 0, coarse) << span;
    EXPECT_EQ(LatToY(e, e.northSeconds), 0);
    EXPECT_NEAR(LatToY(e, e.southSeconds), e.height, 1);
    EXPECT_EQ(LonToX(e, e.westSeconds), 0);
    EXPECT_NEAR(LonToX(e, e.eastSeconds), e.width, 1);
  }
}

TEST(Projection, IsMercatorAtCoarseScales) {
  const MapExtent e = ComputeMapExtent(Voyage{}, centredOn(40, 0, 60, 800, 800));
  ASSERT_NE(e.ky, 0);
  // The latitude whose meridional parts lie halfway is drawn halfway down,
  // which is not the middle latitude.
  const double middle = latitudeAtMeridionalParts((meridionalParts(e.south) + meridionalParts(e.north)) / 2, 0.01);
  EXPECT_NEAR(LatToY(e, toArcSeconds(middle)), e.height / 2, 2);
  EXPECT_GT(std::abs(LatToY(e, toArcSeconds((e.south + e.north) / 2)) - e.height / 2), 20);
}

TEST(Projection, DrawsPositionsNorthOfTheMapAboveIt) {
  for (double span : {2.0, 60.0}) {
    const MapExtent e = ComputeMapExtent(Voyage{}, centredOn(10, 0, span, 800, 600));
    EXPECT_LT(LatToY(e, e.northSeconds + 3600), 0) << span;
    EXPECT_LT(LonToX(e, e.westSeconds - 3600), 0) << span;
  }
}

TEST(Projection, ScaleDivisorsAreZeroBelowSixMinutesPerPixel) {
  MapExtent e;
  e.width = 100;
  e.height = 100;
  e.longitudeSpan = 35999;
  e.mpSpan = 36000;
  setScaleDivisors(e);
  EXPECT_EQ(e.kx, 0);
  EXPECT_EQ(e.ky, 360);
  EXPECT_DOUBLE_EQ(mapScaleNauticalMilesPerPixel(e, 100), 6.0);
}

}  // namespace
}  // namespace z5
