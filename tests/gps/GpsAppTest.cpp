// The monitor inside the application: start-up resets it and starts it when
// asked to, a settings reload or a map painted while fixes arrive is safe,
// the map draws the logged track, exit stops the reader before saving.

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include "GpsTestSupport.h"
#include "RecordingSurface.h"
#include "app/AppContexts.h"
#include "app/Z5App.h"
#include "base/SettingsStore.h"
#include "map/PaintMap.h"

namespace z5 {
namespace {

using namespace std::chrono_literals;
using test::SurfaceCall;

// A store that notes whether the monitor's reader was still there when the
// settings were first written back.
class WatchingStore final : public SettingsStore {
 public:
  std::optional<int> readInt(std::string_view section, std::string_view key) const override {
    return store.readInt(section, key);
  }
  std::optional<std::string> readText(std::string_view section, std::string_view key) const override {
    return store.readText(section, key);
  }
  bool writeInt(std::string_view section, std::string_view key, int value) override {
    noteWrite();
    return store.writeInt(section, key, value);
  }
  bool writeText(std::string_view section, std::string_view key, std::string_view value) override {
    noteWrite();
    return store.writeText(section, key, value);
  }
  void noteWrite() {
    if (monitor != nullptr && !readingAtFirstWrite) readingAtFirstWrite = monitor->reading();
  }

  MemorySettingsStore store;
  const GpsMonitor* monitor = nullptr;
  std::optional<bool> readingAtFirstWrite;
};

// "hhmmss" of second `t` after 12:35:00.
std::string timeField(int t) {
  const int s = 12 * 3600 + 35 * 60 + t % 3600;
  return fmt::format("{:02d}{:02d}{:02d}", s / 3600, s / 60 % 60, s % 60);
}

struct GpsApp : ::testing::Test {
  GpsApp() : app(host, store, clock) {
    program.write("chart.dat", std::string("\x78\x56\x34\x12", 4) + std::string(36, '\0'));
    std::string errors, prompts;
    for (int i = 0; i < StringTable::count(StringFile::Error); ++i) errors += "\n";
    for (int i = 0; i < StringTable::count(StringFile::Prompt); ++i) prompts += "\n";
    program.write("nav_err.dat", errors);
    program.write("nav_info.dat", prompts);
    store.store.writeText(kSettingsSection, "GPS_PORT", pty.slaveName());
    store.store.writeInt(kSettingsSection, "GPS_LOG", 1);
    store.store.writeInt(kSettingsSection, "GPS_LOGGING_INTERVAL", 10);
    store.store.writeInt(kSettingsSection, "GPS_SMG_CMG", 0);
    store.monitor = &app.gps();
  }
  void startMonitor() {
    ASSERT_TRUE(pty.ok());
    ASSERT_TRUE(app.startUp(program.path().string()));
    app.gps().setWakeUp(wakes.callback());
    app.gps().toggle();
    ASSERT_TRUE(app.gps().running()) << app.messages().text();
  }
  // A receiver sending a fix every millisecond until `sending` clears.
  std::thread receiver(std::atomic<bool>& sending) {
    return std::thread([this, &sending] {
      for (int t = 0; sending; ++t) {
        pty.write(test::rmc(timeField(t), "4807.038", "N", "01131.000", "E", "010.0", "045.0"));
        std::this_thread::sleep_for(1ms);
      }
    });
  }
  // Only the track layer: no world data, grid or charts.
  void trackOnlyMap() {
    SettingsRecord& s = app.settings();
    s.LAND = s.GRID = s.CHARTS = s.SEA = s.PORTS = s.FILE_PT = 0;
    s.GPS_DISPLAY_TRACK = s.GPS_LABEL_TRACK = 1;
  }

  test::TempDir program;
  test::PtyPair pty;
  WatchingStore store;
  test::ScriptedHost host;
  test::FixedClock clock;
  test::WakeCounter wakes;  // outlives the monitor that calls it
  Z5App app;
};

TEST_F(GpsApp, ASettingsReloadWhileFixesArriveIsSafe) {
  startMonitor();
  std::atomic<bool> sending{true};
  std::thread sender = receiver(sending);
  ASSERT_TRUE(wakes.waitFor(20));
  for (int i = 0; i < 20; ++i) {
    EXPECT_TRUE(app.loadSettings(SettingsMode::Stored));
    app.gps().takeUpdate();
    app.gps().refreshDialog();
  }
  sending = false;
  sender.join();
  app.shutDown();
  EXPECT_FALSE(app.gps().reading()) << "the reader ended at exit";
}

TEST_F(GpsApp, ExitStopsTheMonitorBeforeTheSettingsAreSaved) {
  startMonitor();
  app.shutDown();
  ASSERT_TRUE(store.readingAtFirstWrite.has_value()) << "the settings were saved";
  EXPECT_FALSE(*store.readingAtFirstWrite);
}

TEST_F(GpsApp, StartUpStartsTheMonitorOnlyWhenAsked) {
  ASSERT_TRUE(pty.ok());
  ASSERT_TRUE(app.startUp(program.path().string()));
  app.startGpsAtStart();
  EXPECT_FALSE(app.gps().running()) << "GPS_AT_START 0";

  store.store.writeInt(kSettingsSection, "GPS_AT_START", 1);
  ASSERT_TRUE(app.loadSettings(SettingsMode::Stored));
  app.startGpsAtStart();
  EXPECT_TRUE(app.gps().running()) << app.messages().text();
  app.startGpsAtStart();
  EXPECT_TRUE(app.gps().running()) << "a second call does not stop it";
  app.shutDown();
}

TEST_F(GpsApp, TheMapReadsTheTrackLogUnderTheLogLockAndTheViewUnderTheMapLock) {
  ASSERT_TRUE(app.startUp(program.path().string()));
  MapPaintContext context = mapPaintContext(app);
  EXPECT_EQ(context.viewLock, &app.mapLock());
  ASSERT_TRUE(context.trackLog);
  std::string drawn;
  bool logLockedElsewhere = false;
  context.trackLog([&](const std::string& path) {
    drawn = path;
    auto& lock = app.gps().locks().log;
    logLockedElsewhere = !std::async(std::launch::async, [&lock] {
                            const bool taken = lock.try_lock();
                            if (taken) lock.unlock();
                            return taken;
                          }).get();
  });
  EXPECT_EQ(drawn, app.gps().trackLog().path());
  EXPECT_TRUE(logLockedElsewhere) << "a record could be appended while the map reads the log";
}

TEST_F(GpsApp, TheMapDrawsTheLoggedTrackWithLabels) {
  ASSERT_TRUE(app.startUp(program.path().string()));
  GpsMonitor& gps = app.gps();
  gps.trackLog().reset();
  gps.trackLog().append("GPS UTC 12:35:10.00  03/23/2002", "48-07.038N", "011-31.000E");
  gps.trackLog().append("GPS UTC 12:35:20.00  03/23/2002", "48-07.138N", "011-31.000E");
  trackOnlyMap();
  app.mapView().viewPointMode = true;
  app.mapView().viewLatitude = 48.1;
  app.mapView().viewLongitude = 11.5;
  app.mapView().degreeSpan = 1;
  test::RecordingSurface surface(400, 400);
  MapPaintContext context = mapPaintContext(app);
  ASSERT_EQ(PaintMap(surface, context), kMapPainted) << app.messages().text();
  const auto marks = surface.only(SurfaceCall::Circle);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_GT(marks[0].x, 200) << "east of the centre, 11-31E";
  EXPECT_LT(marks[0].y, 200) << "north of the centre, 48-07N";
  EXPECT_LT(marks[1].y, marks[0].y) << "the second record lies further north";
  ASSERT_EQ(surface.texts("GPS UTC 12:35:10.00  03/23/2002").size(), 1u);

  app.settings().GPS_LABEL_TRACK = 0;
  test::RecordingSurface unlabelled(400, 400);
  PaintMap(unlabelled, context);
  EXPECT_EQ(unlabelled.count(SurfaceCall::Circle), 2);
  EXPECT_TRUE(unlabelled.texts("GPS UTC 12:35:10.00  03/23/2002").empty());
}

TEST_F(GpsApp, MapsPaintedWhileFixesMoveTheViewPointAreSafe) {
  // The map is set up before the reader starts: it reads the track switches
  // under its own locks.
  trackOnlyMap();
  startMonitor();
  std::atomic<bool> sending{true};
  std::thread sender = receiver(sending);
  ASSERT_TRUE(wakes.waitFor(20));
  for (int i = 0; i < 20; ++i) {
    test::RecordingSurface surface(200, 200);
    MapPaintContext context = mapPaintContext(app);
    PaintMap(surface, context);
  }
  sending = false;
  sender.join();
  app.shutDown();
  std::lock_guard<std::recursive_mutex> hold(app.mapLock());
  EXPECT_TRUE(app.mapView().viewPointMode) << "logged fixes centred the map on the ship";
}

}  // namespace
}  // namespace z5
