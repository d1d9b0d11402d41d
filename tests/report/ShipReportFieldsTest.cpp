// The short position forms, speed texts and sailing method of the AMVER
// and MOVEREP reports.

#include "report/ShipReportRows.h"

#include <gtest/gtest.h>

namespace z5 {
namespace {

TEST(ShipReportFields, AmverPositionCutsTheMinutes) {
  struct {
    const char* legend;  // the fault the row would catch
    double degrees;
    PositionKind kind;
    const char* expected;
  } const cases[] = {
      {"minutes rounded instead of cut (37-48.99N)", 37 + 48.99 / 60, PositionKind::Latitude, "3748N"},
      {"longitude not in five digits", -(122 + 30.0 / 60), PositionKind::Longitude, "12230W"},
      {"leading zeros of a small longitude lost", 5 + 4.0 / 60, PositionKind::Longitude, "00504E"},
      {"southern latitude lettered N", -(33 + 52.5 / 60), PositionKind::Latitude, "3352S"},
      {"minutes not taken from the two-decimal text (48.9999 prints 49.00)", 37 + 48.9999 / 60, PositionKind::Latitude, "3749N"},
  };
  for (const auto& c : cases) EXPECT_EQ(amverPosition(c.degrees, c.kind), c.expected) << c.legend;
}

TEST(ShipReportFields, MoverepPositionCarriesACheckDigit) {
  EXPECT_EQ(moverepPosition(37 + 48.99 / 60, PositionKind::Latitude), "37-48N2") << "3+7+4+8 = 22";
  EXPECT_EQ(moverepPosition(-(122 + 30.0 / 60), PositionKind::Longitude), "122-30W8") << "1+2+2+3+0 = 8";
}

TEST(ShipReportFields, SpeedTexts) {
  struct {
    const char* legend;  // the fault the row would catch
    double knots;
    const char* amver;
  } const cases[] = {
      {"tenths of a knot not used", 12.5, "125"},
      {"leading zero lost below 10 knots", 8, "080"},
      {"two leading zeros lost below 1 knot", 0.5, "005"},
      {"half a tenth not rounded up", 12.45, "125"},
      {"below half a tenth rounded up", 12.44, "124"},
      {"a speed of 100 knots cut to three digits", 100, "1000"},
      {"no speed printed as a number", 0, "<speed>"},
  };
  for (const auto& c : cases) EXPECT_EQ(amverSpeedText(c.knots), c.amver) << c.legend;
  EXPECT_EQ(moverepSpeedText(12.5), "12.5K8");
  EXPECT_EQ(moverepSpeedText(9), "9.0K9");
}

TEST(ShipReportFields, GreatCircleOnlyWhereTheLegLeavesTheParallel) {
  Waypoint w;
  w.greatCircle = 1;
  w.rhumbLineCourse = 271.5;
  EXPECT_TRUE(sailsGreatCircle(w));
  w.rhumbLineCourse = 270;
  EXPECT_FALSE(sailsGreatCircle(w)) << "a great-circle leg along a parallel is a rhumb line";
  w.rhumbLineCourse = 90;
  EXPECT_FALSE(sailsGreatCircle(w));
  w.rhumbLineCourse = 45;
  w.kind = kComposite2;
  EXPECT_FALSE(sailsGreatCircle(w)) << "the parallel sailing of a composite route is a rhumb line";
  w.greatCircle = 0;
  w.kind = kGcCalcPoint;
  EXPECT_TRUE(sailsGreatCircle(w)) << "a great-circle point's leg is great circle";
  w.kind = kOrdinaryPoint;
  EXPECT_FALSE(sailsGreatCircle(w));
}

}  // namespace
}  // namespace z5
