// The map window without its widget: opening the map of the active route,
// its placeholder, the zoom and span commands, the mouse, the Map menu's
// prompts and the position dialog.

#include "app/MapWindow.h"

#include <filesystem>

#include "DeskTesting.h"
#include "app/PositionDialog.h"
#include "geo/Longitude.h"
#include "base/TextUtil.h"
#include "map/MapPlaceholder.h"

namespace z5 {
namespace {

class MapWindowTest : public test::DeskTest {
 protected:
  MapDocument* openMap() {
    route = &openRoute("passage.txt");
    return map.open();
  }
  const MapViewState& view() { return app.mapView(); }

  MapWindow map{app};
  RouteDocument* route = nullptr;
};

TEST_F(MapWindowTest, MapOfTheActiveRouteIsOpenedOnItsPlaceholderAndReused) {
  MapDocument* shown = openMap();
  ASSERT_NE(shown, nullptr);
  const std::string placeholder = placeholderFileName(home.home(), route->path());
  EXPECT_EQ(shown->path(), placeholder);
  EXPECT_EQ(test::readFile(placeholder), " ");
  EXPECT_EQ(shown->title(), "Map of: " + route->path());
  EXPECT_EQ(route->mapLink(), shown);
  EXPECT_EQ(app.documents().liveMap(), shown);
  EXPECT_EQ(windows.calls.back(), "render " + placeholder.substr(placeholder.find_last_of('/') + 1));
  EXPECT_GT(app.mapExtent().width, 0) << "the map not painted";
  home.write(placeholder.substr(placeholder.find_last_of('/') + 1), "kept");
  EXPECT_EQ(map.open(), shown) << "a second map window for the same route";
  EXPECT_EQ(test::readFile(placeholder), "kept") << "an existing map file written over";
  EXPECT_EQ(app.documents().documents().size(), 2u);
}

TEST_F(MapWindowTest, RouteWithoutAVoyageGivesNoMap) {
  struct Row {
    const char* text;
    const char* catches;
  };
  const Row rows[] = {
      {"// only a comment\n", "a map window for a route without waypoints"},
      {"Dover\n51-06N\n", "a map window for a route with an error"},
  };
  for (const Row& row : rows) {
    openRoute("empty.txt", row.text);
    host.popups.clear();
    EXPECT_EQ(map.open(), nullptr) << row.catches;
    ASSERT_FALSE(host.popups.empty()) << row.catches;
    EXPECT_EQ(host.popups.back().text, app.strings().error(kErrorNoVoyage, home.file("empty.txt"))) << row.catches;
    EXPECT_EQ(app.documents().liveMap(), nullptr) << row.catches;
    app.documents().close(*app.documents().findText(home.file("empty.txt")));
  }
}

TEST_F(MapWindowTest, PlaceholderThatCannotBeMadeShowsItsErrorAndCause) {
  openRoute("passage.txt");
  app.settings().HOME_PATH = home.file("gone") + "/";
  EXPECT_EQ(map.open(), nullptr);
  ASSERT_FALSE(host.popups.empty());
  const std::string path = placeholderFileName(app.settings().HOME_PATH, home.file("passage.txt"));
  EXPECT_EQ(host.popups.back().text, app.strings().error(47, path) + "\n" + app.strings().error(56, 2));
  EXPECT_EQ(host.popups.back().milliseconds, kPlaceholderErrorMs);
}

TEST_F(MapWindowTest, ZoomingKeepsTheViewInTheRouteAndZoomInStopsAtTheSmallestSpan) {
  ASSERT_NE(openMap(), nullptr);
  const MapExtent whole = app.mapExtent();
  ASSERT_TRUE(map.zoomCommand(Zoom::In));
  EXPECT_TRUE(view().viewPointMode) << "the first zoom not centring the whole-voyage picture";
  EXPECT_DOUBLE_EQ(view().viewLatitude, (whole.north + whole.south) / 2);
  EXPECT_DOUBLE_EQ(view().viewLongitude, absoluteLongitude((whole.west + whole.east) / 2, whole.referenceMeridian));
  EXPECT_DOUBLE_EQ(view().degreeSpan, (whole.north - whole.south) / 2);
  EXPECT_TRUE(view().redrawPending);
  EXPECT_EQ(route->mapView(), takeFromMapView(view(), app.mapLock())) << "the route not keeping its view";
  ASSERT_TRUE(map.spanButton(kSpanButtonSpans[0]));
  EXPECT_DOUBLE_EQ(view().degreeSpan, MapViewState::kSmallestSpan) << "the 1/100 degree button not clamped";
  ASSERT_TRUE(map.spanButton(kSpanButtonSpans[1]));
  map.redraw();
  EXPECT_FALSE(view().redrawPending);
  ASSERT_TRUE(map.zoomCommand(Zoom::In));
  EXPECT_DOUBLE_EQ(view().degreeSpan, MapViewState::kSmallestSpan);
  EXPECT_FALSE(canZoom(view(), Zoom::In)) << "the zoom-in button still shown";
  app.documents().activate(*route);
  EXPECT_FALSE(map.zoomCommand(Zoom::Out)) << "a zoom command acting without a map window active";
}

TEST_F(MapWindowTest, RouteHandsItsOwnViewToTheMapWhenExtracted) {
  ASSERT_NE(openMap(), nullptr);
  route->mapView() = {7, false, 0, 0, 4};  // a centre beyond the three waypoints
  route->edit(route->text());
  ASSERT_NE(map.open(), nullptr);
  EXPECT_EQ(view().centreIndex, kNoIndex) << "a centre index beyond the voyage handed to the map";
  EXPECT_DOUBLE_EQ(view().degreeSpan, 4);
}

TEST_F(MapWindowTest, MouseShowsThePositionLineAndARightClickRecentres) {
  ASSERT_NE(openMap(), nullptr);
  const std::optional<PositionLine> line = map.mouseMove(kWidth / 2, kHeight / 2);
  ASSERT_TRUE(line);
  EXPECT_EQ(host.windowText, expandLineEnds(line->line));
  EXPECT_FALSE(map.mouseMove(-5, 10));
  EXPECT_EQ(host.windowText, "") << "the line of the last point left outside the picture";
  map.rightClick(kWidth / 2, kHeight / 2);
  EXPECT_TRUE(view().viewPointMode);
  EXPECT_EQ(view().centreIndex, kNoIndex);
  EXPECT_DOUBLE_EQ(view().viewLatitude, line->clicked.latitude);
  EXPECT_DOUBLE_EQ(view().degreeSpan, MapViewState::kDefaultSpan) << "recentring changed the span";
  EXPECT_TRUE(route->mapView().viewPointMode) << "the route not keeping the new centre";
}

TEST_F(MapWindowTest, WheelAndDragMoveTheMapAndTheRouteKeepsTheView) {
  ASSERT_NE(openMap(), nullptr);
  map.wheelZoom(Zoom::In, kWidth / 4, kHeight / 4);
  EXPECT_TRUE(view().viewPointMode && view().redrawPending) << "the wheel not zooming";
  EXPECT_EQ(route->mapView(), takeFromMapView(view(), app.mapLock())) << "the route not keeping the wheel's view";
  map.redraw();
  const MapViewState zoomed = view();
  map.drag(10, 10, kWidth + 40, 10);
  EXPECT_FALSE(view().redrawPending) << "a drag ending outside the picture moving the map";
  map.drag(kWidth / 2, kHeight / 2, kWidth / 2 + 100, kHeight / 2);
  EXPECT_LT(view().viewLongitude, zoomed.viewLongitude) << "dragging east not showing the sea to the west";
  EXPECT_DOUBLE_EQ(view().degreeSpan, zoomed.degreeSpan) << "a drag changing the span";
  EXPECT_EQ(route->mapView(), takeFromMapView(view(), app.mapLock())) << "the route not keeping the dragged view";
}

TEST_F(MapWindowTest, MapMenuPromptsChangeTheViewOnlyOnAValidAnswer) {
  ASSERT_NE(openMap(), nullptr);
  host.answer("10N");
  host.answer("190W");
  host.answer("200W");
  EXPECT_FALSE(map.askViewPoint()) << "a longitude out of range twice still accepted";
  EXPECT_FALSE(view().viewPointMode);
  host.answer("10N");
  host.answer("20W");
  ASSERT_TRUE(map.askViewPoint());
  EXPECT_DOUBLE_EQ(view().viewLongitude, -20);
  EXPECT_EQ(windows.status, "on: 10-00.00N  020-00.00W");

  host.answer("2");
  ASSERT_TRUE(map.askCentreWaypoint());
  EXPECT_EQ(view().centreIndex, 1);
  EXPECT_FALSE(view().viewPointMode) << "choosing a waypoint left the view point on";
  EXPECT_NE(app.messages().text().find("View point: off"), std::string::npos);
  host.answer(std::nullopt);
  EXPECT_FALSE(map.askCentreWaypoint());
  EXPECT_EQ(view().centreIndex, 1) << "a cancelled prompt changed the centre";

  host.answer("0.01");
  host.answer("3");
  ASSERT_TRUE(map.askDegreeSpan());
  EXPECT_DOUBLE_EQ(view().degreeSpan, 3) << "0.01 accepted as a span";
  EXPECT_NE(app.messages().text().find("Degree span: 3.00"), std::string::npos);
  host.answer("");
  EXPECT_FALSE(map.askDegreeSpan());
  EXPECT_DOUBLE_EQ(view().degreeSpan, 3) << "an empty answer changed the span";
  EXPECT_EQ(route->mapView().degreeSpan, 3);
}

TEST_F(MapWindowTest, PositionDialogCopiesAppendsAndRefusesABadSpan) {
  ASSERT_NE(openMap(), nullptr);
  std::optional<PositionDialog> dialog = PositionDialog::open(app, 200, 150);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->fields().caption, app.strings().prompt(263, route->path()));
  EXPECT_EQ(dialog->fields().span, "  2.00");
  dialog->fields().span = "0.01";
  EXPECT_EQ(dialog->copy(), PositionDialog::Outcome::StayOpen) << "0.01 accepted from the span field";
  EXPECT_EQ(dialog->fields().span, "  2.00") << "the refused field not reset to the span";
  EXPECT_EQ(clipboard.text(), "");
  EXPECT_EQ(dialog->chooseMode(ReferenceMode::Terminal), PositionDialog::Outcome::ShowAgain);
  EXPECT_EQ(dialog->fields().waypointNumber, "3") << "terminal mode not referring to the last waypoint";
  struct Row {
    const char* typed;
    std::optional<std::string> asked;  // the answer to the number prompt, when one is expected
    const char* number;                // the reference waypoint afterwards
    const char* catches;
  };
  const Row rows[] = {
      {" 2 ", std::nullopt, "2", "the typed waypoint number not taken as the reference"},
      {"9", "1", "1", "a number beyond the voyage taken instead of asked for"},
      {"x", "3", "3", "a field that is no number not asked for"},
  };
  for (const Row& row : rows) {
    if (row.asked) host.answer(*row.asked);
    EXPECT_EQ(dialog->chooseWaypoint(row.typed), PositionDialog::Outcome::ShowAgain) << row.catches;
    EXPECT_EQ(dialog->fields().waypointNumber, row.number) << row.catches;
    EXPECT_EQ(dialog->fields().mode, ReferenceMode::WaypointNumber) << row.catches;
  }
  dialog->fields().block += "// edited\n";
  EXPECT_EQ(dialog->copy(), PositionDialog::Outcome::Close);
  EXPECT_EQ(clipboard.text(), dialog->fields().block) << "the block as edited not copied";
  ASSERT_TRUE(app.positionReference().lastClicked) << "the click not kept as the next reference";

  dialog = PositionDialog::open(app, 400, 300);
  ASSERT_TRUE(dialog);
  windows.take();
  EXPECT_EQ(dialog->append(), PositionDialog::Outcome::Close);
  EXPECT_EQ(route->text(), std::string(kRoute) + dialog->fields().block);
  EXPECT_EQ(app.voyage().count(), 4) << "the appended waypoint not extracted";
  EXPECT_EQ(windows.take().front(), "text passage.txt");
  EXPECT_TRUE(view().redrawPending);
}

}  // namespace
}  // namespace z5
