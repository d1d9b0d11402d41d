#include "geo/LegGeometry.h"

#include <cmath>

#include <gtest/gtest.h>

#include "geo/EarthModel.h"
#include "geo/Longitude.h"

namespace z5 {
namespace {

constexpr double kRad = 0.017453292519943295;

double courseDifference(double a, double b) { return std::fabs(std::fmod(a - b + 540, 360) - 180); }

TEST(RhumbLine, SpecialLegs) {
  const LegGeometry g(0);
  struct Row {
    double lat1, lon1, lat2, lon2, course, distance;
    const char* legend;
  } rows[] = {
      {10, 5, 10, 5, 0, 0, "identical positions: course 000, nothing to sail"},
      {0, 0, 0, 10, 90, 600, "equator eastwards: the difference of longitude"},
      {0, 10, 0, 0, 270, 600, "equator westwards"},
      {10, 5, 0, 5, 180, 600, "meridian southwards"},
      {-10, 5, 0, 5, 0, 600, "meridian northwards"},
      {60, 0, 60, 10, 90, 300, "parallel: departure = dlon x cos lat"},
  };
  for (const Row& r : rows) {
    const RhumbLineLeg leg = g.rhumbLine(r.lat1, r.lon1, r.lat2, r.lon2, false);
    EXPECT_NEAR(leg.course, r.course, 1e-9) << r.legend;
    EXPECT_NEAR(leg.distance, r.distance, 1e-6) << r.legend;
  }
}

TEST(RhumbLine, LegsToAndFromAPoleRunAlongTheMeridian) {
  // At a pole the meridional parts are infinite: a rhumb line reaching it
  // runs due north (or leaves due south) and is as long as its difference
  // of latitude, whatever the longitudes.
  const LegGeometry g(0);
  struct Row {
    double lat1, lon1, lat2, lon2, course;
    const char* legend;
  } rows[] = {
      {80, 10, 90, 20, 0, "to the north pole: due north, not a course that is not a number"},
      {90, 10, 80, 20, 180, "from the north pole: due south"},
      {-80, 10, -90, -20, 180, "to the south pole: due south"},
      {-90, 10, -80, 20, 0, "from the south pole: due north"},
  };
  for (const Row& r : rows) {
    const RhumbLineLeg leg = g.rhumbLine(r.lat1, r.lon1, r.lat2, r.lon2, false);
    EXPECT_NEAR(leg.course, r.course, 1e-9) << r.legend;
    EXPECT_NEAR(leg.distance, 600, 1e-9) << r.legend;
  }
  EXPECT_EQ(meridionalParts(90), HUGE_VAL);
  EXPECT_EQ(meridionalParts(-90), -HUGE_VAL);
}

TEST(RhumbLine, CourseInEachQuadrant) {
  const LegGeometry g(0);
  struct Row {
    double lat2, lon2, low, high;
    const char* legend;
  } rows[] = {
      {10, 10, 0, 90, "NE"},     {-10, 10, 90, 180, "SE"}, {-10, -10, 180, 270, "SW"},
      {10, -10, 270, 360, "NW"},
  };
  for (const Row& r : rows) {
    const RhumbLineLeg leg = g.rhumbLine(0, 0, r.lat2, r.lon2, false);
    EXPECT_GT(leg.course, r.low) << r.legend;
    EXPECT_LT(leg.course, r.high) << r.legend;
    // Mercator: tan(course) = dlon / dparts.
    const double expected = std::atan2(r.lon2 * 60, meridionalParts(r.lat2)) / kRad;
    EXPECT_NEAR(courseDifference(leg.course, std::fmod(expected + 360, 360)), 0, 1e-9) << r.legend;
  }
}

TEST(RhumbLine, GeodeticUsesTheLengthsOfADegree) {
  const LegGeometry g(0);
  EXPECT_NEAR(g.rhumbLine(0, 0, 0, 10, true).distance, degreeOfLongitudeLength(0) * 10, 1e-9);
  EXPECT_NEAR(g.rhumbLine(10, 5, 0, 5, true).distance, std::fabs(meridianArcLength(-600, 10, 0, 0)), 1e-9);
  const RhumbLineLeg plain = g.rhumbLine(20, 10, 30, 20, false);
  EXPECT_NEAR(g.rhumbLine(20, 10, 30, 20, true).distance, meridianArcLength(plain.distance, 20, 30, 0), 1e-9);
}

TEST(RhumbLine, TakesLongitudesRelativeToTheReferenceMeridian) {
  // 179E to 179W: two degrees east when the reference lies near the 180th
  // meridian, the long way (358 degrees west) when it is Greenwich.
  const RhumbLineLeg near = LegGeometry(-179).rhumbLine(0, 179, 0, -179, false);
  EXPECT_EQ(near.course, 90);
  EXPECT_NEAR(near.distance, 120, 1e-9);
  const RhumbLineLeg far = LegGeometry(0).rhumbLine(0, 179, 0, -179, false);
  EXPECT_EQ(far.course, 270);
  EXPECT_NEAR(far.distance, 358 * 60, 1e-9);
}

TEST(GreatCircleLeg, SpecialLegs) {
  const LegGeometry g(0);
  struct Row {
    double lat1, lon1, lat2, lon2, course, distance, tolerance;
    const char* legend;
  } rows[] = {
      {10, 5, 10, 5, 90, 0, 1e-4, "identical positions: solved through the eastward nudge, distance ~0"},
      {0, 0, 0, 10, 90, 600, 1e-3, "equator eastwards"},
      {0, 10, 0, 0, 270, 600, 1e-3, "equator westwards"},
      {10, 5, 0, 5, 180, 600, 1e-3, "meridian southwards: course 180 as with the rhumb line"},
      {-10, 5, 0, 5, 0, 600, 1e-3, "meridian northwards"},
  };
  for (const Row& r : rows) {
    const GreatCircleLeg leg = g.greatCircleLeg(r.lat1, r.lon1, r.lat2, r.lon2, false);
    EXPECT_LT(courseDifference(leg.course, r.course), 1e-4) << r.legend;
    EXPECT_NEAR(leg.distance, r.distance, r.tolerance) << r.legend;
    EXPECT_GE(leg.course, 0) << r.legend;
    EXPECT_LT(leg.course, 360) << r.legend;
  }
  EXPECT_NEAR(g.greatCircleLeg(0, 0, 0, 10, true).distance, degreeOfLongitudeLength(0) * 10, 1e-3);
}

TEST(GreatCircleLeg, LeavesTheEquatorWestwardsOnAWesternCourse) {
  const LegGeometry g(0);
  for (double lat2 : {10.0, -10.0, 0.5}) {
    const double course = g.greatCircleLeg(0, 0, lat2, -20, false).course;
    EXPECT_GT(course, 180) << lat2;
    EXPECT_LT(course, 360) << lat2;
  }
}

TEST(GreatCircleLeg, FindsTheVertex) {
  const LegGeometry g(0);
  // Symmetric leg along 40N: the vertex lies halfway, tan(lat) = tan 40 / cos 60.
  const double vertex = std::atan(std::tan(40 * kRad) / std::cos(60 * kRad)) / kRad;
  GreatCircleLeg leg = g.greatCircleLeg(40, -60, 40, 60, false);
  EXPECT_NEAR(leg.vertexLatitude, vertex, 1e-6);
  EXPECT_NEAR(leg.vertexLongitude, 0, 1e-5);
  EXPECT_NEAR(leg.vertexDifference, 60, 1e-5);
  EXPECT_TRUE(leg.vertexOnLeg);
  EXPECT_LT(leg.course, 90);
  // The same in the southern hemisphere: the southern vertex.
  leg = g.greatCircleLeg(-40, -60, -40, 60, false);
  EXPECT_NEAR(leg.vertexLatitude, -vertex, 1e-6);
  EXPECT_NEAR(leg.vertexLongitude, 0, 1e-5);
  EXPECT_TRUE(leg.vertexOnLeg);
  EXPECT_GT(leg.course, 90);
  // Westwards: same vertex, found behind the start's meridian the other way.
  leg = g.greatCircleLeg(40, 60, 40, -60, false);
  EXPECT_NEAR(leg.vertexLongitude, 0, 1e-5);
  EXPECT_GT(leg.course, 270);
  // A leg that ends before the vertex does not contain it.
  EXPECT_FALSE(g.greatCircleLeg(40, -60, 55, -10, false).vertexOnLeg);
}

TEST(GreatCircleLeg, TakesTheShortWayAcrossTheDateLine) {
  for (double reference : {0.0, 180.0, -170.0}) {
    const GreatCircleLeg leg = LegGeometry(reference).greatCircleLeg(40, 170, 40, -170, false);
    EXPECT_LT(leg.course, 90) << reference;
    EXPECT_LT(leg.distance, 20 * 60 * std::cos(40 * kRad)) << reference;
    EXPECT_GT(leg.distance, 900) << reference;
    EXPECT_NEAR(std::fabs(leg.vertexLongitude), 180, 1e-5) << reference;
    EXPECT_TRUE(leg.vertexOnLeg) << reference;
  }
}

TEST(GreatCircleLeg, AltitudeIsNinetyLessTheArc) {
  const GreatCircleLeg leg = LegGeometry(0).greatCircleLeg(0, 0, 0, 30, false);
  EXPECT_NEAR(leg.altitude, 60, 1e-4);
}

TEST(GreatCirclePointAtLongitude, FollowsTheGreatCircle) {
  const LegGeometry g(0);
  const GreatCircleLeg leg = g.greatCircleLeg(40, -60, 40, 60, false);
  const double tanVertex = std::tan(leg.vertexLatitude * kRad);
  for (double lon : {-50.0, -30.0, 0.0, 15.0, 45.0}) {
    const double expected = std::atan(tanVertex * std::cos(lon * kRad)) / kRad;
    EXPECT_NEAR(g.greatCirclePointAtLongitude(leg, lon, 40, -60, 60, 0).latitude, expected, 1e-6) << lon;
  }
  // Southern hemisphere: the same circle mirrored.
  const GreatCircleLeg south = g.greatCircleLeg(-40, -60, -40, 60, false);
  EXPECT_NEAR(g.greatCirclePointAtLongitude(south, -30, -40, -60, 60, 0).latitude,
              -std::atan(tanVertex * std::cos(30 * kRad)) / kRad, 1e-6);
}

TEST(GreatCirclePointAtLongitude, GivesTheCrossingsOfTheLimitingParallel) {
  const LegGeometry g(0);
  const GreatCircleLeg leg = g.greatCircleLeg(40, -60, 40, 60, false);
  const double n = std::acos(std::tan(50 * kRad) / std::tan(leg.vertexLatitude * kRad)) / kRad;
  GreatCirclePoint p = g.greatCirclePointAtLongitude(leg, -10, 40, -60, 60, 50);
  ASSERT_TRUE(p.crossesLimit);
  EXPECT_NEAR(p.firstCrossing, -n, 1e-5);  // eastwards: the western crossing first
  EXPECT_NEAR(p.secondCrossing, n, 1e-5);
  const GreatCircleLeg back = g.greatCircleLeg(40, 60, 40, -60, false);
  p = g.greatCirclePointAtLongitude(back, 10, 40, 60, -60, 50);
  EXPECT_NEAR(p.firstCrossing, n, 1e-5);
  EXPECT_NEAR(p.secondCrossing, -n, 1e-5);
  EXPECT_FALSE(g.greatCirclePointAtLongitude(leg, -10, 40, -60, 60, 70).crossesLimit);  // limit above the vertex
}

TEST(RhumbCrossings, FindWhereALegCrossesAMeridianOrAParallel) {
  const LegGeometry g(0);
  const Position start{10, -20};
  const Position end{30, 10};
  const double course = g.rhumbLine(10, -20, 30, 10, false).course;
  // Meridian 0: the rhumb line from the start to the crossing has the leg's course.
  const int lat = g.rhumbLatitudeAtLongitude(0, start, end, course);
  EXPECT_GT(lat, 10 * 3600);
  EXPECT_LT(lat, 30 * 3600);
  EXPECT_NEAR(g.rhumbLine(10, -20, lat / 3600.0, 0, false).course, course, 0.01);
  // Parallel 20N, and back: the meridian found gives the same parallel.
  const int lon = g.rhumbLongitudeAtLatitude(20 * 3600, start, end, course);
  EXPECT_NEAR(g.rhumbLatitudeAtLongitude(lon, start, end, course), 20 * 3600, 2);
  // Outside the leg.
  EXPECT_EQ(g.rhumbLatitudeAtLongitude(20 * 3600, start, end, course), kNoCrossingSeconds);
  EXPECT_EQ(g.rhumbLongitudeAtLatitude(40 * 3600, start, end, course), kNoCrossingSeconds);
  // Ends are inside.
  EXPECT_EQ(g.rhumbLongitudeAtLatitude(10 * 3600, start, end, course), -20 * 3600);
}

TEST(RhumbCrossings, CardinalCoursesGiveTheStart) {
  const LegGeometry g(0);
  const Position start{10.5, -20.25};
  EXPECT_EQ(g.rhumbLatitudeAtLongitude(0, start, {10.5, 10}, 90), toArcSeconds(10.5));
  EXPECT_EQ(g.rhumbLongitudeAtLatitude(10 * 3600, start, {-5, -20.25}, 180), toArcSeconds(-20.25));
}

TEST(RhumbCrossings, WorkAcrossTheDateLine) {
  const LegGeometry g(180);
  const Position start{10, 175};
  const Position end{20, -175};
  const double course = g.rhumbLine(10, 175, 20, -175, false).course;
  const int lat = g.rhumbLatitudeAtLongitude(180 * 3600, start, end, course);
  EXPECT_GT(lat, 14 * 3600);
  EXPECT_LT(lat, 16 * 3600);
  const int lon = g.rhumbLongitudeAtLatitude(lat, start, end, course);
  EXPECT_NEAR(std::abs(lon), 180 * 3600, 60);
}

}  // namespace
}  // namespace z5
