// The latitude and longitude grid: its spacing for the map's span, where its
// lines run, and how they are labelled.

#include "map/MapGrid.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "geo/Projection.h"
#include "nav/ComputeMapExtent.h"

namespace z5 {
namespace {

using test::RecordingSurface;
using test::SurfaceCall;

struct SpacingRow {
  const char* legend;  // the fault the row catches
  int span;
  int spacing;
};

constexpr SpacingRow kSpacingRows[] = {
    {"whole-world map not at 40 degrees", 480001, 144000},
    {"bound 480000 taken as over", 480000, 72000},
    {"20-degree row missing", 240001, 72000},
    {"bound 240000 taken as over", 240000, 36000},
    {"10-degree row missing", 180001, 36000},
    {"bound 180000 taken as over", 180000, 7200},
    {"2-degree row missing", 24001, 7200},
    {"1-degree row missing", 20001, 3600},
    {"bound 20000 taken as over", 20000, 1200},
    {"20-minute row missing", 8001, 1200},
    {"10-minute row missing", 8000, 600},
    {"bound 2400 taken as not over", 2401, 600},
    {"5-minute row missing", 2400, 300},
    {"bound 1000 taken as over", 1001, 300},
    {"1-minute row missing", 1000, 60},
    {"empty span gives no spacing (endless loop)", 0, 60},
};

TEST(MapPaintGrid, SpacingFollowsTheSpanTable) {
  for (const SpacingRow& row : kSpacingRows) {
    SCOPED_TRACE(row.legend);
    EXPECT_EQ(gridSpacing(row.span), row.spacing);
  }
}

TEST(MapPaintGrid, LabelsCarryDegreesMinutesAndHemisphere) {
  EXPECT_EQ(latitudeGridLabel(0), "00-00S");  // the equator reads "S"
  EXPECT_EQ(latitudeGridLabel(600), "00-10N");
  EXPECT_EQ(latitudeGridLabel(-37 * 3600 - 1200), "37-20S");
  EXPECT_EQ(longitudeGridLabel(0), "000-00W");  // Greenwich reads "W"
  EXPECT_EQ(longitudeGridLabel(600), "000-10E");
  EXPECT_EQ(longitudeGridLabel(-600), "000-10W");
  EXPECT_EQ(longitudeGridLabel(180 * 3600), "180-00E");
  EXPECT_EQ(longitudeGridLabel(190 * 3600), "170-00W");  // taken into -180..180
}

class OneDegreeAtTheEquator : public ::testing::Test {
 protected:
  OneDegreeAtTheEquator() : surface(1024, 768) {
    MapExtentRequest request;
    request.viewPoint = true;
    request.degreeSpan = 1;
    request.width = 1024;
    request.height = 768;
    extent = ComputeMapExtent(Voyage{}, request);
    DrawGrid(surface, extent, RecordingSurface::kTextHeight);
  }
  // Labels written at x = 1 (latitudes) and the others (longitudes).
  std::vector<SurfaceCall> labels(bool latitude) const {
    std::vector<SurfaceCall> out;
    for (const SurfaceCall& c : surface.only(SurfaceCall::Text))
      if ((c.x == 1) == latitude) out.push_back(c);
    return out;
  }
  MapExtent extent;
  RecordingSurface surface;
};

TEST_F(OneDegreeAtTheEquator, LatitudeLinesEveryTenMinutesAcrossTheMap) {
  ASSERT_GT(extent.mpSpan, 2400);
  ASSERT_LE(extent.mpSpan, 8000);
  const auto latitudes = labels(true);
  std::vector<std::string> texts;
  for (const auto& c : latitudes) texts.push_back(c.text);
  // From south to north, ten minutes apart, the equator reading "S".
  const std::vector<std::string> middle{"00-20S", "00-10S", "00-00S", "00-10N", "00-20N"};
  EXPECT_NE(std::search(texts.begin(), texts.end(), middle.begin(), middle.end()), texts.end());
  // Each latitude line runs from x = 1 to the map's width, its label half a
  // text height below it.
  int lines = 0, previousY = 0;
  for (const auto& s : surface.segments()) {
    if (s.y1 != s.y2) continue;
    if (lines > 0) {
      EXPECT_NEAR(previousY - s.y1, 600.0 * extent.height / extent.latitudeSpan, 1.0);
    }
    previousY = s.y1;
    ++lines;
    EXPECT_EQ(s.x1, 1);
    EXPECT_EQ(s.x2, extent.width);
    const bool labelled = std::any_of(latitudes.begin(), latitudes.end(), [&](const SurfaceCall& c) {
      return c.y == std::min(s.y1 + RecordingSurface::kTextHeight / 2, extent.height - RecordingSurface::kTextHeight);
    });
    EXPECT_TRUE(labelled);
  }
  EXPECT_EQ(lines, static_cast<int>(latitudes.size()));
}

TEST_F(OneDegreeAtTheEquator, LongitudeLinesEveryTenMinutesLabelledOnAlternateRows) {
  const auto longitudes = labels(false);
  ASSERT_GE(longitudes.size(), 7u);
  std::vector<std::string> texts;
  for (const auto& c : longitudes) texts.push_back(c.text);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "000-00W"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "000-10E"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "000-10W"), texts.end());
  for (std::size_t i = 0; i < longitudes.size(); ++i) {
    EXPECT_EQ(longitudes[i].y, i % 2 == 0 ? 1 : RecordingSurface::kTextHeight);
  }
  // Each line runs from y = 1 down the map; its label starts a text height
  // to its left.
  std::vector<RecordingSurface::Segment> lines;
  for (const auto& s : surface.segments())
    if (s.x1 == s.x2) lines.push_back(s);
  ASSERT_EQ(lines.size(), longitudes.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].y1, 1);
    EXPECT_EQ(lines[i].y2, extent.height);
    const int width = surface.textWidth(longitudes[i].text);
    EXPECT_EQ(longitudes[i].x, std::clamp(lines[i].x1 - RecordingSurface::kTextHeight, 0, extent.width - width));
    if (i > 0) {
      EXPECT_NEAR(lines[i].x1 - lines[i - 1].x1, 600.0 * extent.width / extent.longitudeSpan, 1.0);
    }
  }
}

TEST(MapPaintGrid, EquatorLineIsDrawnWhenTheMapEndsJustSouthOfIt) {
  // A map from about 0-06S to 0-54N: its south edge lies within one
  // spacing south of the equator, and the equator line must still be drawn.
  MapExtentRequest request;
  request.viewPoint = true;
  request.viewLatitude = 0.4;
  request.degreeSpan = 1;
  request.width = 1024;
  request.height = 768;
  const MapExtent extent = ComputeMapExtent(Voyage{}, request);
  ASSERT_LT(extent.southSeconds, 0);
  ASSERT_GT(extent.southSeconds, -600);
  RecordingSurface surface(1024, 768);
  DrawGrid(surface, extent, RecordingSurface::kTextHeight);
  std::vector<std::string> texts;
  for (const auto& c : surface.only(SurfaceCall::Text))
    if (c.x == 1) texts.push_back(c.text);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), "00-00S");
}

TEST(MapPaintGrid, WorldMapStopsBeforeThePoleAndCrossesNoMeridianTwice) {
  MapExtentRequest request;
  request.viewPoint = true;
  request.degreeSpan = 150;
  request.width = 1024;
  request.height = 768;
  const MapExtent extent = ComputeMapExtent(Voyage{}, request);
  RecordingSurface surface(1024, 768);
  DrawGrid(surface, extent, RecordingSurface::kTextHeight);
  std::vector<std::string> texts;
  for (const auto& c : surface.only(SurfaceCall::Text)) texts.push_back(c.text);
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "90-00N"), texts.end());
}

}  // namespace
}  // namespace z5
