// The world data shipped in data/: every file reads whole, its contents are
// positions on the earth with classes that have colours, and the default
// home draws without a message.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "ScriptedHost.h"
#include "WorldDataSurface.h"
#include "base/Messages.h"
#include "base/StringTable.h"
#include "map/DrawLineFiles.h"
#include "nav/ComputeMapExtent.h"
#include "route/PositionText.h"
#include "world/LineFileReader.h"
#include "world/PlaceNameFile.h"
#include "world/PointFile.h"

namespace z5 {
namespace {

constexpr int kDeg = 3600;
const std::string kHome = std::string(Z5_DATA_DIR) + "/";

class WorldDataShipped : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<int> replaced;
    ASSERT_TRUE(strings.load(StringFile::Prompt, kHome + StringTable::kPromptFileName, replaced));
  }
  std::string file(int region, int suffix) const {
    return kHome + strings.text(StringFile::Prompt, kLineFileBaseNames + region) + strings.text(StringFile::Prompt, suffix);
  }
  StringTable strings;
};

TEST_F(WorldDataShipped, EveryLineFileReadsWholeWithColouredClasses) {
  const std::pair<int, int> kinds[] = {{kLandSuffixString, 13}, {kRiverSuffixString, 11}, {kBoundarySuffixString, 3}};
  for (int region = 0; region < kLineFileRegions; ++region)
    for (auto [suffix, classes] : kinds) {
      const std::string path = file(region, suffix);
      LineFileProblem problem;
      const auto segments = readAllSegments(path, &problem);
      ASSERT_EQ(problem.status, LineFileStatus::Ok) << path;
      EXPECT_FALSE(segments.empty()) << path;
      for (const LineSegment& s : segments) {
        ASSERT_GE(s.lineClass, 1) << path;
        ASSERT_LE(s.lineClass, classes) << path;
        for (const ArcPoint& p : s.points) {
          ASSERT_LE(std::abs(p.lat), 90 * kDeg) << path;
          ASSERT_LE(std::abs(p.lon), 180 * kDeg) << path;
        }
      }
    }
}

TEST_F(WorldDataShipped, PortsAndSeaNamesAreNamedPositions) {
  const auto ports = readAllPlaceNames(kHome + "port.dat");
  const auto seas = readAllPlaceNames(kHome + "ocean.dat");
  EXPECT_GT(ports.size(), 1000u);
  EXPECT_GT(seas.size(), 250u);
  int oceans = 0;
  for (const auto* list : {&ports, &seas})
    for (const PlaceName& p : *list) {
      EXPECT_FALSE(p.name.empty());
      EXPECT_LE(p.name.size(), 22u);
      EXPECT_LE(std::abs(p.lat), 85 * kDeg) << p.name;
      EXPECT_LE(std::abs(p.lon), 180 * kDeg) << p.name;
      oceans += list == &seas && p.level == kAlwaysShown;
    }
  EXPECT_EQ(oceans, 7);
}

TEST_F(WorldDataShipped, SampleUserPointsReadWithTheRoutePositionForms) {
  std::ifstream in(kHome + "userpts.txt");
  ASSERT_TRUE(in);
  PointFileReader reader(in, parsePosition);
  std::vector<UserPoint> points;
  for (UserPoint p; reader.next(p);) points.push_back(p);
  EXPECT_EQ(reader.error().number, 0);
  ASSERT_EQ(points.size(), 6u);
  EXPECT_EQ(points[0].name, "Eddystone Lt");
  EXPECT_NEAR(points[0].longitude, -4.265, 1e-9);
}

TEST_F(WorldDataShipped, WholeWorldDrawsWithoutAMessage) {
  test::ScriptedHost host;
  Messages messages(host, strings);
  test::WorldDataSurface surface(1024, 768);
  MapExtentRequest r;
  r.viewPoint = true;
  r.degreeSpan = 150;
  r.width = 1024;
  r.height = 768;
  const MapExtent e = ComputeMapExtent(Voyage{}, r);
  EXPECT_EQ(DrawLineFiles(surface, messages, kHome, e, {true, true, true}), kLineFilesDrawn);
  EXPECT_TRUE(host.popups.empty());
  EXPECT_GT(surface.count(test::SurfaceCall::Line), 10000);
}

}  // namespace
}  // namespace z5
