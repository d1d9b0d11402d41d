// Converting gmt coast dumps into line file segments, on committed excerpts
// around the Bering Strait (see tests/fixtures/gmt/README.md).

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <sstream>

#include "world/GmtCoastDump.h"
#include "world/LineDataBuilder.h"

namespace z5 {
namespace {

constexpr int kDeg = 3600;

std::vector<DumpPiece> dump(const std::string& name) {
  std::ifstream in(std::string(Z5_FIXTURES_DIR) + "/gmt/" + name);
  EXPECT_TRUE(in) << name;
  std::vector<DumpPiece> pieces;
  std::string error;
  EXPECT_TRUE(parseGmtDump(in, pieces, error)) << error;
  return pieces;
}

std::vector<LineSegment> landSegments() {
  const TierRuns runs = {{}, fingerprints(dump("bering_land_A100000.txt"))};
  std::vector<LineSegment> cut;
  for (const DumpPiece& p : dump("bering_land.txt"))
    for (LineSegment& s : cutMeridianEdges({landClass(p.level, landTier(p, runs)), p.points})) cut.push_back(s);
  return rejoinPieces(cut);
}

bool contains(const LineSegment& s, ArcPoint p) {
  return std::find(s.points.begin(), s.points.end(), p) != s.points.end();
}

TEST(WorldDataBuilder, ParsesLevelsAndRoundsToArcSeconds) {
  std::istringstream in("> Shore Bin # 8, Level 2\n180\t71.3986419471\n179.5 71.0001\r\n\n> River Bin # 4, Level 10\n1 2\n");
  std::vector<DumpPiece> pieces;
  std::string error;
  ASSERT_TRUE(parseGmtDump(in, pieces, error)) << error;
  ASSERT_EQ(pieces.size(), 1u);  // the one-point river is dropped
  EXPECT_EQ(pieces[0].level, 2);
  EXPECT_EQ(pieces[0].points, (std::vector<ArcPoint>{{648000, 257035}, {646200, 255600}}));
}

TEST(WorldDataBuilder, RejectsWhatIsNotADump) {
  const char* bad[] = {
      "1 2\n",                              // a point before any header
      "> Shore Bin # 1\n1 2\n",            // a header without a level
      "> Level 1\n1 x\n",                  // not a number
      "> Level 1\n1 95\n",                 // latitude beyond the pole
      "> Level 1\n1 2 3\n",                // a third column
      "> Level 1\nnan 2\n",                // not a finite number
  };
  for (const char* text : bad) {
    std::istringstream in(text);
    std::vector<DumpPiece> pieces;
    std::string error;
    EXPECT_FALSE(parseGmtDump(in, pieces, error)) << text;
    EXPECT_NE(error.find("line "), std::string::npos);
  }
}

TEST(WorldDataBuilder, RepeatedPointsAndOnePointRiversAreDropped) {
  const auto rivers = dump("bering_rivers.txt");
  for (const DumpPiece& p : rivers) {
    EXPECT_GE(p.points.size(), 2u);
    for (std::size_t i = 1; i < p.points.size(); ++i) EXPECT_FALSE(p.points[i] == p.points[i - 1]);
  }
  EXPECT_EQ(rivers.size(), 23u);  // 24 pieces, one of a single repeated point
}

TEST(WorldDataBuilder, BinPiecesOfChukotkaRejoinIntoOneLine) {
  const auto land = landSegments();
  // Four pieces cut at 70 N and at 160 E and 180 E chain into one line.
  const ArcPoint atMeridian{180 * kDeg, 248378}, cutAt70{617228, 70 * kDeg}, west{576185, 70 * kDeg};
  const auto chain = std::find_if(land.begin(), land.end(), [&](const LineSegment& s) { return contains(s, cutAt70); });
  ASSERT_NE(chain, land.end());
  EXPECT_EQ(chain->points.front(), atMeridian);
  EXPECT_TRUE(contains(*chain, west));
  EXPECT_EQ(std::count_if(land.begin(), land.end(), [&](const LineSegment& s) { return contains(s, cutAt70); }), 1);
}

TEST(WorldDataBuilder, RingsWithinABinStayClosedAndLinesStaySplitAt180) {
  const auto land = landSegments();
  for (const LineSegment& s : land) {
    const bool east = std::any_of(s.points.begin(), s.points.end(), [](ArcPoint p) { return p.lon > 0; });
    const bool west = std::any_of(s.points.begin(), s.points.end(), [](ArcPoint p) { return p.lon < 0; });
    EXPECT_FALSE(east && west) << "a line crosses the 180th meridian";
  }
  // St. Lawrence Island's ring, whole in one bin, comes out closed.
  const ArcPoint stLawrence{-610378, 226770};
  const auto ring = std::find_if(land.begin(), land.end(), [&](const LineSegment& s) { return s.points.front() == stLawrence; });
  ASSERT_NE(ring, land.end());
  EXPECT_EQ(ring->points.back(), stLawrence);
}

TEST(WorldDataBuilder, ClassesFollowLevelAndSizeTier) {
  const auto land = landSegments();
  const ArcPoint asiaAt70{617228, 70 * kDeg}, smallIsland{-610378, 226770};
  for (const LineSegment& s : land) {
    if (contains(s, asiaAt70)) {
      EXPECT_EQ(s.lineClass, 2) << "Asia is in the 100000 km2 run";
    }
    if (s.points.front() == smallIsland) {
      EXPECT_EQ(s.lineClass, kLandTiers) << "not in any run: the smallest tier";
    }
  }
  EXPECT_EQ(landClass(kLevelLake, 1), kLakeClass);
  EXPECT_EQ(landClass(kLevelPond, 5), kLakeClass);
  EXPECT_EQ(landClass(kLevelIslandInLake, 6), 6);
  EXPECT_EQ(riverClass(0), 1);
  EXPECT_EQ(riverClass(10), 11);
  EXPECT_EQ(boundaryClass(3), 3);
}

TEST(WorldDataBuilder, LevelsOutsideTheDatabaseRangeTakeTheNearestClass) {
  struct Case {
    int level;
    int river;
    int boundary;
    const char* catches;
  };
  const Case cases[] = {
      {-1, 1, 1, "a negative level giving class 0, which no colour slot has"},
      {11, 11, 3, "a level past the last giving a class past the last"},
      {INT_MAX, 11, 3, "the largest level a header can hold overflowing as it becomes a class"},
      {INT_MIN, 1, 1, "the smallest level a header can hold"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(riverClass(c.level), c.river) << c.level << ": " << c.catches;
    EXPECT_EQ(boundaryClass(c.level), c.boundary) << c.level << ": " << c.catches;
  }
}

TEST(WorldDataBuilder, BorderSteppingAcross180EndsOnItsOwnSide) {
  std::vector<LineSegment> borders;
  for (const DumpPiece& p : dump("bering_borders.txt"))
    for (LineSegment& s : cutMeridianEdges({boundaryClass(p.level), p.points})) borders.push_back(s);
  const auto joined = rejoinPieces(borders);
  ASSERT_EQ(joined.size(), 1u);
  EXPECT_EQ(joined[0].points.back(), (ArcPoint{-180 * kDeg, 216885}));
  EXPECT_EQ(joined[0].points.size(), 4u);
}

TEST(WorldDataBuilder, EdgeAlongThe180thMeridianIsCut) {
  const LineSegment s{1, {{647000, 0}, {648000, 10}, {648000, 500}, {647000, 600}}};
  const auto pieces = cutMeridianEdges(s);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].points.back(), (ArcPoint{648000, 10}));
  EXPECT_EQ(pieces[1].points.front(), (ArcPoint{648000, 500}));
}

TEST(WorldDataBuilder, RegionsFollowTheContinents) {
  struct Case {
    const char* legend;
    ArcPoint at;
    int region;
  };
  const Case cases[] = {
      {"New York goes with North America", {-74 * kDeg, 40 * kDeg}, 0},
      {"Rio de Janeiro with South America", {-43 * kDeg, -23 * kDeg}, 1},
      {"Panama (south of 12 N) with South America", {-80 * kDeg, 9 * kDeg}, 1},
      {"Lisbon with Europe and Africa", {-9 * kDeg, 39 * kDeg}, 2},
      {"Cape Town with Europe and Africa", {18 * kDeg, -34 * kDeg}, 2},
      {"Mumbai with Asia", {73 * kDeg, 19 * kDeg}, 3},
      {"Sydney with Oceania", {151 * kDeg, -34 * kDeg}, 4},
      {"Chukotka east of 180 with North America's band", {-175 * kDeg, 65 * kDeg}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(regionOf({1, {c.at, {c.at.lon + 10, c.at.lat}}}), c.region) << c.legend;
}

TEST(WorldDataBuilder, RegionFilesHoldEverySegmentSplitToTheLimits) {
  const auto land = landSegments();
  const auto regions = splitIntoRegions(land, SegmentLimits{20, 2 * kDeg});
  std::size_t points = 0, pieces = 0;
  for (const auto& region : regions)
    for (const LineSegment& s : region) {
      EXPECT_LE(s.points.size(), 21u);
      points += s.points.size() - 1;
      ++pieces;
    }
  std::size_t original = 0;
  for (const LineSegment& s : land) original += s.points.size() - 1;
  EXPECT_EQ(points, original);  // splitting loses no step
  EXPECT_GT(pieces, land.size());
}

}  // namespace
}  // namespace z5
