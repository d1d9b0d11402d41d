// The monitor's settings commands: port and baud, sampling, the log and
// display-track toggles, and what reset and start leave behind.

#include <gtest/gtest.h>

#include <future>

#include "GpsTestSupport.h"

namespace z5 {
namespace {

using test::MonitorBench;

int lineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

struct BaudRow {
  const char* legend;
  std::vector<std::string> answers;
  int expected;
};

TEST(GpsCommands, BaudAnswersMoveToTheNearestMultipleOf1200) {
  const BaudRow rows[] = {
      {"5000 rounds down", {"5000"}, 4800},
      {"5500 rounds up", {"5500"}, 6000},
      {"a remainder of exactly 600 rounds up", {"5400"}, 6000},
      {"3600 stays", {"3600"}, 3600},
      {"1199 is outside the bounds and asked again", {"1199", "2400"}, 2400},
      {"9601 is outside the bounds and asked again", {"9601", "9600"}, 9600},
      {"n restores 4800", {"n"}, 4800},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.legend);
    MonitorBench b;
    b.settings.GPS_BAUD = 1200;
    for (const auto& a : row.answers) b.host.answer(a);
    b.monitor.setBaudPrompt();
    EXPECT_EQ(b.settings.GPS_BAUD, row.expected);
    EXPECT_EQ(b.monitor.baudText(), std::to_string(row.expected));
    EXPECT_EQ(b.host.prompts.size(), row.answers.size());
  }
}

TEST(GpsCommands, ABaudAnswerThatRoundsToTheCurrentRateChangesNothing) {
  MonitorBench b;
  b.settings.GPS_BAUD = 4800;
  b.host.answer("5000");
  b.monitor.setBaudPrompt();
  EXPECT_EQ(b.settings.GPS_BAUD, 4800);
  EXPECT_EQ(lineCount(b.messages.text()), 1) << "only the prompt's own line";
}

TEST(GpsCommands, ThePortAnswerReplacesThePortUnlessItIsTheSame) {
  MonitorBench b;
  b.host.answer("COM1:");
  b.monitor.setPortPrompt();
  EXPECT_EQ(b.host.prompts.back(), b.strings.prompt(269, std::string("COM1:"), std::string("COM1:")));
  EXPECT_EQ(b.messages.text(), "");
  b.host.answer("");
  b.monitor.setPortPrompt();
  EXPECT_EQ(b.settings.GPS_PORT, "COM1:");
  b.host.answer(std::nullopt);
  b.monitor.setPortPrompt();
  EXPECT_EQ(b.settings.GPS_PORT, "COM1:");

  // The port is kept to the stored length of the setting.
  const std::string longest = "/dev/serial/by-id/" + std::string(GpsMonitor::kPortNameLength, 'x');
  b.host.answer(longest);
  b.monitor.setPortPrompt();
  EXPECT_EQ(b.settings.GPS_PORT, longest.substr(0, GpsMonitor::kPortNameLength));
  EXPECT_NE(b.messages.text().find(b.messages.statusLine(b.strings.prompt(267), b.settings.GPS_PORT)),
            std::string::npos);
}

struct PortAnswerRow {
  const char* legend;
  const char* current;
  const char* answer;
  const char* expected;
};

TEST(GpsCommands, AnAnswerThatOnlyAddsToAColonClosedNameKeepsThePort) {
  const PortAnswerRow rows[] = {
      {"text after the colon is not part of the name (port changed)", "COM1:", "COM1:x", "COM1:"},
      {"another port number is another port (prefix taken as the same)", "COM1:", "COM2:", "COM2:"},
      {"a longer device path is another device (prefix rule on paths)", "/dev/ttyUSB1", "/dev/ttyUSB10",
       "/dev/ttyUSB10"},
      {"the same path changes nothing (restart for nothing)", "/dev/ttyUSB1", "/dev/ttyUSB1", "/dev/ttyUSB1"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.legend);
    MonitorBench b;
    b.settings.GPS_PORT = row.current;
    b.host.answer(row.answer);
    b.monitor.setPortPrompt();
    EXPECT_EQ(b.settings.GPS_PORT, row.expected);
    EXPECT_EQ(b.messages.text().empty(), std::string(row.current) == row.expected);
  }
}

TEST(GpsCommands, APortNameTheProfileWouldNotLoadBackIsRefused) {
  MonitorBench b;
  // Shorter than the profile takes: used for this run, lost at the next start.
  for (const char* tooShort : {"S0:", "/"}) {
    b.host.answer(tooShort);
    b.monitor.setPortPrompt();
    EXPECT_EQ(b.settings.GPS_PORT, "COM1:") << tooShort;
    ASSERT_FALSE(b.host.popups.empty()) << tooShort << ": the refusal is shown";
    EXPECT_NE(b.host.popups.back().text.find("a text of 4 to 200 characters"), std::string::npos) << b.host.popups.back().text;
  }
  b.host.answer("ACM0");
  b.monitor.setPortPrompt();
  EXPECT_EQ(b.settings.GPS_PORT, "ACM0") << "the shortest name the profile takes";
}

TEST(GpsCommands, PortNamesMapToDevices) {
  const PortAnswerRow rows[] = {
      {"the first serial port (numbered from 0 on Linux)", "", "COM1:", "/dev/ttyS0"},
      {"without colon, lower case", "", "com3", "/dev/ttyS2"},
      {"two digits", "", "COM12:", "/dev/ttyS11"},
      {"a device path stays as given", "", "/dev/ttyUSB0", "/dev/ttyUSB0"},
      {"a bare device name is looked for in /dev", "", "ttyACM0", "/dev/ttyACM0"},
      {"COM0 names no serial port (ttyS-1)", "", "COM0:", "/dev/COM0:"},
      {"letters after COM are no port number", "", "COMX:", "/dev/COMX:"},
      {"no number at all", "", "COM:", "/dev/COM:"},
      {"a number too long for a port (integer overflow)", "", "COM99999999999:", "/dev/COM99999999999:"},
  };
  for (const auto& row : rows) EXPECT_EQ(serialDevicePath(row.answer), row.expected) << row.legend;
}

TEST(GpsCommands, LoggingAndDisplayingTheTrackAreCoupled) {
  struct Row {
    const char* legend;
    int log, display;
    void (GpsMonitor::*command)();
    int logAfter, displayAfter, messages;
  };
  const Row rows[] = {
      {"logging off also stops displaying the track", 1, 1, &GpsMonitor::toggleLog, 0, 0, 2},
      {"displaying the track also starts logging", 0, 0, &GpsMonitor::toggleDisplayTrack, 1, 1, 2},
      {"logging on leaves the display alone", 0, 0, &GpsMonitor::toggleLog, 1, 0, 1},
  };
  for (const Row& row : rows) {
    MonitorBench b;
    b.settings.GPS_LOG = row.log;
    b.settings.GPS_DISPLAY_TRACK = row.display;
    (b.monitor.*row.command)();
    EXPECT_EQ(b.settings.GPS_LOG, row.logAfter) << row.legend;
    EXPECT_EQ(b.settings.GPS_DISPLAY_TRACK, row.displayAfter) << row.legend;
    EXPECT_EQ(lineCount(b.messages.text()), row.messages) << row.legend << ": one toggle message each";
  }
}

TEST(GpsCommands, HidingTheTrackStopsTheMapFollowingTheShip) {
  MonitorBench b;
  b.settings.GPS_LOG = 1;
  b.settings.GPS_DISPLAY_TRACK = 1;
  b.mapView.viewPointMode = true;
  b.monitor.displayTrackCommand();
  EXPECT_FALSE(b.mapView.viewPointMode);
  EXPECT_TRUE(b.mapView.redrawPending);
  EXPECT_EQ(b.settings.GPS_LOG, 1);
}

TEST(GpsCommands, TheUnitToggleSwitchesTheSamplingTexts) {
  MonitorBench b;
  EXPECT_EQ(b.monitor.texts().main().samples, b.strings.prompt(273));
  b.monitor.toggleUnitSmgCmg();
  EXPECT_EQ(b.settings.GPS_SMG_CMG, 0);
  EXPECT_EQ(b.monitor.texts().main().samples, "20");
  EXPECT_EQ(b.monitor.texts().main().sampleInterval, "20");
  b.monitor.toggleUnitSmgCmg();
  EXPECT_EQ(b.monitor.texts().main().sampleInterval, b.strings.prompt(273));
}

TEST(GpsCommands, ChangingTheSampleCountSwitchesToSamples) {
  MonitorBench b;
  b.host.answer("3");
  b.monitor.setNumberOfSamples();
  EXPECT_EQ(b.settings.GPS_MAX_SAMPLES, 3);
  EXPECT_EQ(b.settings.GPS_SMG_CMG, 0);
  EXPECT_EQ(b.monitor.texts().main().samples, "3");
  EXPECT_EQ(lineCount(b.messages.text()), 2) << "the new value and the unit toggle";

  b.host.answer("3");
  b.monitor.setNumberOfSamples();
  EXPECT_EQ(lineCount(b.messages.text()), 2) << "the same value changes nothing";
}

TEST(GpsCommands, TheSampleIntervalPromptKeepsItsBounds) {
  MonitorBench b;
  b.host.answer("0");
  b.host.answer("3601");
  b.host.answer("45");
  b.monitor.setSampleInterval();
  EXPECT_EQ(b.settings.GPS_SAMPLE_INTERVAL, 45);
  EXPECT_EQ(b.monitor.texts().main().sampleInterval, "45");
}

TEST(GpsCommands, TheLogIntervalPromptStoresValueAndText) {
  MonitorBench b;
  b.host.answer("9");
  b.host.answer("600");
  b.monitor.setLogInterval();
  EXPECT_EQ(b.settings.GPS_LOGGING_INTERVAL, 600);
  EXPECT_EQ(b.monitor.texts().main().logInterval, "600");
  b.host.answer("n");
  b.monitor.setLogInterval();
  EXPECT_EQ(b.settings.GPS_LOGGING_INTERVAL, 60);
}

TEST(GpsCommands, ResettingTheLogEmptiesIt) {
  MonitorBench b;
  b.monitor.trackLog().append("GPS UTC 12:00:00.00  03/23/2002", "48-07.038N", "011-31.000E");
  EXPECT_FALSE(test::readFile(b.monitor.trackLog().path()).empty());
  b.monitor.resetLog();
  EXPECT_TRUE(std::filesystem::exists(b.monitor.trackLog().path()));
  EXPECT_TRUE(test::readFile(b.monitor.trackLog().path()).empty());
}

TEST(GpsCommands, AnUnwritableLogLosesTheRecordQuietlyButAFailedResetIsReported) {
  MonitorBench b;
  b.settings.HOME_PATH = b.home.home() + "missing/";
  EXPECT_FALSE(b.monitor.trackLog().append("GPS UTC", "lat", "lon"));
  EXPECT_TRUE(b.host.popups.empty());
  b.monitor.resetLog();
  ASSERT_EQ(b.host.popups.size(), 1u);
  EXPECT_NE(b.host.popups[0].text.find("missing/Z5GPSLOG.DOC"), std::string::npos) << b.host.popups[0].text;
}

TEST(GpsCommands, ViewingTheLogFallsBackToTheDesktopWhileNoRecordCanBeWritten) {
  MonitorBench b;
  std::vector<std::string> asked;
  auto& log = b.monitor.locks().log;
  auto lockedElsewhere = [&log] {
    return !std::async(std::launch::async, [&log] {
              const bool taken = log.try_lock();
              if (taken) log.unlock();
              return taken;
            }).get();
  };
  auto editor = [&](bool opens) {
    return [&, opens](const std::string& path) {
      EXPECT_TRUE(lockedElsewhere()) << "a record could be appended meanwhile";
      asked.push_back("editor " + path);
      return opens;
    };
  };
  auto desktop = [&](const std::string& path) {
    asked.push_back("desktop " + path);
    return false;
  };
  const std::string path = b.monitor.trackLog().path();
  b.monitor.viewLog(editor(true), desktop);
  EXPECT_EQ(asked, (std::vector<std::string>{"editor " + path}));
  asked.clear();
  b.monitor.viewLog(editor(false), desktop);
  EXPECT_EQ(asked, (std::vector<std::string>{"editor " + path, "desktop " + path}));
  EXPECT_TRUE(b.host.popups.empty()) << "nothing is reported when neither opens it";
}

TEST(GpsCommands, LabellingTheTrackTogglesAndRedrawsTheMap) {
  MonitorBench b;
  b.settings.GPS_LABEL_TRACK = 1;
  b.monitor.labelTrackCommand();
  EXPECT_EQ(b.settings.GPS_LABEL_TRACK, 0);
  EXPECT_TRUE(b.mapView.redrawPending);
  EXPECT_TRUE(b.messages.text().ends_with(b.messages.statusLine(b.prompt(276), b.prompt(208)))) << b.messages.text();
  EXPECT_EQ(lineCount(b.messages.text()), 1);
}

TEST(GpsCommands, AResetClearsTheTextsAndTheChoice) {
  MonitorBench b;
  Waypoint w;
  w.latitude = w.longitude = 1;
  b.voyage.waypoints = {w, w};
  b.monitor.chooseGotoNumber(2);
  b.settings.GPS_LOGGING_INTERVAL = 120;
  b.monitor.resetState();
  EXPECT_EQ(b.monitor.gotoIndex(), kNoIndex);
  EXPECT_EQ(b.monitor.texts().main().gotoName, "");
  EXPECT_EQ(b.monitor.texts().main().logInterval, "120");
  EXPECT_EQ(b.monitor.baudText(), "4800");
  EXPECT_FALSE(b.monitor.takeUpdate());
}

}  // namespace
}  // namespace z5
