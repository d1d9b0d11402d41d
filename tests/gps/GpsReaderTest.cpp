// The reader thread on a pseudo-terminal: real receiver logs replayed fix
// by fix against their checked texts and in bursts, void fixes, midnight,
// new ports and baud rates, and ports that cannot be used. On a scripted
// line, with the monotonic clock moved by the test: other talkers, quiet
// lines, noise, a receiver unplugged, stopping.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>

#include <fmt/printf.h>

#include "ExpectedFile.h"
#include "GpsTestSupport.h"
#include "RecordedLogs.h"
#include "ScriptedSerialPort.h"
#include "gps/GpsGeometry.h"
#include "gps/PosixSerialPort.h"

namespace z5 {
namespace {

using namespace std::chrono_literals;
using test::countStarting;
using test::isFixSentence;
using test::kCheckHeader;
using test::kLogDirectory;
using test::kRecordedLogs;
using test::LogLine;
using test::MonitorBench;
using test::receiverLines;
using test::RecordedLog;
using test::PtyPair;
using test::rmc;
using test::ScriptedSerialPort;
using test::WakeCounter;
using T = GpsTextSet;

std::string allOf(const std::vector<LogLine>& lines) {
  std::string all;
  for (const LogLine& line : lines) all += line.text;
  return all;
}

// A monitor reading the slave side of a fresh pseudo-terminal.
struct Reader : ::testing::Test {
  Reader() {
    b.settings.GPS_PORT = pty.slaveName();
    b.monitor.setWakeUp(wakes.callback());
  }
  void start() {
    ASSERT_TRUE(pty.ok());
    b.monitor.toggle();
    ASSERT_TRUE(b.monitor.running()) << b.messages.text();
  }
  std::string dialog(T::Text text) { return b.dialog(text); }
  bool received() { return b.received(); }
  PtyPair pty;
  WakeCounter wakes;  // outlives the monitor that calls it
  MonitorBench b;
};

class RecordedLogReplay : public Reader, public ::testing::WithParamInterface<RecordedLog> {};

// Each fix sentence is written, then the texts it gave are read before the
// rest of the log goes on the line; together they must equal the .chk file.
TEST_P(RecordedLogReplay, EveryFixShowsTheTextsCheckedForIt) {
  const RecordedLog& log = GetParam();
  b.clock.set(log.utc, log.utc);
  start();
  std::string shown(kCheckHeader);
  int fixes = 0;
  for (const LogLine& line : receiverLines(log.name)) {
    pty.write(line.text);
    if (!isFixSentence(line.text)) continue;
    ASSERT_TRUE(wakes.waitFor(++fixes)) << "no update for the fix on line " << line.number;
    shown += test::checkLine(line.number, [&](T::Text text) { return dialog(text); });
  }
  test::expectFileContents(kLogDirectory + log.name + ".chk", shown, "Z5_UPDATE_FIXTURES");
  EXPECT_TRUE(received());
  EXPECT_TRUE(b.monitor.takeUpdate());
  EXPECT_FALSE(b.monitor.takeUpdate()) << "the idle hand-over clears the flag";
}

INSTANTIATE_TEST_SUITE_P(Logs, RecordedLogReplay, ::testing::ValuesIn(kRecordedLogs),
                         [](const ::testing::TestParamInfo<RecordedLog>& info) { return test::logTestName(info.param); });

TEST_F(Reader, TheSameLogInOneBurstLosesNothing) {
  start();
  const auto lines = receiverLines("bundg_zeus_9.log");
  pty.write(allOf(lines));
  ASSERT_TRUE(wakes.waitFor(countStarting(lines, "$GPRMC")));
  EXPECT_EQ(dialog(T::kUtcTime), "09:50:03.00");
}

TEST_F(Reader, VoidFixesShowTheRefusedDateAndStillRefresh) {
  start();
  const auto lines = receiverLines("GPSmap-76S.log");
  for (const LogLine& line : lines) pty.write(line.text);
  ASSERT_TRUE(wakes.waitFor(countStarting(lines, "$GPRMC")));
  EXPECT_EQ(dialog(T::kFixDate), b.strings.prompt(272));
  EXPECT_EQ(dialog(T::kUtcTime), "");
  EXPECT_TRUE(received());
}

TEST_F(Reader, AMultiSystemReceiverGivesFixes) {
  start();
  const auto lines = receiverLines("ch-4711.log");
  for (const LogLine& line : lines) pty.write(line.text);
  const int rmcLines = countStarting(lines, "$GNRMC") + countStarting(lines, "$GLRMC") + countStarting(lines, "$GPRMC");
  ASSERT_TRUE(wakes.waitFor(rmcLines));
  EXPECT_TRUE(dialog(T::kLatitude).starts_with("55-43.0")) << dialog(T::kLatitude);
  EXPECT_EQ(dialog(T::kFixDate), b.strings.prompt(272)) << "it ends with void GPS fixes";
}

TEST_F(Reader, AStationaryReceiverWithMixedLineEndsGivesFixes) {
  start();
  const auto lines = receiverLines("bt451.log");
  for (const LogLine& line : lines) pty.write(line.text);
  ASSERT_TRUE(wakes.waitFor(countStarting(lines, "$GPRMC")));
  EXPECT_EQ(dialog(T::kUtcTime), "14:33:08.50");
  EXPECT_EQ(dialog(T::kSmg), "32.27 kts");
}

// A monitor reading a scripted line; the test moves its monotonic clock.
struct ScriptedReader : ::testing::Test {
  ScriptedReader() { b.monitor.setWakeUp(wakes.callback()); }
  void start() {
    b.monitor.toggle();
    ASSERT_TRUE(b.monitor.running()) << b.messages.text();
  }
  // One read brings `bytes`; returns once the reader has handled them.
  void handle(std::string bytes) {
    line.feed(std::move(bytes));
    ASSERT_TRUE(line.waitUntilHandled());
  }
  // The line stays quiet for `period`; returns once the reader has seen it.
  void quietFor(std::chrono::milliseconds period) {
    b.steady.advance(period);
    line.feedTimeOut();
    ASSERT_TRUE(line.waitUntilHandled());
  }
  std::unique_ptr<ScriptedSerialPort> owned = std::make_unique<ScriptedSerialPort>();
  ScriptedSerialPort& line = *owned;
  WakeCounter wakes;  // outlives the monitor that calls it
  MonitorBench b{std::move(owned)};
};

TEST_F(ScriptedReader, OtherTalkersAreIgnoredAndTheReceivedFlagClearsWhenTheLineIsQuiet) {
  start();
  handle("$IIRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*7D\r\n");
  handle("$gprmc,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n");
  EXPECT_EQ(wakes.count(), 0);
  EXPECT_FALSE(b.received());
  handle(rmc("123519", "4807.038", "N", "01131.000", "E"));
  EXPECT_EQ(wakes.count(), 1);
  EXPECT_TRUE(b.received());
  EXPECT_EQ(b.dialog(T::kUtcTime), "12:35:19.00");
  quietFor(GpsMonitor::kQuietPeriod);
  EXPECT_EQ(wakes.count(), 1) << "cleared before the quiet period was over";
  quietFor(1ms);
  EXPECT_EQ(wakes.count(), 2) << "no wake-up when the line went quiet";
  EXPECT_FALSE(b.received());
  EXPECT_EQ(b.dialog(T::kUtcTime), "12:35:19.00") << "the last fix stays shown";
}

TEST_F(ScriptedReader, OtherGpsSentencesKeepTheLineAlive) {
  start();
  handle(rmc("123519", "4807.038", "N", "01131.000", "E"));
  for (int i = 0; i < 8; ++i) {
    b.steady.advance(GpsMonitor::kQuietPeriod / 2);
    handle(test::nmea("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
  }
  EXPECT_EQ(wakes.count(), 1) << "a receiver sending only GGA is heard";
  EXPECT_TRUE(b.received());
}

TEST_F(ScriptedReader, SplitSentencesNoiseAndOverlongLinesDoNotStopReception) {
  start();
  const std::string first = rmc("120000", "4807.038", "N", "01131.000", "E");
  handle(first.substr(0, 20));
  EXPECT_EQ(wakes.count(), 0);
  handle(first.substr(20));
  EXPECT_EQ(wakes.count(), 1);
  EXPECT_EQ(b.dialog(T::kUtcTime), "12:00:00.00");

  std::string noise;
  for (int i = 0; i < 1100; ++i) noise += static_cast<char>(0x80 + i % 0x70);
  handle(noise);
  handle(rmc("120001", "4807.038", "N", "01131.000", "E"));
  EXPECT_EQ(wakes.count(), 2);
  EXPECT_EQ(b.dialog(T::kUtcTime), "12:00:01.00") << "a sentence after noise is read";

  handle(std::string(5000, 'A'));
  handle(rmc("120002", "4807.038", "N", "01131.000", "E"));
  EXPECT_EQ(wakes.count(), 3);
  EXPECT_EQ(b.dialog(T::kUtcTime), "12:00:02.00");

  handle(std::string("\0\0\xff\n\n", 5) + "garbage\r\n$GPRMC,,,\r\n");
  handle(rmc("120003", "4807.038", "N", "01131.000", "E"));
  EXPECT_EQ(wakes.count(), 5) << "the empty fix is refused with an update of its own";
  EXPECT_EQ(b.dialog(T::kUtcTime), "12:00:03.00");
  EXPECT_TRUE(b.monitor.running());
}

TEST_F(ScriptedReader, AnUnpluggedReceiverIsTriedAgainAndTheMonitorStopsCleanly) {
  start();
  handle(rmc("120000", "4807.038", "N", "01131.000", "E"));
  line.feedFailure();
  ASSERT_TRUE(line.waitUntilHandled());
  EXPECT_FALSE(line.isOpen());
  quietFor(GpsMonitor::kReopenInterval - 1ms);
  EXPECT_EQ(line.opens(), 1) << "the device tried again before the interval";
  quietFor(1ms);
  EXPECT_EQ(line.opens(), 2) << "the device not tried again";
  quietFor(GpsMonitor::kQuietPeriod);
  EXPECT_EQ(wakes.count(), 2) << "the quiet check goes on";
  EXPECT_FALSE(b.received());
  EXPECT_TRUE(b.monitor.running());
  b.monitor.toggle();
  EXPECT_FALSE(b.monitor.running());
}

TEST_F(ScriptedReader, AStopEndsAPendingReadAtOnce) {
  start();
  ASSERT_TRUE(line.waitUntilHandled()) << "the reader waits in a read";
  const auto before = std::chrono::steady_clock::now();
  b.monitor.toggle();
  EXPECT_LT(std::chrono::steady_clock::now() - before, 1s) << "the stop waited for the read's time-out";
  EXPECT_FALSE(b.monitor.running());
  EXPECT_EQ(std::count(b.messages.text().begin(), b.messages.text().end(), '\n'), 2) << "on and off";
}

TEST_F(Reader, MidnightOnTheLineAdvancesTheDate) {
  b.clock.set({2002, 3, 24, 0, 59, 55}, {2002, 3, 23, 23, 59, 55});
  start();
  pty.write(rmc("235959", "4807.038", "N", "01131.000", "E"));
  pty.write(rmc("000001", "4807.038", "N", "01131.000", "E"));
  ASSERT_TRUE(wakes.waitFor(2));
  EXPECT_EQ(dialog(T::kFixDate), "03/24/2002");
}

// An RMC line of a recorded log with its time of day moved on by `seconds`
// (and its checksum made anew); other lines as they are.
std::string shiftedFix(const std::string& line, int seconds) {
  if (!line.starts_with("$GPRMC,")) return line;
  const std::size_t star = line.find('*');
  const std::string body = line.substr(1, star - 1);
  const int hhmmss = std::stoi(body.substr(6, 6));
  const int t = (hhmmss / 10000 * 3600 + hhmmss / 100 % 100 * 60 + hhmmss % 100 + seconds) % 86400;
  const std::string time = fmt::format("{:02d}{:02d}{:02d}", t / 3600, t / 60 % 60, t % 60);
  return test::nmea(body.substr(0, 6) + time + body.substr(12));
}

TEST_F(Reader, ARecordedLogAcrossMidnightDatesItsLaterFixesOnTheNextDay) {
  // The plotter log (09:47:37 to 09:50:03 UTC) moved to run from 23:59:07
  // to 00:01:33, with the computer's clock at 23:59 on the 20th.
  constexpr int kShift = 14 * 3600 + 11 * 60 + 30;
  b.clock.set({2018, 8, 21, 1, 59, 0}, {2018, 8, 20, 23, 59, 0});
  b.settings.GPS_LOG = 1;
  b.settings.GPS_LOGGING_INTERVAL = 30;
  start();
  const auto lines = receiverLines("bundg_zeus_9.log");
  int fixes = 0;
  for (const LogLine& line : lines) {
    if (line.text.starts_with("$GPRMC")) ++fixes;
    pty.write(shiftedFix(line.text, kShift));
  }
  ASSERT_TRUE(wakes.waitFor(fixes));
  EXPECT_EQ(dialog(T::kUtcTime), "00:01:33.00");
  EXPECT_EQ(dialog(T::kFixDate), "08/21/2018");
  // Every 30 s from the first fix, and at the full hour (minute 0, second
  // below 2 or above 58); the log has gaps of a second here and there.
  std::vector<std::string> headers;
  std::istringstream log(test::readFile(b.monitor.trackLog().path()));
  for (std::string line; std::getline(log, line);)
    if (line.starts_with("GPS UTC ")) headers.push_back(line.substr(8));
  EXPECT_EQ(headers, (std::vector<std::string>{"23:59:37.00  08/20/2018", "00:00:00.00  08/21/2018",
                                               "00:00:01.00  08/21/2018", "00:00:31.00  08/21/2018",
                                               "00:00:59.00  08/21/2018", "00:01:29.00  08/21/2018"}));
}

TEST_F(Reader, TheGotoWaypointIsNavigatedFromTheCopyTakenWhenItWasChosen) {
  Waypoint before, target;
  before.latitude = 52.9;
  before.longitude = 5.4;
  target.latitude = 52.8;
  target.longitude = 5.2;
  target.rhumbLineCourse = rhumbLineBetween(52.9, 5.4, 52.8, 5.2, false).course;
  target.name = paddedWaypointName("ENKHUIZEN");
  b.voyage.waypoints = {before, target};
  start();
  ASSERT_TRUE(b.monitor.chooseGotoNumber(2));
  b.voyage.waypoints.clear();  // extracted anew, from another route
  const auto lines = receiverLines("bundg_zeus_9.log");
  for (const LogLine& line : lines) pty.write(line.text);
  ASSERT_TRUE(wakes.waitFor(countStarting(lines, "$GPRMC")));
  const double lat = 52 + 50.8736 / 60, lon = 5 + 18.5095 / 60;  // the last fix
  const CourseDistance rl = rhumbLineBetween(lat, lon, 52.8, 5.2, false);
  EXPECT_EQ(dialog(T::kRlDistance), fmt::sprintf("%5.2f NM", rl.distance));
  EXPECT_EQ(dialog(T::kRlBearing), fmt::sprintf("%1.2f T", rl.course));
  EXPECT_FALSE(dialog(T::kRlXte).empty()) << "the leg from the waypoint before is known";
  EXPECT_FALSE(dialog(T::kGcTtg).empty()) << "5.3 kn towards the waypoint";
  EXPECT_FALSE(dialog(T::kRlEta).empty());
  EXPECT_EQ(b.monitor.texts().main().gotoName, paddedWaypointName("ENKHUIZEN"));
}

TEST_F(Reader, TheMonitorRestartsOnANewBaudAndReadsOn) {
  start();
  b.host.answer("9600");
  b.monitor.setBaudPrompt();
  EXPECT_TRUE(b.monitor.running());
  pty.write(rmc("120000", "4807.038", "N", "01131.000", "E"));
  ASSERT_TRUE(wakes.waitFor(1));
  EXPECT_EQ(dialog(T::kUtcTime), "12:00:00.00");
}

TEST_F(Reader, APortAnswerMovesARunningMonitorToTheNewPort) {
  start();
  PtyPair other;
  ASSERT_TRUE(other.ok());
  b.host.answer(other.slaveName());
  b.monitor.setPortPrompt();
  EXPECT_TRUE(b.monitor.running());
  EXPECT_EQ(b.settings.GPS_PORT, other.slaveName());
  pty.write(rmc("120000", "4807.038", "N", "01131.000", "E"));
  other.write(rmc("120001", "4807.038", "N", "01131.000", "E"));
  other.write(rmc("120002", "4807.038", "N", "01131.000", "E"));
  ASSERT_TRUE(wakes.waitFor(2));
  EXPECT_EQ(wakes.count(), 2) << "the old port is still read";
  EXPECT_EQ(dialog(T::kUtcTime), "12:00:02.00");
  EXPECT_EQ(std::count(b.messages.text().begin(), b.messages.text().end(), '\n'), 4)
      << "on, the new port, off and on again";
}

TEST_F(Reader, APortHeldByAnotherProgramIsReported) {
  PosixSerialPort other;
  ASSERT_EQ(other.open(pty.slaveName(), 4800), SerialPort::OpenResult::Opened);
  b.monitor.toggle();
  EXPECT_FALSE(b.monitor.running());
  ASSERT_EQ(b.host.popups.size(), 1u);
  EXPECT_EQ(b.host.popups[0].text, b.strings.error(82, pty.slaveName()));
  EXPECT_EQ(b.host.popups[0].milliseconds, 2000);
}

TEST(GpsReaderPorts, MissingUnusableAndDirectoryPortsAreReportedForWhatTheyAre) {
  MonitorBench b;
  b.settings.GPS_PORT = "/dev/z5-none";
  b.monitor.toggle();
  EXPECT_FALSE(b.monitor.running());
  b.settings.GPS_PORT = "/dev/null";
  b.monitor.toggle();
  EXPECT_FALSE(b.monitor.running());
  b.settings.GPS_PORT = b.home.home();
  b.monitor.toggle();
  EXPECT_FALSE(b.monitor.running());
  ASSERT_EQ(b.host.popups.size(), 3u);
  EXPECT_EQ(b.host.popups[0].text, b.strings.error(82, std::string("/dev/z5-none")));
  EXPECT_EQ(b.host.popups[1].text, b.strings.error(83, std::string("/dev/null")));
  EXPECT_EQ(b.host.popups[2].text, "Cannot open the GPS port " + b.home.home() + ": " + b.home.home() +
                                        " is a directory, not a serial device.");
  EXPECT_EQ(b.host.popups[2].milliseconds, 2000);
}

}  // namespace
}  // namespace z5
