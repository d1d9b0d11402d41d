// The switches of the menus run from the dispatcher: each flips its setting
// with one line in the message window, its check mark follows, and it leaves
// the work it should for the idle pass; the coupled ones switch their
// partner with a second line.

#include <gtest/gtest.h>

#include "CommandBench.h"
#include "commands/CommandIds.h"

namespace z5 {
namespace {

using S = SettingsRecord;

struct SwitchRow {
  const char* legend;  // the fault the row would catch
  int id;
  int S::*field;
  unsigned pending;
  bool inverted = false;  // checked while the setting is 0
  bool extractsAgain = false;  // the route is extracted again, with its route check summary
};

// The lines the route check adds after each extraction in this home, which
// holds no world data: "could not run" (the missing land file is reported
// at the first extraction, which openExtracted makes, and not repeated).
constexpr int kRouteCheckLines = 1;
constexpr int kMissingLandFileLine = 1;

const SwitchRow kSwitches[] = {
    {"geodetic lengths left without a new report", cmd::kGeodeticLength, &S::LEN_LAT_LON, kRouteReload, false, true},
    {"GC data of GC points not written again", cmd::kGcPointsGetGcData, &S::GC_PT_GCD, kRouteReload, false, true},
    {"a reversed route left on the old map", cmd::kBackwardsRouting, &S::backwardsRouting, kAllPending, false, true},
    {"extra precision not in the next report", cmd::kExtraPrecision, &S::EXTRA_PRECISION, kRouteReload},
    {"the shared ETA switch reading another setting", cmd::kNoEta, &S::NO_ETA_OUT, kRouteReload},
    {"AMVER months switch not rewriting the report", cmd::kNoAmverMonth, &S::NO_AMVER_MONTH, kRouteReload},
    {"file charts switch on the wrong setting", cmd::kNoFileCharts, &S::NO_FILE_CHART_OUT, kRouteReload},
    {"calculated charts switch on the wrong setting", cmd::kNoCalculatedCharts, &S::NO_CALC_CHART_OUT, kRouteReload},
    {"!LAT !LON switch on the wrong setting", cmd::kNoFileIntercepts, &S::NO_FILE_INTER_OUT, kRouteReload},
    {"chart intercepts switch on the wrong setting", cmd::kNoCalculatedIntercepts, &S::NO_CALC_INTER_OUT,
     kRouteReload},
    {"grid left off the next map", cmd::kGridLines, &S::GRID, kMapReloadAndRedraw},
    {"land switch on the wrong setting", cmd::kLandEdges, &S::LAND, kMapReloadAndRedraw},
    {"chart outlines switch on the wrong setting", cmd::kChartOutlines, &S::CHARTS, kMapReloadAndRedraw},
    {"ports switch on the wrong setting", cmd::kPorts, &S::PORTS, kMapReloadAndRedraw},
    {"sea names switch on the wrong setting", cmd::kSeaFeatures, &S::SEA, kMapReloadAndRedraw},
    {"rivers switch on the wrong setting", cmd::kRivers, &S::RIVERS, kMapReloadAndRedraw},
    {"boundaries switch on the wrong setting", cmd::kBoundaries, &S::BOUNDARIES, kMapReloadAndRedraw},
    {"two colours checked while in colour", cmd::kTwoColour, &S::IN_COLOR, kMapReloadAndRedraw, true},
    {"waypoint names missing from the listing", cmd::kNamesOnWaypoints, &S::NAMES,
     kMapReloadAndRedraw | kRouteReload},
    {"inverted background switch on the wrong setting", cmd::kInvertBackground, &S::MAP_INVERT,
     kMapReloadAndRedraw},
    {"GPS at start-up not switched", cmd::kGpsAtStartUp, &S::GPS_AT_START, 0},
    {"label track leaving the map as it was", cmd::kLabelLogTrack, &S::GPS_LABEL_TRACK, kMapReloadAndRedraw},
    {"unit SMG/CMG not switched", cmd::kUnitSmgCmg, &S::GPS_SMG_CMG, 0},
    {"no-save switch not said", cmd::kNoSaveOnExit, &S::noSave, 0},
};

struct Switches : test::CommandBench {
  unsigned pendingNow() {
    unsigned flags = 0;
    if (commands.pending().mapReload) flags |= kMapReload;
    if (commands.pending().routeReload) flags |= kRouteReload;
    if (app.mapView().redrawPending) flags |= kMapRedraw;
    return flags;
  }
  void clearPending() {
    commands.pending() = PendingWork{};
    app.mapView().redrawPending = false;
  }
  void openExtracted() {
    openBiscay();
    run(cmd::kExtractRoute);
  }
};

TEST_F(Switches, EachFlipsItsSettingWithOneLineAndItsPendingWork) {
  openExtracted();
  for (const SwitchRow& row : kSwitches) {
    int& setting = app.settings().*row.field;
    for (int pass = 0; pass < 2; ++pass) {
      const int before = setting;
      clearPending();
      run(row.id);
      EXPECT_NE(setting, before) << row.legend;
      EXPECT_EQ(lines(), 1 + (row.extractsAgain ? kRouteCheckLines : 0)) << row.legend << ": " << said();
      EXPECT_EQ(said().find("Route check: ") != std::string::npos, row.extractsAgain) << row.legend;
      EXPECT_NE(said().find(prompt(setting ? Messages::kOnText : Messages::kOffText)), std::string::npos)
          << row.legend;
      EXPECT_EQ(pendingNow(), row.pending) << row.legend;
      const bool shownOn = row.inverted ? setting == 0 : setting == 1;
      EXPECT_EQ(state(row.id), (CommandState{true, shownOn, false})) << row.legend;
    }
  }
}

TEST_F(Switches, LogTrackOffWithTheTrackDisplayedTurnsBothOffWithTwoLines) {
  app.settings().GPS_LOG = 1;
  app.settings().GPS_DISPLAY_TRACK = 1;
  run(cmd::kLogTrack);
  EXPECT_EQ(app.settings().GPS_LOG, 0);
  EXPECT_EQ(app.settings().GPS_DISPLAY_TRACK, 0);
  EXPECT_EQ(lines(), 2) << said();
  run(cmd::kDisplayTrack);
  EXPECT_EQ(app.settings().GPS_LOG, 1) << "a displayed track is a logged one";
  EXPECT_EQ(lines(), 2) << said();
  EXPECT_TRUE(commands.pending().mapReload);
}

TEST_F(Switches, NoGcWaypointsHoldsGcDataOnAndGivesItBack) {
  openBiscay();
  S& s = app.settings();
  s.NO_CALC_GC_OUT = 0;
  s.GC_PT_GCD = 0;
  run(cmd::kNoGcWaypoints);
  EXPECT_EQ(s.NO_CALC_GC_OUT, 1);
  EXPECT_EQ(s.GC_PT_GCD, 1);
  EXPECT_EQ(lines(), 2 + kMissingLandFileLine + 2 * kRouteCheckLines) << "extracted by the guard and again: " << said();
  run(cmd::kNoGcWaypoints);
  EXPECT_EQ(s.NO_CALC_GC_OUT, 0);
  EXPECT_EQ(s.GC_PT_GCD, 0) << "the user had it off";
  EXPECT_EQ(lines(), 2 + kRouteCheckLines) << said();
}

TEST_F(Switches, NoGcWaypointsKeepsGcDataTheUserSwitchedOnHimself) {
  openBiscay();
  S& s = app.settings();
  s.NO_CALC_GC_OUT = 0;
  s.GC_PT_GCD = 0;
  run(cmd::kNoGcWaypoints);
  run(cmd::kGcPointsGetGcData);  // off, by the user's choice
  run(cmd::kGcPointsGetGcData);  // and on again
  run(cmd::kNoGcWaypoints);
  EXPECT_EQ(s.NO_CALC_GC_OUT, 0);
  EXPECT_EQ(s.GC_PT_GCD, 1);
  EXPECT_EQ(lines(), 1) << said();
}

TEST_F(Switches, UserPointPlotAsksForTheFileFirstAndStopsWithoutOne) {
  openBiscay();
  host.answer(std::nullopt);
  run(cmd::kUserPointPlot);
  EXPECT_EQ(app.settings().FILE_PT, 0);
  EXPECT_EQ(host.prompts.size(), 1u);
  host.answer(home.write("points.txt", "Buoy\n48N\n5W\n"));
  run(cmd::kUserPointPlot);
  EXPECT_EQ(app.settings().FILE_PT, 1);
  EXPECT_EQ(state(cmd::kUserPointFile), (CommandState{true, true, false}));
}

TEST_F(Switches, HideMessageWindowTogglesAndKeepsTheText) {
  app.messages().appendLine("kept");
  run(cmd::kHideMessageWindow);
  EXPECT_EQ(host.windowHidden, 1);
  EXPECT_EQ(state(cmd::kHideMessageWindow), (CommandState{true, true, false}));
  run(cmd::kHideMessageWindow);
  EXPECT_FALSE(state(cmd::kHideMessageWindow).checked);
  EXPECT_NE(said().find("kept"), std::string::npos);
}

}  // namespace
}  // namespace z5
