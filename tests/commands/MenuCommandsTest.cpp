// The commands of the menus that ask, compute or open something, each run
// from the dispatcher on an extracted route: what it changed, whether it
// kept the message window, and its state afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "CommandBench.h"
#include "commands/CommandIds.h"
#include "report/GpxImport.h"

namespace z5 {
namespace {

using Answers = std::vector<std::optional<std::string>>;

// The Biscay route at 12 knots, extracted, with a departure time.
struct MenuCommands : test::CommandBench {
  MenuCommands() {
    route = openBiscay(std::string("!SPEED 12\n") + test::kBiscayRoute);
    app.settings().departure = {2002, 3, 23, 12, 0};
    run(cmd::kExtractRoute);
    app.messages().setText("before");
  }
  const RouteDocument* output() {
    const RouteDocument* active = app.documents().activeText();
    return active != nullptr && active->kind() == DocumentKind::Output ? active : nullptr;
  }
  int outputFormat() { return output() != nullptr ? output()->outputFormat() : 0; }
  bool kept() { return said().starts_with("before"); }

  RouteDocument* route = nullptr;
};

constexpr CommandState kEnabled{true, false, false};
constexpr CommandState kChecked{true, true, false};

struct Row {
  const char* legend;  // the fault the row would catch
  int id;
  Answers answers;
  std::function<bool(MenuCommands&)> done;
  CommandState after;
  bool confirmChange = false;  // a value is set: the Change / Disable / Abort dialog comes first
};

const Row kRows[] = {
    {"Extract Route not listing the waypoints", cmd::kExtractRoute, {},
     [](MenuCommands& b) { return b.app.voyage().count() == 3 && b.said().find("Lisbon") != std::string::npos; },
     kEnabled},
    {"the default output not in OUTPUT_FORMAT", cmd::kShowDefaultOutput, {},
     [](MenuCommands& b) { return b.outputFormat() == 1 && !b.kept(); }, kEnabled},
    {"the normal output emptying the message window", cmd::kNormalOutput, {},
     [](MenuCommands& b) { return b.outputFormat() == 1 && b.kept(); }, kChecked},
    {"the delimited output keeping the message window", cmd::kDelimitedOutput, {},
     [](MenuCommands& b) { return b.outputFormat() == 2 && !b.kept(); }, kEnabled},
    {"the AMVER output in another format", cmd::kAmverOutput, {},
     [](MenuCommands& b) { return b.outputFormat() == 3 && b.kept(); }, kEnabled},
    {"the MOVEREP output in another format", cmd::kMoverepOutput, {},
     [](MenuCommands& b) { return b.outputFormat() == 4 && b.kept(); }, kEnabled},
    {"the data file output in another format", cmd::kDataFileOutput, {},
     [](MenuCommands& b) { return b.outputFormat() == 5 && b.kept(); }, kEnabled},
    {"the NMEA output in another format", cmd::kNmeaOutput, {},
     [](MenuCommands& b) { return b.outputFormat() == 6 && b.kept(); }, kEnabled},
    {"the GPX output not a .gpx output document of the route", cmd::kGpxOutput, {},
     [](MenuCommands& b) {
       return b.outputFormat() == 7 && b.output()->path().ends_with("BISCAY.gpx") && b.output()->routeLink() == b.route &&
              b.kept();
     },
     kEnabled},
    {"the route check not listed, or listed as passed without world data", cmd::kCheckRoute, {},
     [](MenuCommands& b) { return !b.kept() && b.said().find("Route check: could not run") != std::string::npos; },
     kEnabled},
    {"Lat? not asking for the meridian", cmd::kLatitudeIntercept, {"7W"},
     [](MenuCommands& b) { return !b.app.calculators().interceptText.empty(); }, kEnabled},
    {"Lon? not asking for the parallel", cmd::kLongitudeIntercept, {"45N"},
     [](MenuCommands& b) { return !b.app.calculators().interceptText.empty(); }, kEnabled},
    {"great-circle set-up not turning the points on", cmd::kGreatCirclePoints, {"5", "", ""},
     [](MenuCommands& b) { return b.app.settings().greatCircle.mode == 1 && b.commands.pending().mapReload; },
     kChecked},
    {"To Waypoint not computing from the position given", cmd::kToWaypoint, {"3", "45N", "8W"},
     [](MenuCommands& b) { return b.app.voyage().toWaypoint.active(); }, kChecked},
    {"the delimiting character emptying the message window", cmd::kDelimitingCharacter, {";"},
     [](MenuCommands& b) { return b.app.settings().SEPARATOR_CHAR == ';' && b.kept(); }, kEnabled},
    {"the speed command not asking for the speed", cmd::kSpeed, {"15"},
     [](MenuCommands& b) { return b.app.voyage().fileSpeed == 15 && b.commands.pending().routeReload; }, kChecked,
     true},
    {"the interval calculator not taking both times", cmd::kInterval,
     {"2002", "3", "23", "12", "0", "2002", "3", "24", "12", "0"},
     [](MenuCommands& b) { return b.app.calculators().intervalText.find("24.000") != std::string::npos; }, kEnabled},
    {"the DR position not asked for a time", cmd::kDrPosition, {"2002", "3", "23", "18", "0"},
     [](MenuCommands& b) { return !b.app.calculators().drText.empty(); }, kEnabled},
    {"rounding not checked above one minute", cmd::kRounding, {"15"},
     [](MenuCommands& b) { return b.app.settings().roundingText == "15"; }, kChecked},
    {"the vessel name not taken", cmd::kVesselName, {"Brelland"},
     [](MenuCommands& b) { return b.app.settings().VESSEL == "Brelland"; }, kChecked},
    {"the call sign not taken", cmd::kCallSign, {"LXBR"},
     [](MenuCommands& b) { return b.app.settings().CALL == "LXBR"; }, kChecked},
    {"the remark not taken", cmd::kRemark, {"Sail plan"},
     [](MenuCommands& b) { return b.app.settings().REMARK == "Sail plan"; }, kChecked},
    {"chart scale limits not redrawing the map", cmd::kChartScaleLimits, {"10000", ""},
     [](MenuCommands& b) { return b.app.settings().chartScale.lower == 10000 && b.commands.pending().mapReload; },
     kEnabled},
    {"the sample interval emptying the message window", cmd::kSampleInterval, {"30"},
     [](MenuCommands& b) { return b.app.settings().GPS_SAMPLE_INTERVAL == 30 && b.kept(); }, kEnabled},
    {"the log interval not shown in the GPS dialog", cmd::kLogInterval, {"120"},
     [](MenuCommands& b) { return b.commands.gpsDialog().text(1107) == "120"; }, kEnabled},
    {"the map not opened for the route", cmd::kMap, {},
     [](MenuCommands& b) { return b.app.documents().activeMap() != nullptr; }, kEnabled},
    {"the degree span not taken", cmd::kDegreeSpan, {"10"},
     [](MenuCommands& b) { return b.app.mapView().degreeSpan == 10 && b.commands.pending().mapReload; }, kEnabled},
    {"the view point not set", cmd::kViewPoint, {"45N", "8W"},
     [](MenuCommands& b) { return b.app.mapView().viewPointMode; }, kChecked},
    {"the centre waypoint not set", cmd::kWaypointPoint, {"2"},
     [](MenuCommands& b) { return b.app.mapView().centreIndex == 1 && !b.app.mapView().viewPointMode; }, kChecked},
    {"the colour dialog not redrawing the map on OK", cmd::kColourSettings, {},
     [](MenuCommands& b) { return b.commandWindows.colourRuns == 1 && b.commands.pending().mapReload; }, kEnabled},
    {"the settings sheet run on a full message window", cmd::kSettingsSheet, {},
     [](MenuCommands& b) { return b.commandWindows.sheetRuns == 1 && !b.kept(); }, kEnabled},
    {"the readme not opened", cmd::kReadme, {},
     [](MenuCommands& b) {
       const RouteDocument* active = b.app.documents().activeText();
       return active != nullptr && active->path() == b.app.homeFile("readme.txt") && b.kept();
     },
     kEnabled},
    // Last: the waypoint numbers the rows above answer start from 1.
    {"the number label start not relisting the waypoints", cmd::kNumberLabelStart, {"5"},
     [](MenuCommands& b) { return b.app.settings().firstRowNumber == 5 && b.said().find("Lisbon") != std::string::npos; },
     kChecked},
};

TEST_F(MenuCommands, EachRunsFromTheDispatcherAndShowsItsState) {
  for (const Row& row : kRows) {
    app.messages().setText("before");
    commands.pending() = PendingWork{};
    host.prompts.clear();
    for (const auto& a : row.answers) host.answer(a);
    if (row.confirmChange) host.answerConfirmation(Host::Confirmation::Change);
    ASSERT_TRUE(state(row.id).enabled) << row.legend;
    run(row.id);
    EXPECT_TRUE(row.done(*this)) << row.legend << ": " << said();
    EXPECT_EQ(host.prompts.size(), row.answers.size()) << row.legend;
    EXPECT_TRUE(host.answers.empty() && host.confirmations.empty()) << row.legend;
    host.answers.clear();
    host.confirmations.clear();
    EXPECT_EQ(state(row.id), row.after) << row.legend;
    app.documents().activate(*route);
  }
}

TEST_F(MenuCommands, DepartureAndArrivalAskWhatIsMissingAndConfirmWhatIsSet) {
  host.answerConfirmation(Host::Confirmation::Disable);
  run(cmd::kDepartureTime);
  EXPECT_FALSE(app.settings().departure.valid());
  EXPECT_EQ(state(cmd::kDepartureTime), kEnabled);
  for (const char* a : {"2002", "3", "23", "12", "0"}) host.answer(a);
  run(cmd::kDepartureTime);
  EXPECT_TRUE(app.settings().departure.valid());
  EXPECT_EQ(state(cmd::kDepartureTime), kChecked);
  for (const char* a : {"2002", "3", "26", "12", "0"}) host.answer(a);
  run(cmd::kArrivalTime);
  EXPECT_EQ(state(cmd::kArrivalTime), kChecked);
  EXPECT_FALSE(state(cmd::kSpeed).checked) << "the speed comes from the arrival time";
  commands.pending() = PendingWork{};
  host.answerConfirmation(Host::Confirmation::Abort);
  run(cmd::kArrivalTime);
  EXPECT_TRUE(app.settings().arrival.valid());
  EXPECT_FALSE(commands.pending().routeReload) << "Abort ends the command";
}

TEST_F(MenuCommands, ConfirmationsDisableWhatIsSet) {
  host.answerConfirmation(Host::Confirmation::Disable);
  run(cmd::kSpeed);
  EXPECT_EQ(app.voyage().fileSpeed, 0);
  for (const char* a : {"5", "", ""}) host.answer(a);
  run(cmd::kGreatCirclePoints);
  host.answerConfirmation(Host::Confirmation::Disable);
  run(cmd::kGreatCirclePoints);
  EXPECT_EQ(app.settings().greatCircle.mode, 0);
  for (const char* a : {"3", "45N", "8W"}) host.answer(a);
  run(cmd::kToWaypoint);
  host.answerConfirmation(Host::Confirmation::Disable);
  run(cmd::kToWaypoint);
  EXPECT_FALSE(app.voyage().toWaypoint.active());
  EXPECT_FALSE(state(cmd::kToWaypoint).checked);
  run(cmd::kMap);
  host.answer("2");
  run(cmd::kWaypointPoint);
  host.answerConfirmation(Host::Confirmation::Disable);
  run(cmd::kWaypointPoint);
  EXPECT_EQ(app.mapView().centreIndex, kNoIndex);
  EXPECT_EQ(route->mapView().centreIndex, kNoIndex) << "the route keeps its map's view";
  EXPECT_FALSE(state(cmd::kWaypointPoint).checked);
}

TEST_F(MenuCommands, ZoomInFromATenthGivesTheSmallestSpanAndHidesItself) {
  run(cmd::kMap);
  run(cmd::kSpanTenthButton);
  EXPECT_DOUBLE_EQ(app.mapView().degreeSpan, 0.1);
  EXPECT_TRUE(app.mapView().viewPointMode) << "a whole-voyage map is centred first";
  EXPECT_EQ(state(cmd::kZoomInButton), kEnabled);
  run(cmd::kZoomInButton);
  EXPECT_DOUBLE_EQ(app.mapView().degreeSpan, 0.05);
  EXPECT_TRUE(state(cmd::kZoomInButton).hidden);
  EXPECT_TRUE(state(cmd::kZoomIn).hidden);
  run(cmd::kSpanHundredButton);
  run(cmd::kZoomOut);
  EXPECT_DOUBLE_EQ(app.mapView().degreeSpan, 150);
  EXPECT_TRUE(state(cmd::kZoomOutButton).hidden);
}

TEST_F(MenuCommands, ToolButtonsFollowTheActiveDocument) {
  EXPECT_TRUE(state(cmd::kSpanOneButton).hidden);
  run(cmd::kMapDisplayButton);
  ASSERT_NE(app.documents().activeMap(), nullptr);
  EXPECT_FALSE(state(cmd::kSpanOneButton).hidden);
  run(cmd::kSourceFileButton);
  EXPECT_EQ(app.documents().active(), route);
  run(cmd::kDefaultOutputButton);
  EXPECT_EQ(outputFormat(), 1);
}

TEST_F(MenuCommands, DirectiveTemplateGoesToTheCaretOfARouteEditorOnly) {
  run(cmd::kFirstDirectiveTemplate);
  ASSERT_EQ(commandWindows.inserted.size(), 1u);
  EXPECT_EQ(commandWindows.inserted[0], "\n!ARRIVING ");
  EXPECT_TRUE(kept());
  run(cmd::kMap);
  EXPECT_FALSE(runCommand(commands, cmd::kFirstDirectiveTemplate));
  EXPECT_EQ(commandWindows.inserted.size(), 1u);
}

TEST_F(MenuCommands, SettingsReloadsReextractAndLeaveEveryWindowToFollow) {
  app.settings().ROUNDING = 15;
  store.writeInt(kSettingsSection, "ROUNDING", 30);
  run(cmd::kRestartSettings);
  EXPECT_EQ(app.settings().ROUNDING, 30);
  EXPECT_TRUE(commands.pending().mapReload && commands.pending().routeReload && app.mapView().redrawPending);
  run(cmd::kDefaultSettings);
  EXPECT_EQ(app.settings().ROUNDING, 1);
  EXPECT_EQ(app.voyage().count(), 3);
  EXPECT_NE(said().find("Lisbon"), std::string::npos) << "listed after the extraction";
}

TEST_F(MenuCommands, ImportGpxOpensTheRouteTextInANewEditorOrNamesTheFault) {
  const std::string plotter = std::string(Z5_FIXTURES_DIR) + "/gpx/opencpn_route.gpx";
  struct Case {
    const char* legend;  // the fault the case would catch
    std::optional<std::string> chosen;
    bool opened;
  };
  const Case cases[] = {
      {"a cancelled dialog opening an empty editor", std::nullopt, false},
      {"a file that is no GPX opened as a route", home.write("not.gpx", "<html/>"), false},
      {"a plotter's route not opened as route text", plotter, true},
  };
  for (const Case& c : cases) {
    const std::size_t before = app.documents().documents().size();
    host.popups.clear();
    commandWindows.openAnswer = c.chosen;
    run(cmd::kImportGpx);
    EXPECT_EQ(commandWindows.openPatterns.back(), "*.gpx") << c.legend;
    EXPECT_EQ(app.documents().documents().size(), before + (c.opened ? 1 : 0)) << c.legend;
    EXPECT_EQ(host.popups.size(), c.chosen && !c.opened ? 1u : 0u) << c.legend;
    if (!c.opened) continue;
    const RouteDocument* imported = app.documents().activeText();
    ASSERT_NE(imported, nullptr) << c.legend;
    EXPECT_FALSE(imported->hasPath()) << "saved by the user under a route name";
    EXPECT_EQ(imported->text(), importGpxFile(plotter).routeText) << c.legend;
  }
}

}  // namespace
}  // namespace z5
