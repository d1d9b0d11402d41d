// The route check's layer of the map: each finding's leg drawn again in the
// check's leg colour over the route, and a cross where it meets land, only
// when the last check has findings.

#include "map/LandFindingsLayer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingSurface.h"
#include "ScriptedHost.h"
#include "geo/LegGeometry.h"
#include "geo/Longitude.h"
#include "geo/Projection.h"
#include "map/MapColours.h"
#include "map/PaintMap.h"

namespace z5 {
namespace {

using test::RecordingSurface;
using test::SurfaceCall;

Waypoint at(double latitude, double longitude, const char* name) {
  Waypoint w;
  w.latitude = latitude;
  w.longitude = longitude;
  w.name = paddedWaypointName(name);
  return w;
}

LandFinding finding(LandFindingKind kind, int fromRow, Position where) {
  LandFinding f;
  f.kind = kind;
  f.fromRow = fromRow;
  f.toRow = fromRow + 1;
  f.at = where;
  return f;
}

class LandFindingsLayer : public ::testing::Test {
 protected:
  LandFindingsLayer() : messages(host, strings), context(settings, voyage, view, charts, fonts, messages, extent) {
    settings.LAND = settings.GRID = settings.CHARTS = settings.SEA = settings.PORTS = settings.GPS_DISPLAY_TRACK = 0;
    voyage.waypoints = {at(50.5, -2.5, "PORTLAND"), at(50.6, -1.6, "NEEDLES"), at(50.2, -1.0, "OFFING")};
    const LegGeometry geometry(-1.6);
    for (std::size_t i = 1; i < voyage.waypoints.size(); ++i) {
      const Waypoint& a = voyage.waypoints[i - 1];
      Waypoint& b = voyage.waypoints[i];
      b.rhumbLineCourse = geometry.rhumbLine(a.latitude, a.longitude, b.latitude, b.longitude, false).course;
    }
    result.status = LandCheckStatus::Checked;
    result.findings = {finding(LandFindingKind::Crossing, 1, {50.55, -1.3}),
                       finding(LandFindingKind::Clearance, 0, {50.52, -2.3})};
  }

  RecordingSurface paint() {
    RecordingSurface surface(800, 600);
    EXPECT_EQ(PaintMap(surface, context), kMapPainted);
    return surface;
  }
  // The pixel of a position on the map last painted.
  std::pair<int, int> pixel(Position p) const {
    return {LonToX(extent, relativeLongitudeSeconds(toArcSeconds(p.longitude), extent.referenceSeconds)),
            LatToY(extent, toArcSeconds(p.latitude))};
  }
  // The calls after the first pen selection of `colour` up to the next of
  // `until` (or the end); none when `colour` is never selected.
  static std::vector<SurfaceCall> between(const RecordingSurface& s, int colour, int until) {
    auto pen = [](int index) {
      return [index](const SurfaceCall& c) { return c.kind == SurfaceCall::Pen && c.value == index; };
    };
    const auto first = std::find_if(s.calls.begin(), s.calls.end(), pen(colour));
    if (first == s.calls.end()) return {};
    return {std::next(first), std::find_if(std::next(first), s.calls.end(), pen(until))};
  }

  test::ScriptedHost host;
  StringTable strings;
  Messages messages;
  SettingsRecord settings;
  Voyage voyage;
  MapViewState view;
  RouteChartTable charts;
  MapFonts fonts;
  MapExtent extent;
  MapPaintContext context;
  LandCheckResult result;
};

TEST_F(LandFindingsLayer, DrawsEachFindingsLegAgainThenACrossWhereItMeetsLand) {
  context.landCheck = &result;
  const RecordingSurface surface = paint();
  const std::vector<SurfaceCall> route = between(surface, kRouteColour, kCheckedLegColour);
  const std::vector<SurfaceCall> legs = between(surface, kCheckedLegColour, kLandMetColour);
  const std::vector<SurfaceCall> crosses = between(surface, kLandMetColour, -1);
  // The legs again, in finding order (NEEDLES-OFFING, then PORTLAND-NEEDLES),
  // each as the route drew it: a move and a line.
  ASSERT_EQ(legs.size(), 2u * 2);
  for (std::size_t i = 0; i < legs.size(); i += 2) {
    bool drawnByTheRoute = false;
    for (std::size_t j = 0; j + 1 < route.size(); ++j) {
      drawnByTheRoute |= route[j].kind == SurfaceCall::Move && route[j + 1].kind == SurfaceCall::Line &&
                         route[j].x == legs[i].x && route[j].y == legs[i].y && route[j + 1].x == legs[i + 1].x &&
                         route[j + 1].y == legs[i + 1].y;
    }
    EXPECT_TRUE(drawnByTheRoute) << "leg " << i / 2 << " is not one the route drew";
  }
  // Two strokes a finding, corner to corner through its position.
  ASSERT_EQ(crosses.size(), 2u * 4);
  for (std::size_t k = 0; k < result.findings.size(); ++k) {
    const auto [x, y] = pixel(result.findings[k].at);
    const int h = kLandMetCrossHalf;
    const int expected[4][3] = {{SurfaceCall::Move, x - h, y - h},
                                {SurfaceCall::Line, x + h, y + h},
                                {SurfaceCall::Move, x - h, y + h},
                                {SurfaceCall::Line, x + h, y - h}};
    for (int c = 0; c < 4; ++c) {
      const SurfaceCall& call = crosses[4 * k + c];
      EXPECT_EQ(call.kind, expected[c][0]);
      EXPECT_EQ(call.x, expected[c][1]);
      EXPECT_EQ(call.y, expected[c][2]);
    }
  }
}

TEST_F(LandFindingsLayer, IsDrawnOnlyWhenTheLastCheckHasFindings) {
  struct Row {
    const char* legend;  // the fault the row catches
    const LandCheckResult* check;
  };
  const LandCheckResult clean{LandCheckStatus::Checked, {}, 2, 0, 3};
  const Row rows[] = {{"no check: the layer is off", nullptr}, {"a clean check marks nothing", &clean}};
  for (const Row& row : rows) {
    context.landCheck = row.check;
    const RecordingSurface surface = paint();
    EXPECT_EQ(surface.count(SurfaceCall::Line), 2) << row.legend << ": the route's two legs only";
  }
}

TEST_F(LandFindingsLayer, WithoutColourTheMarksAreStillDrawnInThePen) {
  settings.IN_COLOR = 0;
  context.landCheck = &result;
  const RecordingSurface withMarks = paint();
  context.landCheck = nullptr;
  const RecordingSurface without = paint();
  EXPECT_EQ(withMarks.count(SurfaceCall::Pen), 0);
  // Two legs again, and two crosses of two strokes.
  EXPECT_EQ(withMarks.count(SurfaceCall::Line) - without.count(SurfaceCall::Line), 2 + 2 * 2);
}

}  // namespace
}  // namespace z5
