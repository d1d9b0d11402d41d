// Chart outlines on the map: clipped to the view, the number placed inside
// a corner, nothing for a chart that covers the whole view.

#include "map/ChartOutlines.h"

#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "geo/Projection.h"

namespace z5 {
namespace {

using test::RecordingSurface;
using test::SurfaceCall;

// One degree square at 10 arc-seconds a pixel, linear (no scale divisors).
MapExtent squareView() {
  MapExtent e;
  e.southSeconds = 0;
  e.northSeconds = 3600;
  e.westSeconds = 0;
  e.eastSeconds = 3600;
  e.latitudeSpan = e.longitudeSpan = 3600;
  e.width = e.height = 360;
  return e;
}

RouteChart chart(int number, int south, int north, int west, int east) {
  RouteChart c;
  c.number = number;
  c.southSeconds = south;
  c.northSeconds = north;
  c.longitude1Seconds = west;
  c.longitude2Seconds = east;
  return c;
}

constexpr int kTextHeight = RecordingSurface::kTextHeight;

TEST(MapPaintCharts, ChartContainingTheWholeViewDrawsNothing) {
  RouteChartTable table;
  table.charts = {chart(100, -100, 3700, -100, 3700), chart(101, 0, 3600, 0, 3600)};
  RecordingSurface surface(360, 360);
  DrawChartOutlines(surface, squareView(), table, kTextHeight);
  EXPECT_TRUE(surface.calls.empty());
}

TEST(MapPaintCharts, ChartOutsideTheViewDrawsNothing) {
  RouteChartTable table;
  table.charts = {chart(7, 4000, 5000, 0, 3600), chart(8, 0, 3600, -5000, -4000)};
  RecordingSurface surface(360, 360);
  DrawChartOutlines(surface, squareView(), table, kTextHeight);
  EXPECT_TRUE(surface.calls.empty());
}

TEST(MapPaintCharts, ChartInsideDrawsFourSidesAndItsNumberTopRight) {
  RouteChartTable table;
  table.charts = {chart(2345, 1000, 2000, 500, 3000)};
  RecordingSurface surface(360, 360);
  const MapExtent e = squareView();
  DrawChartOutlines(surface, e, table, kTextHeight);
  EXPECT_EQ(surface.segments().size(), 4u);
  const auto numbers = surface.texts("2345");
  ASSERT_EQ(numbers.size(), 1u);
  const int right = LonToX(e, 3000), top = LatToY(e, 2000);
  EXPECT_EQ(numbers[0].x, right - 4 * RecordingSurface::kCharWidth - 2);  // inside the east side
  EXPECT_EQ(numbers[0].y, top + 2);
}

TEST(MapPaintCharts, ClippedSidesAreLeftOutAndTheNumberMovesToTheDrawnCorner) {
  // North and west run off the view: only the south and east sides show,
  // and the number sits at the bottom right, above the south side.
  RouteChartTable table;
  table.charts = {chart(77, 1800, 5000, -600, 2700)};
  RecordingSurface surface(360, 360);
  const MapExtent e = squareView();
  DrawChartOutlines(surface, e, table, kTextHeight);
  const int left = LonToX(e, 0), right = LonToX(e, 2700), top = LatToY(e, 3600), bottom = LatToY(e, 1800);
  const auto segments = surface.segments();
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[0].y1, bottom);  // south side
  EXPECT_EQ(segments[0].y2, bottom);
  EXPECT_EQ(segments[0].x1, left);
  EXPECT_EQ(segments[0].x2, right);
  EXPECT_EQ(segments[1].x1, right);  // east side
  EXPECT_EQ(segments[1].y1, top);
  const auto numbers = surface.texts("77");
  ASSERT_EQ(numbers.size(), 1u);
  EXPECT_EQ(numbers[0].y, bottom - kTextHeight - 2);
  EXPECT_EQ(numbers[0].x, right - 2 * RecordingSurface::kCharWidth - 2);
}

TEST(MapPaintCharts, EastClippedNumberGoesLeft) {
  RouteChartTable table;
  table.charts = {chart(5, 1000, 2000, 1800, 9000)};
  RecordingSurface surface(360, 360);
  const MapExtent e = squareView();
  DrawChartOutlines(surface, e, table, kTextHeight);
  EXPECT_EQ(surface.segments().size(), 3u);
  const auto numbers = surface.texts("5");
  ASSERT_EQ(numbers.size(), 1u);
  EXPECT_EQ(numbers[0].x, LonToX(e, 1800) + 2);
  EXPECT_EQ(numbers[0].y, LatToY(e, 2000) + 2);
}

TEST(MapPaintCharts, BoxTooSmallForItsNumberHasNoNumber) {
  RouteChartTable table;
  table.charts = {chart(123456, 1000, 1100, 1000, 1100)};  // 10 x 10 pixels
  RecordingSurface surface(360, 360);
  DrawChartOutlines(surface, squareView(), table, kTextHeight);
  EXPECT_EQ(surface.segments().size(), 4u);
  EXPECT_EQ(surface.count(SurfaceCall::Text), 0);
}

TEST(MapPaintCharts, ChartAcrossTheDateLineIsTheShortRectangle) {
  // Edges at 179 E and 179 W around a view on the 180th meridian.
  MapExtent e = squareView();
  e.referenceSeconds = 648000;
  e.referenceMeridian = 180;
  e.westSeconds = -7200;
  e.eastSeconds = 7200;
  e.longitudeSpan = 14400;
  e.width = 1440;
  RouteChartTable table;
  table.charts = {chart(9, 1000, 2000, 179 * 3600, -179 * 3600)};
  const ChartBox box = chartBoxOf(table.charts[0], e.referenceSeconds);
  EXPECT_EQ(box.west, -3600);
  EXPECT_EQ(box.east, 3600);
  RecordingSurface surface(1440, 360);
  DrawChartOutlines(surface, e, table, kTextHeight);
  const auto segments = surface.segments();
  ASSERT_EQ(segments.size(), 4u);
  EXPECT_EQ(segments[0].x1, LonToX(e, -3600));
  EXPECT_EQ(segments[0].x2, LonToX(e, 3600));
}

}  // namespace
}  // namespace z5
