// The settings sheet worked as the user works it: boxes and radios wait for
// OK and then switch only what differs from the setting at that moment,
// buttons run their commands at once, label texts are taken within their
// limits, and nothing is written to the settings store.

#include "commands/SettingsSheet.h"

#include <gtest/gtest.h>

#include "CommandBench.h"
#include "commands/CommandIds.h"

namespace z5 {
namespace {

using Page = SettingsSheet::Page;

struct Sheet : test::CommandBench {
  Sheet() { route = openBiscay(); }
  // Runs "&Settings (Options)" with `user` working the sheet.
  void withSheet(std::function<void(SettingsSheet&)> user) {
    commandWindows.onSheet = std::move(user);
    writesBefore = store.writeCount();
    run(cmd::kSettingsSheet);
  }
  RouteDocument* route = nullptr;
  int writesBefore = 0;
};

TEST_F(Sheet, OkWithoutChangesSwitchesNothingAndSaysNothing) {
  app.settings().GPS_AT_START = 1;
  app.settings().IN_COLOR = 0;
  app.settings().backwardsRouting = 1;
  withSheet([](SettingsSheet& s) {
    EXPECT_TRUE(s.checked(SettingsSheet::kGps, 1172)) << "GPS at start-up shows the setting";
    EXPECT_TRUE(s.checked(SettingsSheet::kMap, 1155)) << "two colours shows IN_COLOR 0";
    s.apply();
  });
  EXPECT_EQ(said(), "");
  EXPECT_EQ(app.settings().GPS_AT_START, 1);
  EXPECT_EQ(app.settings().IN_COLOR, 0);
  EXPECT_EQ(app.settings().backwardsRouting, 1);
  EXPECT_EQ(store.writeCount(), writesBefore);
}

struct BoxRow {
  const char* legend;  // the fault the row would catch
  Page page;
  int control;
  bool box;
  int SettingsRecord::*field;
  int expected;
  int lines;
};

const BoxRow kBoxes[] = {
    {"log off leaving the displayed track on (or switched back on)", SettingsSheet::kGps, 1148, false,
     &SettingsRecord::GPS_DISPLAY_TRACK, 0, 2},
    {"the GC-waypoint box dragging GC data along", SettingsSheet::kSuppress, 1169, true,
     &SettingsRecord::GC_PT_GCD, 0, 1},
    {"the two-colour box switching IN_COLOR the wrong way", SettingsSheet::kMap, 1155, true,
     &SettingsRecord::IN_COLOR, 0, 1},
    {"an ETA box on the Time page undone by the Suppress page's", SettingsSheet::kTime, 1166, true,
     &SettingsRecord::NO_ETA_OUT, 1, 1},
    {"backwards routing not applied", SettingsSheet::kCalc, 1146, true, &SettingsRecord::backwardsRouting, 1, 1},
};

TEST_F(Sheet, OkSwitchesWhatDiffersWithTheMenusToggleAndItsCouplings) {
  for (const BoxRow& row : kBoxes) {
    app.settings().GPS_LOG = 1;
    app.settings().GPS_DISPLAY_TRACK = 1;
    app.settings().NO_CALC_GC_OUT = 0;
    app.settings().GC_PT_GCD = 0;
    withSheet([&row](SettingsSheet& s) {
      s.setChecked(row.page, row.control, row.box);
      EXPECT_TRUE(s.modified(row.page)) << row.legend;
      s.apply();
      EXPECT_FALSE(s.modified(row.page)) << row.legend;
    });
    EXPECT_EQ(app.settings().*row.field, row.expected) << row.legend;
    EXPECT_EQ(lines(), row.lines) << row.legend << ": " << said();
  }
  EXPECT_FALSE(commands.pending().mapReload) << "the sheet does not redraw the map";
}

TEST_F(Sheet, AmverRadioMakesTheDefaultOutputAmver) {
  app.settings().departure = {2002, 3, 23, 12, 0};
  withSheet([](SettingsSheet& s) {
    s.setChecked(SettingsSheet::kCalc, 1030, true);
    s.apply();
  });
  EXPECT_EQ(app.settings().OUTPUT_FORMAT, 3);
  host.answer("12");
  run(cmd::kShowDefaultOutput);
  const RouteDocument* output = app.documents().activeText();
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(output->outputFormat(), 3);
  EXPECT_EQ(state(cmd::kAmverOutput).checked, true);
}

TEST_F(Sheet, VesselButtonThenOkKeepsTheCallSignAndTheNewName) {
  app.settings().CALL = "LXBR";
  host.answer("Brelland");
  withSheet([](SettingsSheet& s) {
    s.press(SettingsSheet::kLabel, 1056);
    EXPECT_EQ(s.text(SettingsSheet::kLabel, 1048), "Brelland");
    s.apply();
  });
  EXPECT_EQ(app.settings().VESSEL, "Brelland");
  EXPECT_EQ(app.settings().CALL, "LXBR");
}

TEST_F(Sheet, LabelTextsAreTakenOnlyWithinTheirLengths) {
  app.settings().VESSEL = "Brelland";
  app.settings().CALL = "LXBR";
  withSheet([](SettingsSheet& s) {
    s.setText(SettingsSheet::kLabel, 1048, "");
    s.setText(SettingsSheet::kLabel, 1049, "AB");
    s.setText(SettingsSheet::kLabel, 1050, std::string(300, 'r'));
    s.apply();
  });
  EXPECT_EQ(app.settings().VESSEL, "Brelland") << "an empty name keeps the old one";
  EXPECT_EQ(app.settings().CALL, "LXBR") << "too short for the store";
  EXPECT_EQ(app.settings().REMARK, std::string(200, 'r')) << "cut to what the field takes";
}

TEST_F(Sheet, ButtonThatSwitchedAnOptionIsNotUndoneByOk) {
  app.settings().GPS_SMG_CMG = 1;
  host.answer("30");
  withSheet([](SettingsSheet& s) {
    ASSERT_TRUE(s.checked(SettingsSheet::kGps, 1181));
    s.press(SettingsSheet::kGps, 1094);  // samples from the positions: the unit's SMG/CMG off
    EXPECT_EQ(s.text(SettingsSheet::kGps, 1103), "30");
    EXPECT_FALSE(s.checked(SettingsSheet::kGps, 1181));
    s.apply();
  });
  EXPECT_EQ(app.settings().GPS_SMG_CMG, 0);
  EXPECT_EQ(app.settings().GPS_MAX_SAMPLES, 30);
}

TEST_F(Sheet, CentreWaypointBoxRunsItsCommandAndShowsTheChoice) {
  run(cmd::kExtractRoute);
  host.answer("2");
  withSheet([](SettingsSheet& s) {
    EXPECT_FALSE(s.checked(SettingsSheet::kMap, 1164));
    s.setChecked(SettingsSheet::kMap, 1164, true);
    EXPECT_TRUE(s.checked(SettingsSheet::kMap, 1164));
    EXPECT_NE(s.text(SettingsSheet::kMap, 1171).find("Finisterre"), std::string::npos);
  });
  EXPECT_EQ(app.mapView().centreIndex, 1);
}

}  // namespace
}  // namespace z5
