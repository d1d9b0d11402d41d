#include "geo/MeridionalPartsTable.h"

#include <cmath>

#include <gtest/gtest.h>

#include "geo/EarthModel.h"

namespace z5 {
namespace {

const MeridionalPartsTable& table() { return MeridionalPartsTable::instance(); }

TEST(MeridionalPartsTable, HoldsRoundedPartsInArcSecondsEvery32Seconds) {
  EXPECT_EQ(table().entry(0), 0);
  for (int i : {1, 100, 4500, 9000, MeridionalPartsTable::kEntries - 1}) {
    const double latitude = i * 32.0 / 3600;
    EXPECT_LE(std::fabs(table().entry(i) - meridionalParts(latitude) * 60), 0.5) << i;
  }
  // The last entry is 313152 arc-seconds, just short of 87 degrees.
  EXPECT_EQ(MeridionalPartsTable::kLastLatitudeSeconds, 313152);
}

TEST(MeridionalPartsTable, InterpolatesBetweenEntriesWithIntegers) {
  const int lower = table().entry(1000);
  const int upper = table().entry(1001);
  EXPECT_EQ(table().lookup(1000 * 32), lower);
  EXPECT_EQ(table().lookup(1000 * 32 + 16), lower + (upper - lower) * 16 / 32);
  EXPECT_EQ(table().lookup(1001 * 32), upper);
}

TEST(MeridionalPartsTable, IsOddInTheLatitudeAndHoldsBeyondItsLastEntry) {
  EXPECT_EQ(table().lookup(-180000), -table().lookup(180000));
  const int last = table().entry(MeridionalPartsTable::kEntries - 1);
  EXPECT_EQ(table().lookup(324000), last);  // the pole: no read beyond the table
  EXPECT_EQ(table().lookup(-324000), -last);
}

}  // namespace
}  // namespace z5
