#include <gtest/gtest.h>

#include "nav/BearingTexts.h"

namespace z5 {
namespace {

TEST(BearingTexts, FiveDegreesAndItsReciprocal) {
  const BearingTexts t = bearingTexts(5, 12.5);
  EXPECT_EQ(t.course, "005.00T");
  EXPECT_EQ(t.reciprocal, "185.00T");
  EXPECT_EQ(t.distance, "12.50NM");

  const BearingTexts north = bearingTexts(LegGeometry(0), 0, 0, 1, 0, false);
  EXPECT_EQ(north.course, "000.00T");
  EXPECT_EQ(north.reciprocal, "180.00T");
  EXPECT_EQ(north.distance, "60.00NM");
}

}  // namespace
}  // namespace z5
