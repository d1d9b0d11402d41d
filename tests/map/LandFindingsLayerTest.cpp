// The route check's layer of the map: each finding's leg drawn again in the
// check's leg colour over the route, and a cross where it meets land, only
// when the last check has findings.

#include "map/LandFindingsLayer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingSurface.h"
#include "ScriptedHost.h"
#include "geo/Longitude.h"
#include "geo/Projection.h"
#include "map/MapColours.h"
#include "map/PaintMap.h"

namespace z5 {
namespace {

using test::RecordingSurface;
using test::SurfaceCall;

class LandFindingsLayer : public ::testing::Test {
 protected:
  LandFindingsLayer() : messages(host, strings), context(settings, voyage, view, charts, fonts, messages, extent) {
    settings.LAND = settings.GRID = settings.CHARTS = settings.SEA = settings.PORTS = settings.GPS_DISPLAY_TRACK = 0;
    // Portland, the Needles, an offing: legs along courses of neither 000 nor 090.
    for (const auto& [lat, lon] : {std::pair{50.5, -2.5}, {50.6, -1.6}, {50.2, -1.0}}) {
      voyage.waypoints.emplace_back();
      voyage.waypoints.back().latitude = lat;
      voyage.waypoints.back().longitude = lon;
      voyage.waypoints.back().rhumbLineCourse = 45;
    }
    result.status = LandCheckStatus::Checked;
    result.findings.resize(2);
    result.findings[0] = {LandFindingKind::Crossing, 1, 2, 2, 3, "", "", {50.55, -1.3}, 0, false};
    result.findings[1] = {LandFindingKind::Clearance, 0, 1, 1, 2, "", "", {50.52, -2.3}, 1.5, false};
  }

  RecordingSurface paint(const LandCheckResult* check) {
    context.landCheck = check;
    RecordingSurface surface(800, 600);
    EXPECT_EQ(PaintMap(surface, context), kMapPainted);
    return surface;
  }
  // The moves and lines after the pen of `colour` up to the next pen.
  static std::vector<SurfaceCall> drawnIn(const RecordingSurface& s, int colour) {
    auto pen = [](const SurfaceCall& c) { return c.kind == SurfaceCall::Pen; };
    auto first = std::find_if(s.calls.begin(), s.calls.end(), [&](const SurfaceCall& c) { return pen(c) && c.value == colour; });
    if (first == s.calls.end()) return {};
    std::vector<SurfaceCall> out;
    for (auto c = std::next(first); c != s.calls.end() && !pen(*c); ++c)
      if (c->kind == SurfaceCall::Move || c->kind == SurfaceCall::Line) out.push_back(*c);
    return out;
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
  const RecordingSurface surface = paint(&result);
  // The route's legs (PORTLAND-NEEDLES, NEEDLES-OFFING), and the findings'
  // in finding order: the same two, reversed.
  const std::vector<SurfaceCall> route = drawnIn(surface, kRouteColour);
  const std::vector<SurfaceCall> legs = drawnIn(surface, kCheckedLegColour);
  ASSERT_EQ(route.size(), 4u);
  ASSERT_EQ(legs.size(), 4u);
  for (int i : {0, 1}) {
    EXPECT_EQ(legs[i].x, route[i + 2].x);
    EXPECT_EQ(legs[i].y, route[i + 2].y);
    EXPECT_EQ(legs[i + 2].x, route[i].x);
    EXPECT_EQ(legs[i + 2].y, route[i].y);
  }
  // Two strokes a finding, corner to corner through its position.
  const std::vector<SurfaceCall> crosses = drawnIn(surface, kLandMetColour);
  ASSERT_EQ(crosses.size(), 2u * 4);
  for (std::size_t k = 0; k < 2; ++k) {
    const Position p = result.findings[k].at;
    const int x = LonToX(extent, relativeLongitudeSeconds(toArcSeconds(p.longitude), extent.referenceSeconds));
    const int y = LatToY(extent, toArcSeconds(p.latitude));
    const int h = kLandMetCrossHalf;
    const int corners[4][2] = {{x - h, y - h}, {x + h, y + h}, {x - h, y + h}, {x + h, y - h}};
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(crosses[4 * k + c].x, corners[c][0]);
      EXPECT_EQ(crosses[4 * k + c].y, corners[c][1]);
    }
  }
}

TEST_F(LandFindingsLayer, IsDrawnOnlyWhenTheLastCheckHasFindingsAndWithoutColourInThePen) {
  const LandCheckResult clean{LandCheckStatus::Checked, {}, 2, 0, 3};
  struct Row {
    const char* legend;  // the fault the row catches
    const LandCheckResult* check;
    int inColour;
    int lines;  // the route's two legs, the findings' two, two crosses of two strokes
    int pens;
  };
  const Row rows[] = {
      {"no check: the layer is off", nullptr, 1, 2, 1},
      {"a clean check marks nothing", &clean, 1, 2, 1},
      {"findings in colour: the leg and cross colours", &result, 1, 2 + 2 + 4, 3},
      {"findings without colour: the same lines in the one pen", &result, 0, 2 + 2 + 4, 0},
  };
  for (const Row& row : rows) {
    settings.IN_COLOR = row.inColour;
    const RecordingSurface surface = paint(row.check);
    EXPECT_EQ(surface.count(SurfaceCall::Line), row.lines) << row.legend;
    EXPECT_EQ(surface.count(SurfaceCall::Pen), row.pens) << row.legend;
  }
}

}  // namespace
}  // namespace z5
