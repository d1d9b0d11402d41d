// The map painter as a whole: the layers in their fixed order over the
// shipped world data, the surface prepared first, and what an empty voyage
// gives.

#include "map/PaintMap.h"

#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "geo/LegGeometry.h"
#include "map/MapColours.h"

namespace z5 {
namespace {

using test::RecordingSurface;
using test::SurfaceCall;

// The layer a pen colour index belongs to, in drawing order.
enum Layer { Land, Grid, Charts, SeaNames, Ports, UserPoints, Track, Route, Unknown };

Layer layerOf(int colourIndex) {
  switch (colourIndex) {
    case kGridColour: return Grid;
    case kChartOutlineColour: return Charts;
    case kSeaNamesColour: return SeaNames;
    case kPortNamesColour: return Ports;
    case kUserPointColour: return UserPoints;
    case kTrackColour: return Track;
    case kRouteColour: return Route;
    default: return colourIndex >= 8 && colourIndex <= 34 ? Land : Unknown;
  }
}

Waypoint at(double latitude, double longitude, const char* name) {
  Waypoint w;
  w.latitude = latitude;
  w.longitude = longitude;
  w.name = paddedWaypointName(name);
  return w;
}

class PaintWholeMap : public ::testing::Test {
 protected:
  PaintWholeMap() : messages(host, strings), context(settings, voyage, view, charts, fonts, messages, extent) {
    settings.HOME_PATH = std::string(Z5_DATA_DIR) + "/";
    settings.FILE_PT = 1;
    settings.USER_POINT_FILE = dir.write("points.txt", "Mid Channel\n50-00N\n002-00W\n");
    const std::string track = dir.write("track.txt", "\nGPS UTC 12:00:00.00  01/01/2024\n50-10.000N\n001-50.000W\n");
    context.trackLog = [track, this](const std::function<void(const std::string&)>& draw) {
      ++trackReads;
      draw(track);
    };
    // Portland to the Needles: across the Channel coast.
    voyage.routeFileName = "CHANNEL.TXT";
    voyage.waypoints = {at(50.5, -2.5, "PORTLAND"), at(50.6, -1.6, "NEEDLES"), at(50.2, -1.0, "OFFING")};
    const LegGeometry geometry(-1.6);
    for (std::size_t i = 1; i < voyage.waypoints.size(); ++i) {
      const Waypoint& a = voyage.waypoints[i - 1];
      voyage.waypoints[i].rhumbLineCourse =
          geometry.rhumbLine(a.latitude, a.longitude, voyage.waypoints[i].latitude, voyage.waypoints[i].longitude, false)
              .course;
    }
    RouteChart chart;
    chart.number = 2615;
    chart.southSeconds = 50 * 3600;
    chart.northSeconds = 51 * 3600;
    chart.longitude1Seconds = -3 * 3600;
    chart.longitude2Seconds = -2 * 3600;
    charts.charts = {chart};
  }

  test::TempDir dir;
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
  int trackReads = 0;
};

TEST_F(PaintWholeMap, LayersComeInTheirFixedOrder) {
  RecordingSurface surface(800, 600);
  ASSERT_EQ(PaintMap(surface, context), kMapPainted);
  std::vector<Layer> layers;
  for (const SurfaceCall& c : surface.only(SurfaceCall::Pen)) {
    const Layer layer = layerOf(c.value);
    ASSERT_NE(layer, Unknown) << c.value;
    if (layers.empty() || layers.back() != layer) layers.push_back(layer);
  }
  EXPECT_EQ(layers, (std::vector<Layer>{Land, Grid, Charts, SeaNames, Ports, UserPoints, Track, Route}));
  EXPECT_EQ(trackReads, 1);
  // Each layer actually drew: a coastline, the chart's number, the user
  // point's and the track point's labels, the route's labels.
  EXPECT_GT(surface.count(SurfaceCall::Line), 20);
  EXPECT_EQ(surface.texts("2615").size(), 1u);
  EXPECT_EQ(surface.texts("Mid Channel").size(), 1u);
  EXPECT_EQ(surface.texts("GPS UTC 12:00:00.00  01/01/2024").size(), 1u);
  EXPECT_EQ(surface.texts("2-NEEDLES").size(), 1u);
}

TEST_F(PaintWholeMap, SurfaceIsPreparedBeforeAnythingIsDrawn) {
  RecordingSurface surface(800, 600);
  ASSERT_EQ(PaintMap(surface, context), kMapPainted);
  ASSERT_GE(surface.calls.size(), 4u);
  EXPECT_EQ(surface.calls[0].kind, SurfaceCall::Table);
  EXPECT_EQ(surface.calls[1].kind, SurfaceCall::Font);
  EXPECT_EQ(surface.calls[1].text, "Times New Roman");
  EXPECT_EQ(surface.calls[2].kind, SurfaceCall::Fill);
  EXPECT_EQ(surface.calls[2].rgb, settings.RGB_COLOR_MAP[kBackgroundColour]);
  EXPECT_EQ(surface.calls[3].kind, SurfaceCall::PenRgb);
  EXPECT_EQ(surface.calls[3].rgb, kWhite);
  // The extent and the drawing size are kept for the mouse and the leg pass.
  EXPECT_EQ(view.drawingWidth, 800);
  EXPECT_EQ(view.drawingHeight, 600);
  EXPECT_GT(extent.northSeconds, 50 * 3600);
  EXPECT_EQ(extent.referenceMeridian, -1.6);
}

TEST_F(PaintWholeMap, WithoutColourEverythingIsDrawnInTheDefaultPen) {
  settings.IN_COLOR = 0;
  RecordingSurface surface(800, 600);
  ASSERT_EQ(PaintMap(surface, context), kMapPainted);
  EXPECT_EQ(surface.count(SurfaceCall::Pen), 0);
  EXPECT_EQ(surface.count(SurfaceCall::TextColour), 0);
  EXPECT_EQ(surface.only(SurfaceCall::Fill).at(0).rgb, kBlack);
  for (const SurfaceCall& c : surface.only(SurfaceCall::PenRgb)) EXPECT_EQ(c.rgb, kWhite);
}

TEST_F(PaintWholeMap, PrinterUsesThePrinterFontOrFollowsTheDisplayFont) {
  RecordingSurface follows(800, 600, /*printing=*/true);
  ASSERT_EQ(PaintMap(follows, context), kMapPainted);
  const auto font = follows.only(SurfaceCall::Font).at(0);
  EXPECT_EQ(font.value, 1);  // scaled from the screen
  EXPECT_EQ(follows.fontHeight, fonts.display.height);
  fonts.printer.height = -80;
  fonts.printer.faceName = "Arial";
  RecordingSurface own(800, 600, true);
  ASSERT_EQ(PaintMap(own, context), kMapPainted);
  EXPECT_EQ(own.only(SurfaceCall::Font).at(0).text, "Arial");
  EXPECT_EQ(own.only(SurfaceCall::Font).at(0).value, 0);
  EXPECT_EQ(own.fontHeight, -80);
}

TEST_F(PaintWholeMap, SwitchedOffLayersAreLeftOut) {
  settings.LAND = 0;
  settings.GRID = 0;
  settings.CHARTS = 0;
  settings.SEA = 0;
  settings.PORTS = 0;
  settings.FILE_PT = 0;
  settings.GPS_DISPLAY_TRACK = 0;
  RecordingSurface surface(800, 600);
  ASSERT_EQ(PaintMap(surface, context), kMapPainted);
  for (const SurfaceCall& c : surface.only(SurfaceCall::Pen)) EXPECT_EQ(c.value, kRouteColour);
  EXPECT_EQ(trackReads, 0);
  EXPECT_EQ(surface.count(SurfaceCall::Text), 3);  // the route's labels only
}

TEST_F(PaintWholeMap, LayerFileErrorsReachTheMessageWindowWithoutPopUps) {
  settings.HOME_PATH = dir.home();  // no world data here
  RecordingSurface surface(800, 600);
  ASSERT_EQ(PaintMap(surface, context), kMapPainted);
  EXPECT_NE(messages.text().find("ocean.dat"), std::string::npos) << messages.text();
  EXPECT_TRUE(host.popups.empty());
  EXPECT_FALSE(messages.quiet());
  EXPECT_EQ(surface.texts("3-OFFING").size(), 1u);  // the route still drawn
}

TEST_F(PaintWholeMap, EmptyVoyageWithoutViewPointShowsErrorAndDrawsNothing) {
  voyage.waypoints.clear();
  RecordingSurface surface(800, 600);
  EXPECT_EQ(PaintMap(surface, context), kMapNotPainted);
  EXPECT_TRUE(surface.calls.empty());
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_NE(host.popups[0].text.find("CHANNEL.TXT"), std::string::npos);
}

TEST_F(PaintWholeMap, EmptyVoyageWithViewPointIsDrawnAroundIt) {
  voyage.waypoints.clear();
  view.viewPointMode = true;
  view.viewLatitude = 50.7;
  view.viewLongitude = -1.3;
  view.degreeSpan = 1;
  RecordingSurface surface(800, 600);
  EXPECT_EQ(PaintMap(surface, context), kMapPainted);
  EXPECT_GT(surface.count(SurfaceCall::Line), 20);
  EXPECT_DOUBLE_EQ(extent.referenceMeridian, -1.3);
}

TEST_F(PaintWholeMap, EmptyDrawingIsNotPainted) {
  RecordingSurface surface(0, 600);
  EXPECT_EQ(PaintMap(surface, context), kMapNotPainted);
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_TRUE(host.popups.empty());
}

}  // namespace
}  // namespace z5
