// The state rules the command runs do not reach: which commands are
// enabled, checked or hidden for a given state of the documents, the
// settings, the voyage, the map and the GPS.

#include <gtest/gtest.h>

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
  FrameConditions frame;

  CommandStates states() const {
    return commandStates({settings, voyage, mapView, documents, gpsRunning, false, false, false, frame});
  }
};

constexpr CommandState kEnabled{true, false, false};
constexpr CommandState kChecked{true, true, false};
constexpr CommandState kGrey{false, false, false};
constexpr CommandState kHidden{false, false, true};

struct Row {
  const char* legend;  // the fault the row would catch
  Kind active;         // the active document, with a file and a voyage of two waypoints
  void (*edit)(World&);
  int id;
  CommandState expected;
};

void none(World&) {}

const Row kRows[] = {
    {"a command needing a file enabled with no document", Kind::None, none, cmd::kShowDefaultOutput, kGrey},
    {"an untitled route refused although extracting names it first", Kind::Route,
     [](World& w) { w.documents.activeHasPath = false; }, cmd::kShowDefaultOutput, kEnabled},
    {"a map without a file taken for one with a file", Kind::Map, [](World& w) { w.documents.activeHasPath = false; },
     cmd::kMap, kGrey},
    {"Extract Route refused over an output, which leads to its route", Kind::Output, none, cmd::kExtractRoute,
     kEnabled},
    {"Lat? offered for a voyage without waypoints", Kind::Route, [](World& w) { w.voyage.waypoints.clear(); },
     cmd::kLatitudeIntercept, kGrey},
    {"the speed checked while an arrival time sets it", Kind::Route,
     [](World& w) {
       w.voyage.fileSpeed = 12;
       w.settings.arrival.year = 2002;
     },
     cmd::kSpeed, kEnabled},
    {"the default vessel name taken for one the user gave", Kind::Route, none, cmd::kVesselName, kEnabled},
    {"the settings' centre waypoint shown over a map whose route has none", Kind::Map,
     [](World& w) {
       w.mapView.centreIndex = 1;
       w.documents.activeMapCentreIndex = kNoIndex;
     },
     cmd::kWaypointPoint, kEnabled},
    {"the settings' centre waypoint ignored without a map", Kind::Route, [](World& w) { w.mapView.centreIndex = 1; },
     cmd::kWaypointPoint, kChecked},
    {"GPS commands greyed without a document", Kind::None, none, cmd::kSerialPort, kEnabled},
    {"Goto Waypoint offered without a voyage", Kind::None, [](World& w) { w.voyage.waypoints.clear(); },
     cmd::kGotoWaypoint, kGrey},
    {"Settings greyed without a document", Kind::None, none, cmd::kSettingsSheet, kEnabled},
    {"zoom shown over a route editor", Kind::Route, none, cmd::kZoomOutButton, kHidden},
    {"a span button shown without a map", Kind::Route, none, cmd::kSpanTenButton, kHidden},
    {"Map Display shown with no document", Kind::None, none, cmd::kMapDisplayButton, kHidden},
    {"Show source file shown over an untitled text", Kind::Output, [](World& w) { w.documents.activeHasPath = false; },
     cmd::kSourceFileButton, kHidden},
    {"a directive template offered over a map", Kind::Map, none, cmd::kFirstDirectiveTemplate, kGrey},
    {"an unknown identifier enabled", Kind::Route, none, 4711, kGrey},
    // The window's own commands.
    {"Save offered over a map, which has no text to save", Kind::Map, none, cmd::kFileSave, kGrey},
    {"Close offered with no document", Kind::None, none, cmd::kFileClose, kGrey},
    {"Undo offered when the editor has nothing to undo", Kind::Route, none, cmd::kUndo, kGrey},
    {"Copy greyed over a selection", Kind::Output, [](World& w) { w.frame.hasSelection = true; }, cmd::kCopy, kEnabled},
    {"Paste offered over a map", Kind::Map, [](World& w) { w.frame.canPaste = true; }, cmd::kPaste, kGrey},
    {"Word Wrap's check mark lost", Kind::Route, [](World& w) { w.frame.wordWrap = true; }, cmd::kWordWrap, kChecked},
    {"Mirror Display Font offered with no printer font to drop", Kind::Route, none, cmd::kMirrorDisplayFont,
     {false, true, false}},
    {"Mirror Display Font greyed with a printer font of its own", Kind::Route,
     [](World& w) { w.frame.printerFontSet = true; }, cmd::kMirrorDisplayFont, kEnabled},
    {"the fonts of a map greyed", Kind::Map, none, cmd::kFont, kEnabled},
    {"the first recent file gone from an empty list", Kind::None, none, cmd::kFirstRecentFile, kGrey},
    {"a second recent file shown when only one is listed", Kind::None, [](World& w) { w.frame.recentFiles = 1; },
     cmd::kFirstRecentFile + 1, kHidden},
    {"a listed window not checked while it is the active one", Kind::Route,
     [](World& w) {
       w.frame.windows = 2;
       w.frame.activeWindow = 1;
     },
     cmd::kFirstWindow + 1, kChecked},
    {"Next window offered with one window", Kind::Route, [](World& w) { w.frame.windows = 1; }, cmd::kNextWindow,
     kGrey},
    {"the tool bar's check mark kept while it is hidden", Kind::None, [](World& w) { w.frame.toolBarShown = false; },
     cmd::kToolBar, kEnabled},
};

TEST(CommandState, EachRuleFollowsItsConditions) {
  for (const Row& row : kRows) {
    World w;
    w.documents.active = row.active;
    w.documents.activeHasPath = row.active != Kind::None;
    w.voyage.waypoints.resize(2);
    row.edit(w);
    EXPECT_EQ(w.states()[row.id], row.expected) << row.legend;
  }
}

TEST(CommandState, EditingButtonsHideWhileAMapIsActive) {
  World w;
  w.documents.active = Kind::Map;
  EXPECT_TRUE(w.states().editingButtonsHidden());
  w.documents.active = Kind::Route;
  EXPECT_FALSE(w.states().editingButtonsHidden());
}

}  // namespace
}  // namespace z5
