#include "geo/Longitude.h"

#include <climits>
#include <cmath>

#include <gtest/gtest.h>

namespace z5 {
namespace {

TEST(RelativeLongitude, WrapsOnceIntoTheHalfTurnAroundTheReference) {
  struct Row {
    double longitude, reference, relative;
    const char* legend;
  } rows[] = {
      {10, 0, 10, "no reference: unchanged"},
      {-170, 170, 20, "across the 180th meridian eastwards: +20, not -340"},
      {170, -170, -20, "across the 180th meridian westwards: -20, not +340"},
      {180, 0, 180, "exactly 180 is not wrapped"},
      {-180, 0, -180, "exactly -180 is not wrapped"},
      {0, 180, -180, "opposite meridian stays at -180"},
  };
  for (const Row& r : rows) EXPECT_DOUBLE_EQ(relativeLongitude(r.longitude, r.reference), r.relative) << r.legend;
}

TEST(AbsoluteLongitude, UndoesRelativeLongitude) {
  for (double reference : {-179.5, -90.0, 0.0, 45.25, 179.0}) {
    for (double longitude = -180; longitude <= 180; longitude += 7.5) {
      const double back = absoluteLongitude(relativeLongitude(longitude, reference), reference);
      // 180 and -180 are the same meridian.
      EXPECT_NEAR(std::fmod(back - longitude + 540, 360) - 180, 0, 1e-9) << longitude << " ref " << reference;
    }
  }
}

TEST(RelativeLongitudeSeconds, WrapsAtTheHalfTurnAndNeverOverflows) {
  EXPECT_EQ(relativeLongitudeSeconds(-612000, 612000), 72000);  // 170W against 170E: +20 degrees
  EXPECT_EQ(relativeLongitudeSeconds(612000, -612000), -72000);
  EXPECT_EQ(relativeLongitudeSeconds(648000, 0), 648000);
  EXPECT_EQ(absoluteLongitudeSeconds(72000, 612000), -612000);
  // Absurd inputs from a damaged file: no overflow, one wrap step only.
  EXPECT_EQ(relativeLongitudeSeconds(INT_MIN, 648000), static_cast<int>(std::int64_t{INT_MIN} - 648000 + 1296000));
}

TEST(ToArcSeconds, TruncatesTowardZero) {
  EXPECT_EQ(toArcSeconds(1.99999 / 3600), 1);
  EXPECT_EQ(toArcSeconds(-1.99999 / 3600), -1);  // not -2: toward zero, not down
  EXPECT_EQ(toArcSeconds(-10.5), -37800);
  EXPECT_EQ(toArcSeconds(1e300), INT_MAX);
  EXPECT_EQ(toArcSeconds(std::nan("")), kNoCrossingSeconds);
}

}  // namespace
}  // namespace z5
