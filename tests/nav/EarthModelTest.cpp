#include "nav/EarthModel.h"

#include <cmath>

#include <gtest/gtest.h>

namespace z5 {
namespace {

TEST(MeridionalParts, AreZeroOnTheEquatorAndOddInTheLatitude) {
  EXPECT_EQ(meridionalParts(0), 0);
  EXPECT_EQ(meridionalParts(0.9e-8), 0);  // below the equator tolerance
  EXPECT_GT(meridionalParts(1.1e-8), 0);
  for (double lat : {0.5, 10.0, 45.0, 80.0, 85.0}) EXPECT_DOUBLE_EQ(meridionalParts(-lat), -meridionalParts(lat));
}

TEST(MeridionalParts, GrowFasterThanTheLatitude) {
  // Near the equator the parts are close to the minutes of latitude
  // (slightly fewer on the ellipsoid), at 60 degrees about 1.3 times more.
  EXPECT_NEAR(meridionalParts(1), 59.6, 0.1);
  EXPECT_GT(meridionalParts(60) / 3600, 1.25);
  double previous = 0;
  for (double lat = 1; lat <= 89; lat += 1) {
    const double parts = meridionalParts(lat);
    EXPECT_GT(parts - previous, 59) << lat;
    previous = parts;
  }
}

TEST(LatitudeAtMeridionalParts, InvertsTheMeridionalParts) {
  for (double lat : {-84.9, -45.0, -0.01, 0.0, 12.345, 60.0, 85.0}) {
    const double found = latitudeAtMeridionalParts(meridionalParts(lat), 0.01);
    EXPECT_LE(std::fabs(meridionalParts(found) - meridionalParts(lat)), 0.01) << lat;
  }
}

TEST(LatitudeAtMeridionalParts, EndsForTargetsNoLatitudeReaches) {
  // The parts are not finite at the poles: the bisection must still stop.
  EXPECT_NEAR(latitudeAtMeridionalParts(1e9, 0.01), 90, 1e-3);
  EXPECT_NEAR(latitudeAtMeridionalParts(-1e9, 0.01), -90, 1e-3);
  const double nan = latitudeAtMeridionalParts(std::nan(""), 0.01);
  EXPECT_TRUE(nan >= -90 && nan <= 90);
}

TEST(DegreeLengths, MatchTheEllipsoid) {
  struct Row {
    double latitude, latitudeDegree, longitudeDegree;
    const char* legend;
  } rows[] = {
      // Metres of one degree on WGS 84 / 1852.
      {0, 110574.3 / 1852, 111319.5 / 1852, "equator: shortest degree of latitude, longest of longitude"},
      {45, 111132.1 / 1852, 78847.0 / 1852, "45 degrees"},
      {-45, 111132.1 / 1852, 78847.0 / 1852, "the sign of the latitude is ignored"},
      {60, 111412.3 / 1852, 55799.9 / 1852, "60 degrees: a degree of longitude is half the equator's"},
      {90, 111694.0 / 1852, 0, "pole: no longitude left"},
  };
  for (const Row& r : rows) {
    EXPECT_NEAR(degreeOfLatitudeLength(r.latitude), r.latitudeDegree, 0.02) << r.legend;
    EXPECT_NEAR(degreeOfLongitudeLength(r.latitude), r.longitudeDegree, 0.02) << r.legend;
  }
}

TEST(MeridianArcLength, WeighsTheDegreeLengthsAlongTheTrack) {
  const double l0 = degreeOfLatitudeLength(0);
  const double l10 = degreeOfLatitudeLength(10);
  const double l40 = degreeOfLatitudeLength(40);
  // Same side, no vertex: the mean of the ends.
  EXPECT_DOUBLE_EQ(meridianArcLength(600, 10, 20, 0), 600 * (l10 + degreeOfLatitudeLength(20)) / 120);
  // Across the equator: each side weighted by its share of the latitude.
  EXPECT_NEAR(meridianArcLength(1200, -10, 10, 0), 1200 * (l10 + l0) / 120, 1e-9);
  EXPECT_NEAR(meridianArcLength(1200, -5, 15, 0),
              1200 * 0.25 * (degreeOfLatitudeLength(5) + l0) / 120 +
                  1200 * 0.75 * (degreeOfLatitudeLength(15) + l0) / 120,
              1e-9);
  // A latitude of exactly 0 is on no side.
  EXPECT_DOUBLE_EQ(meridianArcLength(600, 0, 10, 0), 600 * (l0 + l10) / 120);
  // With a vertex: ends once, vertex twice.
  EXPECT_DOUBLE_EQ(meridianArcLength(900, 10, 20, 40),
                   900 * (l10 + 2 * l40 + degreeOfLatitudeLength(20)) / 240);
  EXPECT_DOUBLE_EQ(meridianArcLength(900, -10, 20, 40),
                   900 * (l10 + 2 * l40 + 2 * l0 + degreeOfLatitudeLength(20)) / 360);
  // The sign of the arc is kept.
  EXPECT_LT(meridianArcLength(-600, 10, 0, 0), 0);
}

}  // namespace
}  // namespace z5
