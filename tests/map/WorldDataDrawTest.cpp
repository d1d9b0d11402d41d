// Drawing the line files, place names and user points through a recording
// surface: what is selected, how pieces are plotted, where labels go, and
// what is reported.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "ScriptedHost.h"
#include "TempDir.h"
#include "WorldDataSurface.h"
#include "base/ByteOrder.h"
#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "base/StringTable.h"
#include "geo/Projection.h"
#include "map/DrawLineFiles.h"
#include "map/DrawPlaceNames.h"
#include "map/DrawPointFile.h"
#include "nav/ComputeMapExtent.h"
#include "world/LineFileWriter.h"
#include "world/PlaceNameFile.h"

namespace z5 {
namespace {

using test::SurfaceCall;
constexpr int kDeg = 3600;

MapExtent centred(double lat, double lon, double span, int width, int height) {
  MapExtentRequest r;
  r.viewPoint = true;
  r.viewLatitude = lat;
  r.viewLongitude = lon;
  r.degreeSpan = span;
  r.width = width;
  r.height = height;
  return ComputeMapExtent(Voyage{}, r);
}

class WorldDataDraw : public ::testing::Test {
 protected:
  std::string lineFile(int region, int suffix) const {
    return dir.file(strings.text(StringFile::Prompt, kLineFileBaseNames + region) +
                    strings.text(StringFile::Prompt, suffix));
  }
  int draw(const MapExtent& e, LineFileOptions options = {}) {
    return DrawLineFiles(surface, messages, dir.home(), e, options);
  }
  // Every region's land file, empty, so that only the files a test fills draw.
  void emptyLandFiles() {
    for (int r = 0; r < kLineFileRegions; ++r) ASSERT_TRUE(writeLineFile(lineFile(r, kLandSuffixString), {}));
  }

  test::TempDir dir;
  test::ScriptedHost host;
  StringTable strings;
  Messages messages{host, strings};
  test::WorldDataSurface surface{200, 200};
};

TEST_F(WorldDataDraw, ASegmentLeavingTheViewRunsToTheEdgeAndComesBackFromIt) {
  emptyLandFiles();
  // Out of the view to 2E on the equator, back in at 0.5N 0.5E.
  const LineSegment coast{1, {{-1800, 0}, {0, 0}, {2 * kDeg, 0}, {1800, 1800}, {1800, -1800}}};
  ASSERT_TRUE(writeLineFile(lineFile(2, kLandSuffixString), {coast}));
  const MapExtent e = centred(0, 0, 2, 200, 200);
  EXPECT_EQ(draw(e), kLineFilesDrawn);
  auto px = [&](ArcPoint p) { return std::pair{LonToX(e, p.lon), LatToY(e, p.lat)}; };
  const int eastEdge = static_cast<int>(e.eastSeconds);
  // The step back in runs from 2E 0N to 0.5E 0.5N; it meets the east edge
  // at the latitude of linear interpolation.
  const double backIn = (eastEdge - 2.0 * kDeg) / (1800.0 - 2.0 * kDeg);
  const ArcPoint reentry{eastEdge, static_cast<std::int32_t>(std::lround(backIn * 1800))};
  const auto moves = surface.only(SurfaceCall::Move);
  const auto lines = surface.only(SurfaceCall::Line);
  ASSERT_EQ(moves.size(), 2u);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(std::pair(moves[0].x, moves[0].y), px(coast.points[0]));
  EXPECT_EQ(std::pair(lines[0].x, lines[0].y), px(coast.points[1]));
  EXPECT_EQ(std::pair(lines[1].x, lines[1].y), px({eastEdge, 0})) << "out to the edge";
  EXPECT_EQ(std::pair(moves[1].x, moves[1].y), px(reentry)) << "back in from the edge";
  EXPECT_EQ(std::pair(lines[2].x, lines[2].y), px(coast.points[3]));
  EXPECT_EQ(std::pair(lines[3].x, lines[3].y), px(coast.points[4]));
  EXPECT_EQ(surface.count(SurfaceCall::Pixel), 2);  // each piece's first point
  EXPECT_TRUE(host.popups.empty());
}

TEST_F(WorldDataDraw, ACoastlineAcrossTheViewReachesBothSidesAndOnlyThose) {
  emptyLandFiles();
  // 3W to 3E along 0.25N in 1-degree steps, on a 2-degree view: the points
  // inside are 1W, 0 and 1E (or the edges themselves).
  std::vector<ArcPoint> points;
  for (int lon = -3; lon <= 3; ++lon) points.push_back({lon * kDeg, 900});
  ASSERT_TRUE(writeLineFile(lineFile(2, kLandSuffixString), {{1, points}}));
  const MapExtent e = centred(0, 0, 2, 200, 200);
  draw(e);
  const auto moves = surface.only(SurfaceCall::Move);
  const auto lines = surface.only(SurfaceCall::Line);
  ASSERT_EQ(moves.size(), 1u);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(moves[0].x, LonToX(e, static_cast<int>(e.westSeconds)));
  EXPECT_EQ(lines.back().x, LonToX(e, static_cast<int>(e.eastSeconds)));
  for (const auto& l : lines) EXPECT_EQ(l.y, LatToY(e, 900));
}

TEST_F(WorldDataDraw, PointsWithinOnePixelOfTheLastDrawnAreNotDrawn) {
  emptyLandFiles();
  // 2 degrees on 200 pixels: 36 arc-seconds a pixel.
  ASSERT_TRUE(writeLineFile(lineFile(2, kLandSuffixString), {{1, {{0, 0}, {20, 0}, {40, 0}, {60, 0}, {100, 0}}}}));
  const MapExtent e = centred(0, 0, 2, 200, 200);
  draw(e);
  const auto lines = surface.only(SurfaceCall::Line);
  ASSERT_EQ(lines.size(), 1u) << "steps of under two pixels from the last drawn point are skipped";
  EXPECT_EQ(lines[0].x, LonToX(e, 100));
}

TEST_F(WorldDataDraw, ColourFollowsTheClassAndChangesOnlyWithIt) {
  emptyLandFiles();
  const std::vector<ArcPoint> pts{{0, 0}, {600, 600}};
  ASSERT_TRUE(writeLineFile(lineFile(2, kLandSuffixString), {{1, pts}, {1, pts}, {8, pts}, {99, pts}}));
  ASSERT_TRUE(writeLineFile(lineFile(2, kRiverSuffixString), {{2, pts}}));
  ASSERT_TRUE(writeLineFile(lineFile(2, kBoundarySuffixString), {{3, pts}}));
  draw(centred(0, 0, 2, 200, 200), {true, true, true});
  std::vector<int> pens;
  for (const SurfaceCall& c : surface.only(SurfaceCall::Pen)) pens.push_back(c.value);
  // land 11 + class - 1 (an impossible class 99 held to the last land slot 21,
  // below the route check's slots), then rivers 24 + 1, then boundaries 8 + 2.
  EXPECT_EQ(pens, (std::vector<int>{11, 18, 21, 25, 10}));
}

TEST_F(WorldDataDraw, WithoutColourEverythingIsDrawnInTheCurrentPen) {
  emptyLandFiles();
  ASSERT_TRUE(writeLineFile(lineFile(2, kLandSuffixString), {{3, {{0, 0}, {600, 600}}}}));
  draw(centred(0, 0, 2, 200, 200), {false, false, false});
  EXPECT_EQ(surface.count(SurfaceCall::Pen), 0);
  EXPECT_EQ(surface.count(SurfaceCall::Line), 1);
}

TEST_F(WorldDataDraw, RiversAndBoundariesOnlyWhenAskedAndOnlyWithLand) {
  emptyLandFiles();
  const std::vector<ArcPoint> pts{{0, 0}, {600, 600}};
  ASSERT_TRUE(writeLineFile(lineFile(2, kRiverSuffixString), {{1, pts}}));
  ASSERT_TRUE(writeLineFile(lineFile(2, kBoundarySuffixString), {{1, pts}}));
  SettingsRecord settings;
  settings.HOME_PATH = dir.home();
  settings.RIVERS = settings.BOUNDARIES = 1;
  settings.LAND = 0;
  const MapExtent e = centred(0, 0, 2, 200, 200);
  DrawLineLayer(surface, messages, settings, e);
  EXPECT_TRUE(surface.calls.empty()) << "LAND off draws no river and no boundary";
  EXPECT_TRUE(host.popups.empty());
  settings.LAND = 1;
  settings.BOUNDARIES = 0;
  DrawLineLayer(surface, messages, settings, e);
  EXPECT_EQ(surface.count(SurfaceCall::Line), 1);
  EXPECT_EQ(surface.only(SurfaceCall::Pen).front().value, kRiverColourBase);
}

TEST_F(WorldDataDraw, BoxTestIsStrictAndUsesWrappedLongitudes) {
  emptyLandFiles();
  const MapExtent e = centred(0, 179.5, 2, 200, 200);
  const int south = e.southSeconds;
  ASSERT_TRUE(writeLineFile(lineFile(4, kLandSuffixString),
                            {{1, {{-179 * kDeg - 2700, 0}, {-179 * kDeg - 2700, 600}}},  // east of 180, in view
                             {2, {{179 * kDeg, south - 600}, {179 * kDeg + 60, south}}}}));  // touches the south edge only
  draw(e);
  EXPECT_EQ(surface.count(SurfaceCall::Line), 1);
  EXPECT_EQ(surface.only(SurfaceCall::Pen).front().value, 11) << "the touching segment was not read";
}

TEST_F(WorldDataDraw, MissingFilesAreReportedAndSkipped) {
  ASSERT_TRUE(writeLineFile(lineFile(4, kLandSuffixString), {{1, {{0, 0}, {600, 600}}}}));
  EXPECT_EQ(draw(centred(0, 0, 2, 200, 200)), kLineFilesDrawn);
  EXPECT_EQ(host.popups.size(), 4u);  // four land files missing
  EXPECT_EQ(host.popups[0].text, strings.error(38, lineFile(0, kLandSuffixString)));
  EXPECT_EQ(surface.count(SurfaceCall::Line), 1);
}

TEST_F(WorldDataDraw, WrongMagicOrDamageEndsTheLayer) {
  emptyLandFiles();
  dir.write(strings.text(StringFile::Prompt, kLineFileBaseNames) + strings.text(StringFile::Prompt, kLandSuffixString),
            std::string("\x78\x56\x34\x12") + std::string(60, '\0'));
  EXPECT_EQ(draw(centred(0, 0, 2, 200, 200)), kLineFileBadMagic);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text, strings.error(39, lineFile(0, kLandSuffixString), 305419896, 544669698));

  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(encodeLineFile({{1, {{0, 0}, {1000, 1000}}}}, bytes));
  writeUint32(bytes.data() + 16, 1);
  dir.write(strings.text(StringFile::Prompt, kLineFileBaseNames) + strings.text(StringFile::Prompt, kLandSuffixString),
            std::string(bytes.begin(), bytes.end()));
  host.popups.clear();
  EXPECT_EQ(draw(centred(0, 0, 2, 200, 200)), kLineFileSegmentTooLong);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text, strings.error(40, lineFile(0, kLandSuffixString), 1, 8, 2));
}

// --- Place names ---------------------------------------------------------

TEST(PlaceNameLevels, ThresholdIsTheWholeLog2OfTheViewWidth) {
  EXPECT_EQ(placeNameThreshold(2 * kDeg), 12);
  EXPECT_EQ(placeNameThreshold(170 * kDeg), 19);
  EXPECT_EQ(placeNameThreshold(kDeg / 2), 10);
  EXPECT_EQ(placeNameThreshold(-2 * kDeg), 12);
  EXPECT_EQ(placeNameThreshold(0), 0);
}

TEST_F(WorldDataDraw, LevelElevenNameHiddenAtTwoDegreesShownAtHalfADegree) {
  ASSERT_TRUE(writePlaceNameFile(dir.file(kPortFile), {{"Aden", 11, 0, 0}, {"Suez", kAlwaysShown, 60, 60}}));
  const PlaceNameStyle style{200, 200, true, 14, 2};
  EXPECT_EQ(DrawPlaceNames(surface, messages, PlaceNameKind::Ports, dir.home(), centred(0, 0, 2, 200, 200), style), 1);
  ASSERT_EQ(surface.count(SurfaceCall::Text), 1);
  EXPECT_EQ(surface.only(SurfaceCall::Text)[0].text, "Suez");
  surface.calls.clear();
  DrawPlaceNames(surface, messages, PlaceNameKind::Ports, dir.home(), centred(0, 0, 0.5, 200, 200), style);
  EXPECT_EQ(surface.count(SurfaceCall::Text), 2);
  EXPECT_EQ(surface.only(SurfaceCall::Pen)[0].value, kPortColour);
  EXPECT_EQ(surface.only(SurfaceCall::TextColour)[0].value, kPortColour);
}

TEST_F(WorldDataDraw, LabelsStayInsideTheRightAndBottomEdges) {
  const MapExtent e = centred(0, 0, 2, 200, 200);
  const int nearEast = e.eastSeconds - 100, nearSouth = e.southSeconds + 10;
  ASSERT_TRUE(writePlaceNameFile(dir.file(kSeaNameFile), {{"Red Sea", 0, 0, 0}, {"Edge", 0, nearSouth, nearEast}}));
  DrawPlaceNames(surface, messages, PlaceNameKind::SeaNames, dir.home(), e, {200, 200, true, 14, 2});
  const auto texts = surface.only(SurfaceCall::Text);
  const auto circles = surface.only(SurfaceCall::Circle);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].x, circles[0].x + 2) << "a label starts two pixels right of its point";
  EXPECT_EQ(texts[0].y, circles[0].y);
  EXPECT_EQ(texts[1].x, 200 - 4 * 7) << "near the right edge the label ends at the edge";
  EXPECT_EQ(texts[1].y, 200 - 14) << "near the bottom the label is raised inside";
  EXPECT_EQ(circles[1].value, 2);
  EXPECT_EQ(surface.only(SurfaceCall::Pen)[0].value, kSeaNameColour);
}

TEST_F(WorldDataDraw, PlaceNameFileProblemsAreReported) {
  const PlaceNameStyle style{200, 200, true, 14, 2};
  const MapExtent e = centred(0, 0, 2, 200, 200);
  EXPECT_EQ(DrawPlaceNames(surface, messages, PlaceNameKind::SeaNames, dir.home(), e, style), 0);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text, strings.error(38, dir.file(kSeaNameFile)));
  dir.write(kSeaNameFile, std::string(64, 'x'));
  EXPECT_EQ(DrawPlaceNames(surface, messages, PlaceNameKind::SeaNames, dir.home(), e, style), 0);
  EXPECT_EQ(host.popups.back().text, strings.error(39, dir.file(kSeaNameFile), 0x78787878, 305419896));
}

TEST_F(WorldDataDraw, DamagedOrCutShortPlaceNameFileIsReportedOnceNamingIt) {
  auto bytes = encodePlaceNameFile(
      {{"Aden", 0, 0, 0}, {"North of the pole", 0, 90 * kDeg + 1, 0}, {"Off the map", 0, 0, -180 * kDeg - 1},
       {"Suez", 0, kDeg, kDeg}});
  bytes.resize(bytes.size() - 5);
  const std::string path = dir.write(kPortFile, std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(DrawPlaceNames(surface, messages, PlaceNameKind::Ports, dir.home(), centred(0, 0, 4, 200, 200),
                           {200, 200, true, 14, 2}),
            1);
  ASSERT_EQ(surface.count(SurfaceCall::Text), 1);
  EXPECT_EQ(surface.only(SurfaceCall::Text)[0].text, "Aden") << "the whole records on the earth are still drawn";
  ASSERT_EQ(host.popups.size(), 1u) << "one message for the file, not one per record";
  EXPECT_EQ(host.popups[0].text,
            path + ": 2 of its 3 records are damaged (a position off the earth) and are not shown.\n" + path +
                " is cut short: it ends inside record 4, which is not shown.");
}

// --- User points ---------------------------------------------------------

TEST_F(WorldDataDraw, UserPointsAreRingedAndLabelledInTheirColour) {
  const std::string path = dir.write("points.txt", "Buoy\n// a comment between its lines\n00-10N\n000-10E\nFar\n40N\n40E\n");
  const PointFileStyle style{true, 200, 200, 5, true, 14, 3};
  std::vector<ErrorLocation> errors;
  const MapExtent e = centred(0, 0, 2, 200, 200);
  EXPECT_EQ(DrawPointFile(surface, messages, errors, path, e, style), 0);
  const auto circles = surface.only(SurfaceCall::Circle);
  ASSERT_EQ(circles.size(), 1u) << "the point outside the view is skipped";
  EXPECT_EQ(circles[0].x, LonToX(e, 600));
  EXPECT_EQ(circles[0].y, LatToY(e, 600));
  EXPECT_EQ(circles[0].value, 3);
  EXPECT_EQ(surface.only(SurfaceCall::Text)[0].text, "Buoy");
  EXPECT_EQ(surface.only(SurfaceCall::Pen)[0].value, 5);
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(host.popups.empty());
}

TEST_F(WorldDataDraw, UserPointFileEndingAfterANameKeepsWhatWasDrawn) {
  const std::string path = dir.write("points.txt", "Buoy\n00-10N\n000-10E\nHalf\n");
  std::vector<ErrorLocation> errors;
  const int result = DrawPointFile(surface, messages, errors, path, centred(0, 0, 2, 200, 200),
                                   {false, 200, 200, 5, true, 14, 3});
  EXPECT_EQ(result, 16);
  EXPECT_EQ(surface.count(SurfaceCall::Circle), 1);
  EXPECT_EQ(surface.count(SurfaceCall::Text), 0) << "labels off";
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].file, path);
  EXPECT_EQ(errors[0].line, 4);
  EXPECT_EQ(errors[0].lineText, "Half");
  EXPECT_EQ(errors[0].message, strings.error(16, 4, path, 2));
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].milliseconds, 8000);
}

TEST_F(WorldDataDraw, BadLongitudeIsReportedAndMissingPointFileIsNot) {
  std::vector<ErrorLocation> errors;
  const PointFileStyle style{true, 200, 200, 5, true, 14, 3};
  const MapExtent e = centred(0, 0, 2, 200, 200);
  EXPECT_EQ(DrawPointFile(surface, messages, errors, dir.file("none.txt"), e, style), 0);
  EXPECT_TRUE(host.popups.empty());
  const std::string path = dir.write("points.txt", "A\n10N\n200E\n");
  EXPECT_EQ(DrawPointFile(surface, messages, errors, path, e, style), 19);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].line, 3);
  EXPECT_EQ(errors[0].lineText, "200E");
}

TEST_F(WorldDataDraw, RepaintingAMalformedPointFileListsItsErrorOnce) {
  // The map is painted again at every scroll, resize and GPS fix: the
  // error list keeps one entry for the same error, not one per paint.
  const std::string path = dir.write("points.txt", "A\n10N\n200E\n");
  std::vector<ErrorLocation> errors;
  const PointFileStyle style{true, 200, 200, 5, true, 14, 3};
  const MapExtent e = centred(0, 0, 2, 200, 200);
  for (int paint = 0; paint < 3; ++paint) EXPECT_EQ(DrawPointFile(surface, messages, errors, path, e, style), 19);
  EXPECT_EQ(errors.size(), 1u);
}

}  // namespace
}  // namespace z5
