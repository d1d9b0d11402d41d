#include "geo/EarthModel.h"

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

TEST(MeridianArcLength, MeasuresMeridiansOnAndAcrossTheEquator) {
  // WGS 84: 1105855 m from the equator to 10 degrees, 3320113 m to 30 degrees.
  EXPECT_NEAR(meridianArcLength(1200, -10, 10, 0), 2 * 1105855.0 / 1852, 0.1);   // both sides weighted
  EXPECT_NEAR(meridianArcLength(600, 0, 10, 0), 1105855.0 / 1852, 0.05);         // 0 is on neither side
  // The sign is kept; the mean of the ends is within 0.02 % over 20 degrees.
  EXPECT_NEAR(meridianArcLength(-1200, 30, 10, 0), -(3320113.0 - 1105855.0) / 1852, 0.25);
}

}  // namespace
}  // namespace z5
