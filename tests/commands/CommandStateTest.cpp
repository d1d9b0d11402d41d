// The state rules: which commands are enabled, checked or hidden for a given
// state of the documents, the settings, the voyage, the map and the GPS.

#include <gtest/gtest.h>

#include <functional>

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"

namespace z5 {
namespace {

using Kind = DocumentConditions::Kind;

struct World {
  SettingsRecord settings;
  Voyage voyage;
  MapViewState mapView;
  DocumentConditions documents;
  bool gpsRunning = false;
  bool gpsDialogVisible = false;
  bool gotoWaypointSet = false;
  bool messageWindowHidden = false;

  CommandState state(int id) const {
    const CommandConditions c{settings, voyage,           mapView,         documents,
                              gpsRunning, gpsDialogVisible, gotoWaypointSet, messageWindowHidden};
    return commandStates(c)[id];
  }
};

// A route document with a file, holding a voyage of two waypoints.
World routeOpen() {
  World w;
  w.documents.active = Kind::Route;
  w.documents.activeHasPath = true;
  w.voyage.waypoints.resize(2);
  return w;
}
World mapOpen(double span) {
  World w = routeOpen();
  w.documents.active = Kind::Map;
  w.mapView.degreeSpan = span;
  return w;
}

constexpr CommandState kEnabled{true, false, false};
constexpr CommandState kChecked{true, true, false};
constexpr CommandState kGrey{false, false, false};
constexpr CommandState kHidden{false, false, true};

struct Row {
  const char* legend;  // the fault the row would catch
  std::function<World()> world;
  int id;
  CommandState expected;
};

const Row kRows[] = {
    {"a command needing a file enabled with no document", [] { return World{}; }, cmd::kShowDefaultOutput, kGrey},
    {"an untitled route refused although extracting names it first",
     [] {
       World w = routeOpen();
       w.documents.activeHasPath = false;
       return w;
     },
     cmd::kShowDefaultOutput, kEnabled},
    {"a map without a file taken for a document with one",
     [] {
       World w = mapOpen(2);
       w.documents.activeHasPath = false;
       return w;
     },
     cmd::kMap, kGrey},
    {"Extract Route offered with no document", [] { return World{}; }, cmd::kExtractRoute, kGrey},
    {"Extract Route refused over an output, which leads to its route",
     [] {
       World w = routeOpen();
       w.documents.active = Kind::Output;
       return w;
     },
     cmd::kExtractRoute, kEnabled},
    {"the output-format check not following OUTPUT_FORMAT",
     [] {
       World w = routeOpen();
       w.settings.OUTPUT_FORMAT = 3;
       return w;
     },
     cmd::kAmverOutput, kChecked},
    {"the normal output checked while another format is the default",
     [] {
       World w = routeOpen();
       w.settings.OUTPUT_FORMAT = 3;
       return w;
     },
     cmd::kNormalOutput, kEnabled},
    {"Lat? offered for a voyage without waypoints",
     [] {
       World w = routeOpen();
       w.voyage.waypoints.clear();
       return w;
     },
     cmd::kLatitudeIntercept, kGrey},
    {"backwards routing not checked while on",
     [] {
       World w = routeOpen();
       w.settings.backwardsRouting = 1;
       return w;
     },
     cmd::kBackwardsRouting, kChecked},
    {"the speed checked while an arrival time sets it",
     [] {
       World w = routeOpen();
       w.voyage.fileSpeed = 12;
       w.settings.arrival.year = 2002;
       return w;
     },
     cmd::kSpeed, kEnabled},
    {"a speed the user set not checked",
     [] {
       World w = routeOpen();
       w.voyage.fileSpeed = 12;
       return w;
     },
     cmd::kSpeed, kChecked},
    {"the departure time not checked while set",
     [] {
       World w = routeOpen();
       w.settings.departure.year = 2002;
       return w;
     },
     cmd::kDepartureTime, kChecked},
    {"rounding to 1 minute taken for a rounding",
     [] {
       World w = routeOpen();
       w.settings.ROUNDING = 1;
       return w;
     },
     cmd::kRounding, kEnabled},
    {"the default vessel name taken for one the user gave", [] { return routeOpen(); }, cmd::kVesselName, kEnabled},
    {"a vessel name the user gave not checked",
     [] {
       World w = routeOpen();
       w.settings.VESSEL = "Brelland";
       return w;
     },
     cmd::kVesselName, kChecked},
    {"a shared switch reading another setting",
     [] {
       World w = routeOpen();
       w.settings.NO_ETA_OUT = 1;
       return w;
     },
     cmd::kNoEta, kChecked},
    {"Two Color checked while the map is in colour", [] { return routeOpen(); }, cmd::kTwoColour, kEnabled},
    {"Two Color not checked in two colours",
     [] {
       World w = routeOpen();
       w.settings.IN_COLOR = 0;
       return w;
     },
     cmd::kTwoColour, kChecked},
    {"the centre waypoint read from the settings while a map with none is active",
     [] {
       World w = mapOpen(2);
       w.mapView.centreIndex = 1;
       w.documents.activeMapCentreIndex = kNoIndex;
       return w;
     },
     cmd::kWaypointPoint, kEnabled},
    {"the settings' centre waypoint ignored without a map",
     [] {
       World w = routeOpen();
       w.mapView.centreIndex = 1;
       return w;
     },
     cmd::kWaypointPoint, kChecked},
    {"GPS commands greyed without a document", [] { return World{}; }, cmd::kSerialPort, kEnabled},
    {"Hide Dialog offered while the monitor is stopped", [] { return World{}; }, cmd::kHideGpsDialog, kGrey},
    {"Hide Dialog not checked while the dialog is hidden",
     [] {
       World w;
       w.gpsRunning = true;
       return w;
     },
     cmd::kHideGpsDialog, kChecked},
    {"Hide Dialog checked while the dialog shows",
     [] {
       World w;
       w.gpsRunning = w.gpsDialogVisible = true;
       return w;
     },
     cmd::kHideGpsDialog, kEnabled},
    {"Goto Waypoint offered without a voyage", [] { return World{}; }, cmd::kGotoWaypoint, kGrey},
    {"Settings greyed without a document", [] { return World{}; }, cmd::kSettingsSheet, kEnabled},
    {"No Save not checked while set",
     [] {
       World w;
       w.settings.noSave = 1;
       return w;
     },
     cmd::kNoSaveOnExit, kChecked},
    {"the hidden message window not checked",
     [] {
       World w;
       w.messageWindowHidden = true;
       return w;
     },
     cmd::kHideMessageWindow, kChecked},
    {"zoom in shown at the smallest span", [] { return mapOpen(0.05); }, cmd::kZoomInButton, kHidden},
    {"zoom in hidden above the smallest span", [] { return mapOpen(0.1); }, cmd::kZoomInButton, kEnabled},
    {"the zoom-in menu command offered at the smallest span", [] { return mapOpen(0.05); }, cmd::kZoomIn, kHidden},
    {"zoom out shown at the largest span", [] { return mapOpen(150); }, cmd::kZoomOutButton, kHidden},
    {"zoom shown over a route editor", [] { return routeOpen(); }, cmd::kZoomOutButton, kHidden},
    {"a span button shown without a map", [] { return routeOpen(); }, cmd::kSpanTenButton, kHidden},
    {"a span button hidden over a map", [] { return mapOpen(2); }, cmd::kSpanTenButton, kEnabled},
    {"Map Display shown with no document", [] { return World{}; }, cmd::kMapDisplayButton, kHidden},
    {"Show source file shown with no document", [] { return World{}; }, cmd::kSourceFileButton, kHidden},
    {"a directive template offered over a map", [] { return mapOpen(2); }, cmd::kFirstDirectiveTemplate, kGrey},
    {"a directive template refused in a route editor", [] { return routeOpen(); }, cmd::kLastDirectiveTemplate,
     kEnabled},
};

TEST(CommandState, EachRuleFollowsItsConditions) {
  for (const Row& row : kRows) EXPECT_EQ(row.world().state(row.id), row.expected) << row.legend;
}

TEST(CommandState, EditingButtonsHideWhileAMapIsActive) {
  const World map = mapOpen(2);
  const World route = routeOpen();
  const auto hidden = [](const World& w) {
    const CommandConditions c{w.settings, w.voyage, w.mapView, w.documents};
    return commandStates(c).editingButtonsHidden();
  };
  EXPECT_TRUE(hidden(map));
  EXPECT_FALSE(hidden(route));
}

TEST(CommandState, UnknownIdentifierIsDisabled) { EXPECT_EQ(routeOpen().state(4711), kGrey); }

}  // namespace
}  // namespace z5
