// The mouse, the keys and the span field over a painted map: pixels back to
// positions, the position line and its reference, zoom and span, and the
// name of a map's placeholder file.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "ScriptedHost.h"
#include <fmt/printf.h>

#include "geo/Longitude.h"
#include "geo/Projection.h"
#include "map/MapPixels.h"
#include "map/MapPlaceholder.h"
#include "map/MapViewControl.h"
#include "map/PaintMap.h"
#include "map/PositionLine.h"
#include "nav/ComputeMapExtent.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

Voyage channelVoyage() {
  Voyage voyage;
  const std::tuple<const char*, double, double> points[] = {
      {"Dover", 51.1, 1.3}, {"Ushant", 48.5, -5.5}, {"Finisterre", 43.0, -9.5}};
  for (const auto& [name, lat, lon] : points) {
    Waypoint w;
    w.name = paddedWaypointName(name);
    w.latitude = lat;
    w.longitude = lon;
    voyage.waypoints.push_back(w);
  }
  return voyage;
}

MapExtent extentOf(const Voyage& voyage, const MapViewState& view) {
  return ComputeMapExtent(voyage, mapExtentRequest(view, kWidth, kHeight));
}

MapViewState centred(double latitude, double longitude, double span) {
  MapViewState view;
  view.viewPointMode = true;
  view.viewLatitude = latitude;
  view.viewLongitude = longitude;
  view.degreeSpan = span;
  return view;
}

TEST(MapPixels, PixelOfAPositionGivesThePositionBackWithinAPixel) {
  struct Row {
    MapViewState view;
    const char* catches;
  };
  const Row rows[] = {
      {MapViewState{}, "the inverse meridional parts of a Mercator map (ky not 0) wrong"},
      {centred(45, -3, 0.5), "the linear latitude of a fine map (ky 0) wrong"},
      {centred(-10, 179.8, 4), "a map across the 180th meridian giving unwrapped longitudes"},
  };
  const Voyage voyage = channelVoyage();
  for (const Row& row : rows) {
    const MapExtent extent = extentOf(voyage, row.view);
    const double latitudeStep = (extent.north - extent.south) / extent.height;
    const double longitudeStep = static_cast<double>(extent.longitudeSpan) / extent.width / kSecondsPerDegree;
    for (const double fx : {0.1, 0.5, 0.9}) {
      const double latitude = extent.south + fx * (extent.north - extent.south);
      const double relative = extent.west + fx * (extent.east - extent.west);
      const double longitude = absoluteLongitude(relative, extent.referenceMeridian);
      const int x = LonToX(extent, toArcSeconds(relativeLongitude(longitude, extent.referenceMeridian)));
      const int y = LatToY(extent, toArcSeconds(latitude));
      const std::optional<Position> back = positionAtPixel(extent, x, y);
      ASSERT_TRUE(back) << row.catches;
      EXPECT_NEAR(back->latitude, latitude, 2 * latitudeStep) << row.catches;
      EXPECT_NEAR(relativeLongitude(back->longitude, longitude), 0, 2 * longitudeStep) << row.catches;
    }
    EXPECT_FALSE(positionAtPixel(extent, extent.width, 0)) << "a pixel right of the drawing given a position";
    EXPECT_FALSE(positionAtPixel(extent, 0, -1)) << "a pixel above the drawing given a position";
  }
  EXPECT_FALSE(positionAtPixel(MapExtent{}, 0, 0)) << "a map never painted given a position";
}

TEST(MapZoom, ZoomHalvesOrDoublesTheSpanWithinItsLimits) {
  struct Row {
    double span;
    Zoom direction;
    double expected;
    const char* catches;
  };
  const Row rows[] = {
      {0.1, Zoom::In, 0.05, "zoom in from 0.1 not giving the smallest span"},
      {0.05, Zoom::In, 0.05, "zoom in going below the smallest span"},
      {74, Zoom::Out, 148, "zoom out not doubling below 75"},
      {100, Zoom::Out, 150, "zoom out from 100 not giving 150"},
  };
  const Voyage voyage = channelVoyage();
  for (const Row& row : rows) {
    MapViewState view = centred(45, -3, row.span);
    zoom(view, extentOf(voyage, view), row.direction);
    EXPECT_DOUBLE_EQ(view.degreeSpan, row.expected) << row.catches;
    EXPECT_TRUE(view.redrawPending) << row.catches;
  }
  EXPECT_FALSE(canZoom(centred(45, -3, 150), Zoom::Out)) << "the zoom-out button shown at the largest span";
}

TEST(MapSpan, SpanFieldAcceptsOnlyARealChangeWithinTheLimits) {
  struct Row {
    const char* text;
    SpanEntry entry;
    double span;  // afterwards; 2 was current
    const char* catches;
  };
  const Row rows[] = {
      {"0.01", SpanEntry::Refused, 2, "0.01 typed accepted or clamped instead of refused"},
      {"150.5", SpanEntry::Refused, 2, "a span above 150 accepted"},
      {"", SpanEntry::Refused, 2, "an empty field taken for a span"},
      {"2.0009", SpanEntry::Unchanged, 2, "a change within 0.001 redrawing the map"},
      {" 0,5 ", SpanEntry::Changed, 0.5, "a decimal comma or blanks refused"},
  };
  const Voyage voyage = channelVoyage();
  for (const Row& row : rows) {
    MapViewState view = centred(45, -3, 2);
    EXPECT_EQ(applySpanText(view, extentOf(voyage, view), row.text), row.entry) << row.catches;
    EXPECT_DOUBLE_EQ(view.degreeSpan, row.span) << row.catches;
  }
  EXPECT_EQ(spanFieldText(2), "  2.00");
}

// The wheel and a drag: the point grabbed stays under the pointer (within a
// pixel or two of the new picture).
TEST(MapWheelAndDrag, PointUnderThePointerStaysThere) {
  struct Row {
    MapViewState view;
    bool wheel;  // else a drag
    Zoom direction;
    int fromX, fromY, toX, toY;  // the wheel uses (from); a drag ends at (to)
    const char* catches;
  };
  const Row rows[] = {
      {centred(30, 10, 30), true, Zoom::Out, 700, 550, 0, 0, "Mercator's latitude stretch ignored at a large span"},
      {MapViewState{}, true, Zoom::In, 600, 150, 0, 0, "the first wheel on a whole-voyage map losing the point"},
      {centred(-10, 179.5, 4), false, Zoom::In, 100, 300, 700, 300, "a drag across the 180th meridian not wrapping"},
      {MapViewState{}, false, Zoom::In, 200, 200, 300, 260, "a drag of a whole-voyage map not centring it first"},
  };
  const Voyage voyage = channelVoyage();
  for (const Row& row : rows) {
    MapViewState view = row.view;
    const MapExtent before = extentOf(voyage, view);
    const Position grabbed = *positionAtPixel(before, row.fromX, row.fromY);
    const double spanBefore = view.degreeSpan;
    int x = row.fromX, y = row.fromY;
    if (row.wheel) {
      zoomAbout(view, before, voyage, row.direction, x, y);
    } else {
      pan(view, before, voyage, row.fromX, row.fromY, row.toX, row.toY);
      x = row.toX;
      y = row.toY;
      if (!showsWholeVoyage(row.view)) {
        EXPECT_DOUBLE_EQ(view.degreeSpan, spanBefore) << row.catches;
      }
    }
    EXPECT_TRUE(view.viewPointMode && view.redrawPending) << row.catches;
    const MapExtent after = extentOf(voyage, view);
    const double latitudePixel = (after.north - after.south) / after.height;
    const double longitudePixel = static_cast<double>(after.longitudeSpan) / after.width / kSecondsPerDegree;
    const int backY = LatToY(after, toArcSeconds(grabbed.latitude));
    const int backX = LonToX(after, toArcSeconds(relativeLongitude(grabbed.longitude, after.referenceMeridian)));
    EXPECT_NEAR(backX, x, 2) << row.catches << " (" << longitudePixel << " degrees a pixel)";
    EXPECT_NEAR(backY, y, 2) << row.catches << " (" << latitudePixel << " degrees a pixel)";
  }
  MapViewState view = centred(45, -3, 2);
  EXPECT_FALSE(pan(view, extentOf(voyage, view), voyage, 10, 10, kWidth + 5, 10));
  EXPECT_FALSE(view.redrawPending) << "a drag ending outside the picture moving the map";
}

TEST(MapPlaceholder, NumberIsTheWeightedSumOfTheSignedCharactersKeepingItsSign) {
  struct Row {
    std::string path;
    int number;
    const char* catches;
  };
  const Row rows[] = {
      {"AB", 65 * 1 + 66 * 2, "positions not weighted from 1"},
      {"\xE9", -23, "characters taken unsigned, or the sign of the remainder lost"},
      {std::string(200, 'z'), 122 * 200 * 201 / 2 % 32768, "the sum not reduced by 32768"},
      {std::string(260, 'a') + "zzz", 97 * 260 * 261 / 2 % 32768, "characters beyond the 260th counted"},
  };
  for (const Row& row : rows) EXPECT_EQ(placeholderNumber(row.path), row.number) << row.catches;
  EXPECT_EQ(placeholderFileName("/home/z5/", "AB"), "/home/z5/temp197.bmp");
  EXPECT_NE(placeholderNumber("/routes/a.txt"), placeholderNumber("/routes/b.txt")) << "two routes sharing a map file";
}

class PositionLines : public ::testing::Test {
 protected:
  PositionLines() : voyage(channelVoyage()), extent(extentOf(voyage, view)) {}
  std::optional<PositionLine> at(int x, int y) {
    return ComposePositionLine({extent, kHeight, voyage, settings}, x, y, reference);
  }
  Voyage voyage;
  MapViewState view;
  MapExtent extent;
  SettingsRecord settings;
  PositionReference reference;
};

TEST_F(PositionLines, ReferenceModesGiveTheWaypointOrThePositionForm) {
  const std::string finisterre = formatPosition(43.0, PositionKind::Latitude, false);
  struct Row {
    ReferenceMode mode;
    int index;
    int firstNumber;
    std::string start;
    const char* catches;
  };
  const Row rows[] = {
      {ReferenceMode::Terminal, kNoIndex, 1, "// Wp #3 " + finisterre, "terminal mode not naming the last waypoint"},
      {ReferenceMode::Terminal, kNoIndex, 5, "// Wp #7 ", "the number label start not added"},
      {ReferenceMode::WaypointNumber, 1, 1, "// Wp #2 ", "the chosen waypoint not the reference"},
      {ReferenceMode::WaypointNumber, 7, 1, "// Wp #3 ", "an index beyond the table not falling back to the last"},
      {ReferenceMode::LastCursor, kNoIndex, 1, "// POS ", "the last-click mode given a waypoint form"},
  };
  for (const Row& row : rows) {
    reference = {row.mode, row.index, std::nullopt};
    settings.firstRowNumber = row.firstNumber;
    const std::optional<PositionLine> line = at(400, 300);
    ASSERT_TRUE(line) << row.catches;
    EXPECT_EQ(line->line.substr(0, row.start.size()), row.start) << row.catches << "\n" << line->line;
    EXPECT_EQ(line->line.substr(line->line.size() - line->block.size()), line->block) << row.catches;
  }
}

TEST_F(PositionLines, BlockIsAWaypointEntryAndBearingsRunToThePreviousClick) {
  const std::optional<PositionLine> first = at(100, 100);
  ASSERT_TRUE(first);
  const std::string scale = fmt::sprintf("%6.4f", mapScaleNauticalMilesPerPixel(extent, kHeight));
  EXPECT_EQ(first->block, "\nZ5 (pixel=" + scale + "NM)\n" + first->latitudeText + "\n" + first->longitudeText + "\n");
  EXPECT_EQ(first->bearing.distance, " 0.00NM") << "the first click not its own reference";
  reference.lastClicked = first->clicked;
  const std::optional<PositionLine> second = at(100, 400);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->bearing.course, "000.00T") << "the bearing not from the click to the reference (north here)";
  EXPECT_EQ(second->bearing.reciprocal, "180.00T");
  EXPECT_EQ(second->line.substr(0, 7 + first->latitudeText.size()), "// POS " + first->latitudeText);
  EXPECT_FALSE(at(-1, 10)) << "a pixel outside the picture given a line";
}

TEST_F(PositionLines, WaypointModeWithoutAValidNumberAsksAndCancelFallsBackToTheLast) {
  test::ScriptedHost host;
  StringTable strings;
  Messages messages(host, strings);
  reference = {ReferenceMode::WaypointNumber, kNoIndex, std::nullopt};
  host.answer(std::nullopt);
  chooseReferenceWaypoint(messages, voyage, 1, reference);
  EXPECT_EQ(reference.mode, ReferenceMode::Terminal);
  EXPECT_EQ(reference.waypointIndex, 2);
}

}  // namespace
}  // namespace z5
