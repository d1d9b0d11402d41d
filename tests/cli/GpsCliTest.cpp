// `z5 --gps SOURCE [--goto N] ROUTE`: the GPS display in the terminal, fed
// through a pseudo-terminal or by gpsd, ended by Ctrl-C.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "ProgramRun.h"
#include "PtyPair.h"
#include "TempDir.h"

namespace z5 {
namespace {

using namespace std::chrono_literals;

std::string z5Command(const test::TempDir& dir, const std::string& arguments) {
  return std::string(Z5_PROGRAM) + " --home " Z5_DATA_DIR " --settings " + dir.file("z5.ini") + " " + arguments;
}

TEST(GpsProgram, ShowsLiveFixesAndStopsOnASignalWithoutSaving) {
  test::PtyPair pty;
  ASSERT_TRUE(pty.ok());
  test::TempDir dir;
  // The program runs in the background (where a shell may ignore Ctrl-C for
  // it, which the program takes anyway); Ctrl-C's SIGINT reaches it after 3 s.
  const std::string command = "(" + z5Command(dir, "--gps " + pty.slaveName() + " --goto 2 " Z5_DATA_DIR "/README.TXT") +
                              " 2>&1 & pid=$!; sleep 3; kill -INT $pid; wait $pid)";
  std::atomic<bool> done{false};
  test::ProgramRun run;
  std::thread program([&] {
    run = test::runProgram(command);
    done = true;
  });
  const std::string fix = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
  while (!done) {
    pty.write(fix);
    std::this_thread::sleep_for(100ms);
  }
  program.join();
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("UTC 12:35:19.00"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Latitude 48-07.038N  Longitude 011-31.000E"), std::string::npos);
  EXPECT_NE(run.output.find("Goto 2 "), std::string::npos);
  EXPECT_NE(run.output.find("RL  BRG "), std::string::npos);
  EXPECT_EQ(test::readFile(dir.file("z5.ini")), "") << "the run saved settings";
}

// gpsfake (Debian gpsd-clients) presents a log on a pseudo-terminal of its
// own, as GPS developers replay them; the test is skipped without it.
TEST(GpsProgram, ALogReplayedByGpsfakeShowsItsLastFix) {
  constexpr const char* kPython = "/usr/bin/python3";
  if (test::runProgram(std::string(kPython) + " -c 'import gps.fake' 2>&1").status != 0)
    GTEST_SKIP() << "gpsfake is not installed (Debian package gpsd-clients)";
  test::TempDir dir;
  const test::ProgramRun run =
      test::runProgram(std::string(kPython) + " " Z5_SOURCE_DIR "/tests/support/gpsfake_replay.py " Z5_PROGRAM
                       " " Z5_DATA_DIR "/README.TXT " Z5_FIXTURES_DIR "/nmea/bundg_zeus_9.log --home " Z5_DATA_DIR
                       " --settings " + dir.file("z5.ini") + " 2>&1");
  EXPECT_NE(run.output.find("exit 0 sentences 5000 displays "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("UTC 09:50:03.00"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Rx? yes"), std::string::npos);
  EXPECT_NE(run.output.find("Latitude 52-50.874N  Longitude 005-18.510E  SMG  5.30 kts  CMG 233.10 T"),
            std::string::npos);
}

// The same log served by a real gpsd on a loopback port, read as gpsd://.
TEST(GpsProgram, ALogServedByGpsdShowsItsLastFix) {
  constexpr const char* kPython = "/usr/bin/python3";
  if (test::runProgram(std::string(kPython) + " -c 'import gps.fake' 2>&1").status != 0 ||
      test::runProgram("command -v gpsd >/dev/null").status != 0)
    GTEST_SKIP() << "gpsd and gpsfake are not installed (Debian packages gpsd, gpsd-clients)";
  test::TempDir dir;
  const test::ProgramRun run = test::runProgram(
      std::string(kPython) + " " Z5_SOURCE_DIR "/tests/support/gpsd_serve.py --run " Z5_FIXTURES_DIR
      "/nmea/bundg_zeus_9.log " Z5_PROGRAM " " Z5_DATA_DIR "/README.TXT --home " Z5_DATA_DIR " --settings " +
      dir.file("z5.ini") + " 2>&1");
  EXPECT_NE(run.output.find("exit 0 displays "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("UTC 09:50:03.00  "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Latitude 52-50.874N  Longitude 005-18.510E  SMG  5.30 kts  CMG 233.10 T"),
            std::string::npos);
  EXPECT_NE(run.output.find("Goto 2 "), std::string::npos);
}

TEST(GpsProgram, APortThatCannotBeOpenedEndsWithItsMessage) {
  test::TempDir dir;
  const test::ProgramRun run = test::runProgram(z5Command(dir, "--gps /dev/z5-no-port 2>&1"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("/dev/z5-no-port"), std::string::npos) << run.output;
}

TEST(GpsProgram, AMalformedSourceIsABadCommandLine) {
  test::TempDir dir;
  const test::ProgramRun run = test::runProgram(z5Command(dir, "--gps tcp://localhost 2>&1"));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("--gps tcp://localhost: tcp:// needs a port"), std::string::npos) << run.output;
}

TEST(GpsProgram, AGotoNumberNeedsAWaypointOfTheRoute) {
  test::PtyPair pty;
  ASSERT_TRUE(pty.ok());
  test::TempDir dir;
  const test::ProgramRun beyond =
      test::runProgram(z5Command(dir, "--gps " + pty.slaveName() + " --goto 999 " Z5_DATA_DIR "/README.TXT 2>&1"));
  EXPECT_EQ(beyond.status, 2) << beyond.output;
  EXPECT_NE(beyond.output.find("--goto 999"), std::string::npos);
  const test::ProgramRun noRoute = test::runProgram(z5Command(dir, "--gps " + pty.slaveName() + " --goto 2 2>&1"));
  EXPECT_EQ(noRoute.status, 2) << noRoute.output;
}

}  // namespace
}  // namespace z5
