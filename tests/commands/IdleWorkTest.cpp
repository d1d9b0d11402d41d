// The idle pass: each piece of pending work is done once and its flag
// cleared, and a fix from the reader reaches the GPS dialog.

#include "commands/IdleWork.h"

#include <gtest/gtest.h>

#include "../gps/GpsTestSupport.h"
#include "CommandBench.h"
#include "commands/CommandIds.h"

namespace z5 {
namespace {

struct Idle : test::CommandBench {
  Idle() { route = openBiscay(); }
  // The requests to the document windows that start with `what`.
  int requests(std::string_view what) {
    const std::vector<std::string> calls = windows.take();
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [what](const std::string& c) {
      return c.starts_with(what);
    }));
  }
  RouteDocument* route = nullptr;
};

TEST_F(Idle, NothingPendingDoesNothing) { EXPECT_FALSE(runIdleWork(commands)); }

TEST_F(Idle, MapReloadAndRedrawPaintTheMapOnceAndClearBothFlags) {
  run(cmd::kMap);
  run(cmd::kGridLines);
  windows.take();
  EXPECT_TRUE(runIdleWork(commands));
  EXPECT_EQ(requests("render"), 1);
  EXPECT_FALSE(commands.pending().mapReload);
  EXPECT_FALSE(app.mapView().redrawPending);
  EXPECT_FALSE(runIdleWork(commands));
  EXPECT_EQ(requests("render"), 0);
}

TEST_F(Idle, RouteReloadWritesTheOutputAgainInItsFormat) {
  run(cmd::kDelimitedOutput);
  app.documents().activate(*route);
  run(cmd::kNoEta);
  windows.take();
  EXPECT_TRUE(runIdleWork(commands));
  EXPECT_EQ(requests("opened BISCAY.out"), 1) << "the output opened again";
  ASSERT_NE(route->outputLink(), nullptr);
  EXPECT_EQ(route->outputLink()->outputFormat(), 2);
  EXPECT_FALSE(commands.pending().routeReload);
}

TEST_F(Idle, AFixFromTheReaderRefreshesTheGpsDialog) {
  test::PtyPair receiver;
  ASSERT_TRUE(receiver.ok());
  app.settings().GPS_PORT = receiver.slaveName();
  run(cmd::kGpsEnable);
  ASSERT_TRUE(app.gps().running()) << said();
  test::WakeCounter wakes;
  app.gps().setWakeUp(wakes.callback());
  receiver.write(test::rmc("123519", "4807.038", "N", "01131.000", "E"));
  ASSERT_TRUE(wakes.waitFor(1));
  EXPECT_TRUE(runIdleWork(commands));
  EXPECT_FALSE(commands.gpsDialog().text(1101).empty()) << "the latitude";
  EXPECT_FALSE(runIdleWork(commands)) << "one refresh per update";
  app.gps().stop();
}

}  // namespace
}  // namespace z5
