// The idle pass: each piece of pending work is done once and its flag
// cleared, and a fix from the reader reaches the GPS dialog.

#include "commands/IdleWork.h"

#include <gtest/gtest.h>

#include "../gps/GpsTestSupport.h"
#include "CommandBench.h"
#include "commands/CommandIds.h"
#include "editor/DocumentWindows.h"

namespace z5 {
namespace {

// Counts what the idle pass asks of the document windows.
class CountingWindows final : public DocumentWindows {
 public:
  void opened(Document&) override { ++openings; }
  void closing(Document&) override {}
  void bringForward(Document&) override {}
  void textChanged(RouteDocument&) override {}
  void selectLine(RouteDocument&, int, const std::string&) override {}
  std::optional<std::string> askSaveAsName(const RouteDocument&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void renderMap(MapDocument&) override { ++renders; }
  void showStatus(const std::string&) override {}

  int openings = 0;
  int renders = 0;
};

struct Idle : test::CommandBench {
  Idle() {
    app.documents().attachWindows(documentWindows);
    route = openRoute();
  }
  CountingWindows documentWindows;
  RouteDocument* route = nullptr;
};

TEST_F(Idle, NothingPendingDoesNothing) { EXPECT_FALSE(runIdleWork(commands)); }

TEST_F(Idle, MapReloadAndRedrawPaintTheMapOnceAndClearBothFlags) {
  run(cmd::kMap);
  const int before = documentWindows.renders;
  run(cmd::kGridLines);
  EXPECT_TRUE(runIdleWork(commands));
  EXPECT_EQ(documentWindows.renders, before + 1);
  EXPECT_FALSE(commands.pending().mapReload);
  EXPECT_FALSE(app.mapView().redrawPending);
  EXPECT_FALSE(runIdleWork(commands));
  EXPECT_EQ(documentWindows.renders, before + 1);
}

TEST_F(Idle, RouteReloadWritesTheOutputAgainInItsFormat) {
  run(cmd::kDelimitedOutput);
  app.documents().activate(*route);
  run(cmd::kNoEta);
  const int before = documentWindows.openings;
  EXPECT_TRUE(runIdleWork(commands));
  EXPECT_EQ(documentWindows.openings, before + 1) << "the output opened again";
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
