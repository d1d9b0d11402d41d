// The GPS display printed in a terminal.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "GpsTestSupport.h"
#include "gps/GpsTerminal.h"

namespace z5 {
namespace {

using namespace std::chrono_literals;

TEST(GpsTerminal, EachUpdatePrintsTheDisplayUntilStopped) {
  test::PtyPair pty;
  ASSERT_TRUE(pty.ok());
  test::MonitorBench b;
  b.settings.GPS_PORT = pty.slaveName();
  Waypoint w;
  w.latitude = 48;
  w.longitude = 11;
  w.name = paddedWaypointName("MUNICH");
  b.voyage.waypoints = {w, w};
  b.monitor.toggle();
  ASSERT_TRUE(b.monitor.running());
  ASSERT_TRUE(b.monitor.chooseGotoNumber(2));
  const std::string path = b.home.file("display.txt");
  std::FILE* out = std::fopen(path.c_str(), "w");
  ASSERT_NE(out, nullptr);
  std::atomic<bool> stop{false};
  std::thread terminal([&] { runGpsTerminal(b.monitor, out, stop); });
  pty.write(test::rmc("123519", "4807.038", "N", "01131.000", "E", "022.4", "084.4"));
  std::string shown;
  for (int i = 0; i < 100 && shown.find("RL  BRG") == std::string::npos; ++i) {
    std::this_thread::sleep_for(50ms);
    shown = test::readFile(path);
  }
  stop = true;
  terminal.join();
  std::fclose(out);
  EXPECT_NE(shown.find("UTC 12:35:19.00  "), std::string::npos) << shown;
  EXPECT_NE(shown.find("Rx? yes"), std::string::npos);
  EXPECT_NE(shown.find("Latitude 48-07.038N  Longitude 011-31.000E"), std::string::npos);
  EXPECT_NE(shown.find("Goto 2 MUNICH"), std::string::npos);
  EXPECT_NE(shown.find("GC  BRG "), std::string::npos);
}

}  // namespace
}  // namespace z5
