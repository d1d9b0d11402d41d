// The data file and the $CCWPL export: which points are exported, the
// leading empty line, and the data file read back as a route.

#include <gtest/gtest.h>

#include "ReportTesting.h"

namespace z5 {
namespace {

using test::countLinesWith;
using test::lines;

class WaypointExport : public test::ReportTest {};

constexpr const char* kArctic =
    "North Cape\n71-15N\n025-40E\n!SPEED 11\n!GC 20\nBering Strait\n66-00N\n169-00W\n";

TEST_F(WaypointExport, GreatCirclePointsFollowTheSettingAndCompositePointsStay) {
  ASSERT_EQ(extract(kArctic), kVoyageBuilt);
  int gcPoints = 0;
  for (const Waypoint& w : voyage().waypoints) gcPoints += w.kind == kGcCalcPoint ? 1 : 0;
  ASSERT_GT(gcPoints, 0);
  for (int format : {kDataFileOutput, kWaypointSentenceOutput}) {
    settings().NO_CALC_GC_OUT = 1;
    std::string text = report(format);
    EXPECT_EQ(text.front(), '\n') << "an empty first line";
    EXPECT_EQ(countLinesWith(text, "GC calc"), 0) << format;
    EXPECT_EQ(countLinesWith(text, "composite-1"), 1) << format;
    EXPECT_EQ(countLinesWith(text, "composite-2"), 1) << format;
    settings().NO_CALC_GC_OUT = 0;
    text = report(format);
    EXPECT_EQ(countLinesWith(text, "GC calc"), gcPoints) << format;
  }
}

TEST_F(WaypointExport, DataFileReadsBackAsTheSameRoute) {
  constexpr const char* kRoute =
      "Nab Tower\n50-40.05N\n001-05.10W\n  Ushant TSS\n48-30.123N\n005-45W\nEuropa Point\n36-06.50N\n005-20.50W\n";
  ASSERT_EQ(extract(kRoute), kVoyageBuilt);
  const std::vector<Waypoint> before = voyage().waypoints;
  for (int extra : {0, 1}) {
    settings().EXTRA_PRECISION = extra;
    for (int format : {kDataFileOutput, kWaypointSentenceOutput}) {
      ASSERT_EQ(extract(kRoute), kVoyageBuilt);
      const std::string text = report(format);
      ASSERT_EQ(extract(text), kVoyageBuilt) << text;
      ASSERT_EQ(voyage().count(), static_cast<int>(before.size()));
      const double step = extra ? 0.0005 / 60 : 0.005 / 60;
      for (int i = 0; i < voyage().count(); ++i) {
        // A sentence's identifier starts at the name's first character.
        const std::string name = format == kDataFileOutput
                                     ? before[i].name
                                     : paddedWaypointName(before[i].name.substr(before[i].name.find_first_not_of(' ')));
        EXPECT_EQ(voyage().waypoints[i].name, name) << text;
        EXPECT_NEAR(voyage().waypoints[i].latitude, before[i].latitude, step + 1e-12) << text;
        EXPECT_NEAR(voyage().waypoints[i].longitude, before[i].longitude, step + 1e-12) << text;
      }
    }
  }
}

TEST_F(WaypointExport, EnteredPositionIsTheFirstRecord) {
  enterPosition(1, 49, -3);
  ASSERT_EQ(extract("A\n50N\n001W\nB\n48N\n005W\nC\n45N\n008W\n"), kVoyageBuilt);
  const std::vector<std::string> text = lines(report(kWaypointSentenceOutput));
  const std::vector<std::string> expected = {"", "$CCWPL,4900.00,N,00300.00,W,POS               ",
                                             "$CCWPL,4800.00,N,00500.00,W,B                 ",
                                             "$CCWPL,4500.00,N,00800.00,W,C                 "};
  EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace z5
