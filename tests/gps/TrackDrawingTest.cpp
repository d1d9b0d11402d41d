// The track log as the fix processor writes it, read back by the map's
// point-file drawing.

#include <gtest/gtest.h>

#include "../map/WorldDataSurface.h"
#include "GpsTestSupport.h"
#include "gps/TrackDrawing.h"
#include "map/ComputeMapExtent.h"

namespace z5 {
namespace {

using test::SurfaceCall;

MapExtent around(double lat, double lon) {
  MapExtentRequest r;
  r.viewPoint = true;
  r.viewLatitude = lat;
  r.viewLongitude = lon;
  r.degreeSpan = 1;
  r.width = 400;
  r.height = 400;
  return ComputeMapExtent(Voyage{}, r);
}

TEST(GpsTrackDrawing, LoggedFixesAreDrawnAsLabelledTrackPoints) {
  test::FixBench b;
  b.settings.GPS_LOG = 1;
  b.settings.GPS_LOGGING_INTERVAL = 10;
  b.clock.set({2002, 3, 23, 12, 35, 0}, {2002, 3, 23, 12, 35, 0});
  for (int s = 0; s <= 20; ++s)
    b.fixes.process(test::rmc(fmt::format("1235{:02d}", s), "4807.038", "N", "01131.000", "E"));
  test::ScriptedHost host;
  StringTable strings;
  Messages messages(host, strings);
  std::vector<ErrorLocation> errors;
  test::WorldDataSurface surface(400, 400);
  const MapExtent extent = around(48.1, 11.5);
  const PointFileStyle mapStyle{false, 400, 400, 5, true, 14, 9};
  EXPECT_EQ(drawTrack(b.trackLog, true, surface, messages, errors, extent, mapStyle), 0) << messages.text();
  const auto circles = surface.only(SurfaceCall::Circle);
  ASSERT_EQ(circles.size(), 2u) << "records at 12:35:10 and 12:35:20";
  EXPECT_EQ(circles[0].value, kTrackMarkRadius);
  EXPECT_GT(circles[0].x, 200) << "east of the centre, 11-31E";
  EXPECT_LT(circles[0].y, 200) << "north of the centre, 48-07N";
  EXPECT_EQ(surface.only(SurfaceCall::Pen)[0].value, kTrackColourIndex);
  const auto labels = surface.only(SurfaceCall::Text);
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0].text, "GPS UTC 12:35:10.00  03/23/2002");
  EXPECT_TRUE(errors.empty());

  test::WorldDataSurface unlabelled(400, 400);
  drawTrack(b.trackLog, false, unlabelled, messages, errors, extent, mapStyle);
  EXPECT_EQ(unlabelled.count(SurfaceCall::Text), 0);
}

}  // namespace
}  // namespace z5
