// The GPS menu run from the dispatcher on a receiver standing at the other
// end of a pseudo-terminal: the monitor and its dialog, the port and baud
// changes around a running monitor, and the settings the dialog shows.

#include <gtest/gtest.h>

#include "CommandBench.h"
#include "PtyPair.h"
#include "commands/CommandIds.h"

namespace z5 {
namespace {

struct GpsMenu : test::CommandBench {
  GpsMenu() { app.settings().GPS_PORT = receiver.slaveName(); }
  // The monitor's toggle lines in the order they were written.
  std::vector<std::string> monitorLines() {
    std::vector<std::string> found;
    const std::string label = prompt(266);
    for (std::size_t at = said().find(label); at != std::string::npos; at = said().find(label, at + 1)) {
      found.push_back(said().substr(at, said().find("\r\n", at) - at));
    }
    return found;
  }

  test::PtyPair receiver;
};

TEST_F(GpsMenu, EnableShowsTheDialogAndHideDialogGoesGreyWhenStopped) {
  ASSERT_TRUE(receiver.ok());
  EXPECT_EQ(state(cmd::kHideGpsDialog), (CommandState{false, false, false}));
  run(cmd::kGpsEnable);
  ASSERT_TRUE(app.gps().running()) << said();
  EXPECT_TRUE(commandWindows.dialogShown);
  EXPECT_EQ(state(cmd::kGpsEnable), (CommandState{true, true, false}));
  EXPECT_EQ(state(cmd::kHideGpsDialog), (CommandState{true, false, false}));
  run(cmd::kHideGpsDialog);
  EXPECT_FALSE(commandWindows.dialogShown);
  EXPECT_EQ(state(cmd::kHideGpsDialog), (CommandState{true, true, false}));
  run(cmd::kHideGpsDialog);
  EXPECT_TRUE(commandWindows.dialogShown);
  run(cmd::kGpsEnable);
  EXPECT_FALSE(app.gps().running());
  EXPECT_FALSE(commandWindows.dialogShown);
  EXPECT_EQ(state(cmd::kHideGpsDialog), (CommandState{false, false, false}));
}

TEST_F(GpsMenu, EnableStartsWithoutARouteAndDespiteABadOne) {
  ASSERT_TRUE(receiver.ok());
  run(cmd::kGpsEnable);
  EXPECT_TRUE(app.gps().running()) << said();
  run(cmd::kGpsEnable);
  openBiscay("Nowhere\n95N\n5W\n", "BAD.TXT");
  run(cmd::kGpsEnable);
  EXPECT_TRUE(app.gps().running()) << said();
  app.gps().stop();
}

struct AroundMonitorRow {
  const char* legend;  // the fault the row would catch
  int id;
  std::optional<std::string> answer;
};

const AroundMonitorRow kAroundMonitor[] = {
    {"the port question cancelled leaving the monitor stopped", cmd::kSerialPort, std::nullopt},
    {"the port question answered with the same port leaving it stopped", cmd::kSerialPort, ""},
    {"the baud question cancelled leaving the monitor stopped", cmd::kBaudRate, std::nullopt},
    {"a new baud rate not taken by a restart", cmd::kBaudRate, "9600"},
};

TEST_F(GpsMenu, PortAndBaudStopTheMonitorAroundTheQuestionAndStartItAgain) {
  ASSERT_TRUE(receiver.ok());
  for (const AroundMonitorRow& row : kAroundMonitor) {
    run(cmd::kGpsEnable);
    ASSERT_TRUE(app.gps().running()) << row.legend;
    host.answer(row.answer);
    run(row.id);
    EXPECT_TRUE(app.gps().running()) << row.legend << ": " << said();
    EXPECT_TRUE(commandWindows.dialogShown) << row.legend;
    const std::vector<std::string> toggles = monitorLines();
    ASSERT_EQ(toggles.size(), 2u) << row.legend << ": " << said();
    EXPECT_NE(toggles[0].find(prompt(Messages::kOffText)), std::string::npos) << row.legend;
    EXPECT_NE(toggles[1].find(prompt(Messages::kOnText)), std::string::npos) << row.legend;
    run(cmd::kGpsEnable);
  }
  EXPECT_EQ(app.settings().GPS_BAUD, 9600);
}

TEST_F(GpsMenu, SamplesResetByNWithoutAMessageAndOutOfBoundsAskedAgain) {
  app.settings().GPS_SMG_CMG = 0;
  app.settings().GPS_MAX_SAMPLES = 30;
  host.answer("n");
  run(cmd::kNumberSamples);
  EXPECT_EQ(app.settings().GPS_MAX_SAMPLES, 20);
  EXPECT_EQ(lines(), 0) << said();
  host.answer("0");
  host.answer("51");
  host.answer("20");
  run(cmd::kNumberSamples);
  EXPECT_EQ(host.prompts.size(), 4u);
  EXPECT_EQ(lines(), 0) << "the same value says nothing: " << said();
  EXPECT_EQ(commands.gpsDialog().text(1105), "20");
}

TEST_F(GpsMenu, GotoWaypointNeedsAVoyageAndIsCheckedWhileChosen) {
  EXPECT_FALSE(state(cmd::kGotoWaypoint).enabled);
  openBiscay();
  run(cmd::kExtractRoute);
  ASSERT_TRUE(state(cmd::kGotoWaypoint).enabled);
  host.answer("2");
  run(cmd::kGotoWaypoint);
  EXPECT_EQ(state(cmd::kGotoWaypoint), (CommandState{true, true, false}));
  EXPECT_EQ(commands.gpsDialog().text(1115), "2");
}

TEST_F(GpsMenu, ViewLogFallsBackToTheDesktopWhenTheEditorCannotOpenIt) {
  run(cmd::kViewLog);
  ASSERT_EQ(commandWindows.desktopOpened.size(), 1u);
  EXPECT_EQ(commandWindows.desktopOpened[0], app.homeFile(kTrackLogFileName));
  run(cmd::kResetLog);
  run(cmd::kViewLog);
  EXPECT_NE(app.documents().findText(app.homeFile(kTrackLogFileName)), nullptr);
}

}  // namespace
}  // namespace z5
