// A map picture painted on a QImage through the Qt surface, from the
// shipped world data: background, land and the route on top of them.

#include "ui/MapImage.h"

#include <gtest/gtest.h>

#include "DialogTesting.h"
#include "FixedClock.h"
#include "ScriptedHost.h"
#include "app/Z5App.h"
#include "geo/LegGeometry.h"
#include "geo/Longitude.h"
#include "geo/Projection.h"

namespace z5 {
namespace {

class MapImageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::widgetApplication();
  }

  MapImageTest() : app(host, store, clock) {
    EXPECT_TRUE(app.startUp(Z5_DATA_DIR));
    // Across the Isle of Wight, from the Solent to St Catherine's.
    Voyage& v = app.voyage();
    v.waypoints.resize(2);
    v.waypoints[0].latitude = 50.80;
    v.waypoints[0].longitude = -1.45;
    v.waypoints[1].latitude = 50.50;
    v.waypoints[1].longitude = -1.20;
    v.waypoints[1].rhumbLineCourse = LegGeometry(-1.2).rhumbLine(50.8, -1.45, 50.5, -1.2, false).course;
  }

  QRgb colour(int slot) const {
    const Rgb c = app.settings().RGB_COLOR_MAP[static_cast<std::size_t>(slot)];
    return qRgb(c.red, c.green, c.blue);
  }

  test::ScriptedHost host;
  MemorySettingsStore store;
  test::FixedClock clock;
  Z5App app;
};

TEST_F(MapImageTest, RouteIsDrawnOverTheLandInItsColour) {
  const MapImage map = renderMapImage(app, 800, 600);
  ASSERT_EQ(map.result, kMapPainted);
  ASSERT_EQ(map.image.size(), QSize(800, 600));
  const MapExtent& e = app.mapExtent();
  // The middle of the leg lies on the island: land is green there, and the
  // route line must cover it.
  const int x = LonToX(e, relativeLongitudeSeconds(toArcSeconds(-1.325), e.referenceSeconds));
  const int y = LatToY(e, toArcSeconds(50.65));
  bool routeThere = false;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) routeThere |= map.image.pixel(x + dx, y + dy) == colour(0);
  EXPECT_TRUE(routeThere);
  int land = 0, background = 0;
  for (int py = 0; py < 600; py += 3)
    for (int px = 0; px < 800; px += 3) {
      land += map.image.pixel(px, py) == colour(11);
      background += map.image.pixel(px, py) == colour(6);
    }
  EXPECT_GT(land, 20);
  EXPECT_GT(background, 1000);
}

TEST_F(MapImageTest, EmptyVoyageGivesNoPicture) {
  app.voyage().waypoints.clear();
  const MapImage map = renderMapImage(app, 320, 200);
  EXPECT_EQ(map.result, kMapNotPainted);
}

}  // namespace
}  // namespace z5
