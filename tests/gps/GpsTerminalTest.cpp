// The GPS display printed in a terminal.

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "GpsTestSupport.h"
#include "gps/GpsTerminal.h"

namespace z5 {
namespace {

using namespace std::chrono_literals;

// What arrives on `fd` until `wanted` is among it, the writer closes, or
// ten seconds pass.
std::string readUntil(int fd, std::string_view wanted) {
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  std::string got;
  while (got.find(wanted) == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd readable{fd, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&readable, 1, static_cast<int>(left.count())) <= 0) break;
    char bytes[512];
    const ssize_t n = ::read(fd, bytes, sizeof bytes);
    if (n <= 0) break;
    got.append(bytes, static_cast<std::size_t>(n));
  }
  return got;
}

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
  int display[2];
  ASSERT_EQ(::pipe(display), 0);
  std::FILE* out = ::fdopen(display[1], "w");
  ASSERT_NE(out, nullptr);
  std::atomic<bool> stop{false};
  std::thread terminal([&] { runGpsTerminal(b.monitor, out, stop); });
  pty.write(test::rmc("123519", "4807.038", "N", "01131.000", "E", "022.4", "084.4"));
  const std::string shown = readUntil(display[0], "RL  BRG");
  stop = true;
  terminal.join();
  std::fclose(out);
  ::close(display[0]);
  EXPECT_NE(shown.find("UTC 12:35:19.00  "), std::string::npos) << shown;
  EXPECT_NE(shown.find("Rx? yes"), std::string::npos);
  EXPECT_NE(shown.find("Latitude 48-07.038N  Longitude 011-31.000E"), std::string::npos);
  EXPECT_NE(shown.find("Goto 2 MUNICH"), std::string::npos);
  EXPECT_NE(shown.find("GC  BRG "), std::string::npos);
}

}  // namespace
}  // namespace z5
