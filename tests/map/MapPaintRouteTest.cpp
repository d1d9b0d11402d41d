// The route on the map: labels beside their points (right-aligned near the
// right edge), marks, the to-waypoint start cross, and legs clipped at the
// edges of the view.

#include "map/RouteDrawing.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "geo/LegGeometry.h"
#include "geo/Longitude.h"
#include "geo/Projection.h"

namespace z5 {
namespace {

using test::RecordingSurface;
using test::SurfaceCall;

// One degree square from 0 N 0 E at 10 arc-seconds a pixel, linear, on the
// Greenwich meridian.
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

Waypoint at(double latitude, double longitude, const char* name = "") {
  Waypoint w;
  w.latitude = latitude;
  w.longitude = longitude;
  w.name = paddedWaypointName(name);
  return w;
}

// A voyage through the points with each leg's rhumb-line course set as the
// leg pass sets it.
Voyage voyageThrough(std::vector<Waypoint> points) {
  Voyage v;
  v.waypoints = std::move(points);
  const LegGeometry geometry(0);
  for (std::size_t i = 1; i < v.waypoints.size(); ++i) {
    const Waypoint& a = v.waypoints[i - 1];
    Waypoint& b = v.waypoints[i];
    b.rhumbLineCourse = geometry.rhumbLine(a.latitude, a.longitude, b.latitude, b.longitude, false).course;
  }
  return v;
}

int px(const MapExtent& e, double longitude) { return LonToX(e, toArcSeconds(longitude)); }
int py(const MapExtent& e, double latitude) { return LatToY(e, toArcSeconds(latitude)); }

TEST(MapPaintRoute, LabelsSitRightOfTheirPointUnlessTheyWouldPassTheRightEdge) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(0.5, 0.5, "MIDDLE"), at(0.5, 0.98, "NEAR EDGE")});
  RecordingSurface surface(360, 360);
  DrawRoute(surface, e, v, RouteStyle{true, 1, 14});
  const auto middle = surface.texts("1-MIDDLE");
  ASSERT_EQ(middle.size(), 1u);
  EXPECT_EQ(middle[0].x, px(e, 0.5) + 2);
  EXPECT_EQ(middle[0].y, py(e, 0.5));
  const auto edge = surface.texts("2-NEAR EDGE");
  ASSERT_EQ(edge.size(), 1u);
  EXPECT_EQ(edge[0].x + surface.textWidth("2-NEAR EDGE") + 2, px(e, 0.98));
}

TEST(MapPaintRoute, LabelsCountFromTheFirstNumberAndDropNamesWhenAsked) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(0.2, 0.2, "A"), at(0.4, 0.4, "B")});
  RecordingSurface surface(360, 360);
  DrawRoute(surface, e, v, RouteStyle{false, 10, 14});
  EXPECT_EQ(surface.texts("10").size(), 1u);
  EXPECT_EQ(surface.texts("11").size(), 1u);
}

TEST(MapPaintRoute, EachPointIsMarkedWithAPixelAndARingOfRadiusFive) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(0.2, 0.2), at(0.4, 0.4), at(2.0, 2.0)});
  RecordingSurface surface(360, 360);
  DrawRoute(surface, e, v, RouteStyle{true, 1, 14});
  const auto rings = surface.only(SurfaceCall::Circle);
  ASSERT_EQ(rings.size(), 2u);  // the third point is outside the view
  EXPECT_EQ(rings[0].value, kRouteMarkRadius);
  EXPECT_EQ(rings[0].x, px(e, 0.2));
  EXPECT_EQ(surface.count(SurfaceCall::Pixel), 2);
}

TEST(MapPaintRoute, LegInsideTheViewJoinsItsPoints) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(0.2, 0.2), at(0.7, 0.9)});
  RecordingSurface surface(360, 360);
  DrawRoute(surface, e, v, RouteStyle{true, 1, 14});
  const auto segments = surface.segments();
  ASSERT_EQ(segments.size(), 1u);
  EXPECT_EQ(segments[0].x1, px(e, 0.2));
  EXPECT_EQ(segments[0].y1, py(e, 0.2));
  EXPECT_EQ(segments[0].x2, px(e, 0.9));
  EXPECT_EQ(segments[0].y2, py(e, 0.7));
}

TEST(MapPaintRoute, LegLeavingTheViewIsCutAtTheEdgeMeridian) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(0.3, 0.4), at(0.6, 1.6)});
  const auto leg = clipLeg(e, v.waypoints[0], v.waypoints[1]);
  ASSERT_TRUE(leg);
  EXPECT_EQ(leg->x1, px(e, 0.4));
  EXPECT_EQ(leg->y1, py(e, 0.3));
  EXPECT_EQ(leg->x2, LonToX(e, e.eastSeconds));
  // The rhumb line is straight on the chart: a quarter of the way in latitude.
  EXPECT_NEAR(leg->y2, py(e, 0.3 + 0.3 * 0.6 / 1.2), 1);
}

TEST(MapPaintRoute, LegCrossingTheWholeViewIsCutAtBothEdges) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(-0.5, 0.5), at(1.5, 0.7)});
  const auto leg = clipLeg(e, v.waypoints[0], v.waypoints[1]);
  ASSERT_TRUE(leg);
  EXPECT_EQ(leg->y1, LatToY(e, e.southSeconds));  // enters from the south
  EXPECT_EQ(leg->y2, LatToY(e, e.northSeconds));  // leaves to the north
  EXPECT_NEAR(leg->x1, px(e, 0.55), 1);
  EXPECT_NEAR(leg->x2, px(e, 0.65), 1);
}

TEST(MapPaintRoute, LegWhollyOutsideIsSkipped) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(1.5, 0.2), at(1.2, 2.0)});
  EXPECT_FALSE(clipLeg(e, v.waypoints[0], v.waypoints[1]));
  // Its box meets the view but the line passes beyond the north-east corner.
  const Voyage corner = voyageThrough({at(0.9, 1.5), at(1.5, 0.9)});
  EXPECT_FALSE(clipLeg(e, corner.waypoints[0], corner.waypoints[1]));
}

TEST(MapPaintRoute, LegAlongAnEdgeIsNotDrawn) {
  const MapExtent e = squareView();
  // Along the north edge, from outside the view to a point on it.
  const Voyage alongParallel = voyageThrough({at(1.0, -0.5), at(1.0, 0.5)});
  EXPECT_DOUBLE_EQ(alongParallel.waypoints[1].rhumbLineCourse, 90);
  EXPECT_FALSE(clipLeg(e, alongParallel.waypoints[0], alongParallel.waypoints[1]));
  // Along the west edge, from the view's corner southwards out of it.
  const Voyage alongMeridian = voyageThrough({at(0.5, 0.0), at(-0.5, 0.0)});
  EXPECT_FALSE(clipLeg(e, alongMeridian.waypoints[0], alongMeridian.waypoints[1]));
  // Within 0.2 degree of the edge's direction counts as along it.
  Voyage nearly = voyageThrough({at(1.0, -0.5), at(1.0, 0.5)});
  nearly.waypoints[1].rhumbLineCourse = 270.15;
  EXPECT_FALSE(clipLeg(e, nearly.waypoints[0], nearly.waypoints[1]));
}

// A view of the given bounds (degrees, longitudes relative to Greenwich),
// linear at the given pixels.
MapExtent viewOf(double south, double north, double west, double east, int width, int height) {
  MapExtent e;
  e.southSeconds = toArcSeconds(south);
  e.northSeconds = toArcSeconds(north);
  e.westSeconds = toArcSeconds(west);
  e.eastSeconds = toArcSeconds(east);
  e.latitudeSpan = e.northSeconds - e.southSeconds;
  e.longitudeSpan = e.eastSeconds - e.westSeconds;
  e.width = width;
  e.height = height;
  return e;
}

TEST(MapPaintRoute, LegAcrossTheMapsBackMeridianRunsToTheEdgeItCrosses) {
  // 175E to 175W runs east across the 180th meridian, which is the edge of
  // the map's longitudes here (the reference meridian is Greenwich).
  const Voyage v = voyageThrough({at(5, 175), at(5, -175)});
  {
    const MapExtent eastSide = viewOf(0, 10, 170, 180, 360, 360);
    RecordingSurface surface(360, 360);
    DrawRoute(surface, eastSide, v, RouteStyle{true, 1, 14});
    const auto segments = surface.segments();
    ASSERT_EQ(surface.count(SurfaceCall::Line), 1);
    EXPECT_EQ(segments[0].x1, px(eastSide, 175));
    EXPECT_EQ(segments[0].y1, py(eastSide, 5));
    EXPECT_NEAR(segments[0].x2, 360, 1);  // eastwards to the east edge, not west
    EXPECT_EQ(segments[0].y2, py(eastSide, 5));
  }
  {
    const MapExtent westSide = viewOf(0, 10, -180, -170, 360, 360);
    RecordingSurface surface(360, 360);
    DrawRoute(surface, westSide, v, RouteStyle{true, 1, 14});
    const auto segments = surface.segments();
    ASSERT_EQ(surface.count(SurfaceCall::Line), 1);
    EXPECT_NEAR(segments[0].x1, 0, 1);  // in from the west edge
    EXPECT_EQ(segments[0].x2, px(westSide, -175));
    EXPECT_EQ(segments[0].y2, py(westSide, 5));
  }
  {
    // The whole world: two short pieces, no line across the map.
    const MapExtent world = viewOf(-10, 10, -180, 180, 720, 40);
    RecordingSurface surface(720, 40);
    DrawRoute(surface, world, v, RouteStyle{true, 1, 14});
    ASSERT_EQ(surface.count(SurfaceCall::Line), 2);
    for (const auto& s : surface.segments()) EXPECT_LE(std::abs(s.x2 - s.x1), 12);
  }
}

TEST(MapPaintRoute, NearlyNorthLegLeavingThroughTheTopIsDrawnThoughItsEndLiesPastTheEastMeridian) {
  // Course about 000.1: the leg leaves the view through its north edge; the
  // east meridian lies between its ends' longitudes but the leg meets that
  // meridian far north of the view, so it crosses no edge along which it runs.
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(0.5, 0.999), at(3.5, 1.004)});
  ASSERT_LT(v.waypoints[1].rhumbLineCourse, kAlongEdgeTolerance);
  const auto leg = clipLeg(e, v.waypoints[0], v.waypoints[1]);
  ASSERT_TRUE(leg);
  EXPECT_EQ(leg->x1, px(e, 0.999));
  EXPECT_EQ(leg->y1, py(e, 0.5));
  EXPECT_EQ(leg->y2, LatToY(e, e.northSeconds));
  // The same course crossing the east edge inside the view runs along it.
  const Voyage along = voyageThrough({at(0.1, 0.9995), at(0.9, 1.001)});
  ASSERT_LT(along.waypoints[1].rhumbLineCourse, kAlongEdgeTolerance);
  EXPECT_FALSE(clipLeg(e, along.waypoints[0], along.waypoints[1]));
}

TEST(MapPaintRoute, LegOnTheEdgeParallelInsideTheViewIsDrawn) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(1.0, 0.2), at(1.0, 0.8)});
  EXPECT_TRUE(clipLeg(e, v.waypoints[0], v.waypoints[1]));
}

TEST(MapPaintRoute, NoLineBetweenPointsOnTheSamePixel) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(0.5, 0.5), at(0.5001, 0.5001)});
  RecordingSurface surface(360, 360);
  DrawRoute(surface, e, v, RouteStyle{true, 1, 14});
  EXPECT_EQ(surface.count(SurfaceCall::Line), 0);
}

TEST(MapPaintRoute, ToWaypointStartIsCrossedAndNumberedBeforeTheTarget) {
  const MapExtent e = squareView();
  Voyage v = voyageThrough({at(0.1, 0.1, "FIRST"), at(0.5, 0.5, "SECOND"), at(0.8, 0.8, "THIRD")});
  v.toWaypoint.index = 2;
  v.toWaypoint.start = at(0.3, 0.6, "POS");
  RecordingSurface surface(360, 360);
  DrawRoute(surface, e, v, RouteStyle{true, 1, 14});
  EXPECT_EQ(surface.texts("2-POS").size(), 1u);
  EXPECT_EQ(surface.texts("3-THIRD").size(), 1u);
  EXPECT_TRUE(surface.texts("1-FIRST").empty());
  EXPECT_EQ(surface.count(SurfaceCall::Circle), 1);  // only the target is ringed
  const int x = px(e, 0.6), y = py(e, 0.3);
  int strokes = 0;
  for (const auto& s : surface.segments()) {
    const bool horizontal = s.y1 == y && s.y2 == y && std::abs(s.x2 - s.x1) == 2 * kStartCrossHalf;
    const bool vertical = s.x1 == x && s.x2 == x && std::abs(s.y2 - s.y1) == 2 * kStartCrossHalf;
    strokes += horizontal || vertical;
  }
  EXPECT_EQ(strokes, 2);
}

TEST(MapPaintRoute, LegsAreDrawnBeforeTheLabelsSoNoLegCrossesOutALabel) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(0.2, 0.2), at(0.4, 0.4), at(0.6, 0.2)});
  RecordingSurface surface(360, 360);
  DrawRoute(surface, e, v, RouteStyle{true, 1, 14});
  std::size_t firstText = surface.calls.size(), lastLine = 0;
  for (std::size_t i = 0; i < surface.calls.size(); ++i) {
    if (surface.calls[i].kind == SurfaceCall::Text) firstText = std::min(firstText, i);
    if (surface.calls[i].kind == SurfaceCall::Line) lastLine = i;
  }
  EXPECT_EQ(surface.count(SurfaceCall::Line), 2);
  EXPECT_LT(lastLine, firstText);
}


TEST(MapPaintRoute, CrowdedLabelsOfInsertedPointsAreLeftOutAndWaypointsMoveAside) {
  const MapExtent e = squareView();
  // Two waypoints 2 pixels apart with an inserted great-circle point on top
  // of them: the second waypoint's label goes to the left of its point, and
  // the inserted point's label is left out.
  Voyage v = voyageThrough({at(0.5, 0.50, "ALPHA"), at(0.5, 0.506, "BRAVO"), at(0.5, 0.503, "- GC calc")});
  v.waypoints[2].kind = kGcCalcPoint;
  RecordingSurface surface(360, 360);
  LabelSpace space;
  const auto labels = placeRouteLabels(surface, e, v, RouteStyle{true, 1, 14}, space);
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0].text, "1-ALPHA");
  EXPECT_EQ(labels[0].x, px(e, 0.5) + 2);
  EXPECT_EQ(labels[1].text, "2-BRAVO");
  EXPECT_EQ(labels[1].x + surface.textWidth("2-BRAVO") + 2, px(e, 0.506));
  // Every point is still ringed.
  DrawRoute(surface, e, v, labels);
  EXPECT_EQ(surface.count(SurfaceCall::Circle), 3);
}

TEST(MapPaintRoute, LabelsGiveWayToTextAlreadyOnTheMap) {
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(0.5, 0.2, "ALPHA")});
  RecordingSurface surface(360, 360);
  LabelSpace space;
  const int x = px(e, 0.2), y = py(e, 0.5);
  space.take({x, y, x + 200, y + 14});  // a chart number right of the point
  auto labels = placeRouteLabels(surface, e, v, RouteStyle{true, 1, 14}, space);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].y, y);  // the other side of the point
  EXPECT_EQ(labels[0].x + surface.textWidth("1-ALPHA") + 2, x);
  LabelSpace crowded;
  crowded.take({0, y, 360, y + 14});  // a whole row taken
  labels = placeRouteLabels(surface, e, v, RouteStyle{true, 1, 14}, crowded);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].y, y - 14);  // the row above, on the usual side
  EXPECT_EQ(labels[0].x, x + 2);
}


TEST(MapPaintRoute, LabelMovedAsideStaysOnTheMap) {
  // A waypoint on the north edge whose row is taken: the row above would
  // be off the picture, so the label goes to the row below.
  const MapExtent e = squareView();
  const Voyage v = voyageThrough({at(1.0, 0.2, "ALPHA")});
  RecordingSurface surface(360, 360);
  LabelSpace space;
  space.take({0, 0, 360, 14});
  const auto labels = placeRouteLabels(surface, e, v, RouteStyle{true, 1, 14}, space);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].y, 14);
  EXPECT_EQ(labels[0].x, px(e, 0.2) + 2);
}

}  // namespace
}  // namespace z5
