// The monitor inside the application: start-up resets it, a settings
// reload while fixes arrive is safe, exit stops the reader.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "GpsTestSupport.h"
#include "app/SettingsStore.h"
#include "app/Z5App.h"

namespace z5 {
namespace {

using namespace std::chrono_literals;

struct GpsApp : ::testing::Test {
  GpsApp() : app(host, store, clock) {
    program.write("chart.dat", std::string("\x78\x56\x34\x12", 4) + std::string(36, '\0'));
    std::string errors, prompts;
    for (int i = 0; i < StringTable::count(StringFile::Error); ++i) errors += "\n";
    for (int i = 0; i < StringTable::count(StringFile::Prompt); ++i) prompts += "\n";
    program.write("nav_err.dat", errors);
    program.write("nav_info.dat", prompts);
    store.writeText(kSettingsSection, "GPS_PORT", pty.slaveName());
    store.writeInt(kSettingsSection, "GPS_LOG", 1);
    store.writeInt(kSettingsSection, "GPS_LOGGING_INTERVAL", 10);
    store.writeInt(kSettingsSection, "GPS_SMG_CMG", 0);
  }
  test::TempDir program;
  test::PtyPair pty;
  MemorySettingsStore store;
  test::ScriptedHost host;
  test::FixedClock clock;
  test::WakeCounter wakes;  // outlives the monitor that calls it
  Z5App app;
};

TEST_F(GpsApp, ASettingsReloadWhileFixesArriveIsSafe) {
  ASSERT_TRUE(pty.ok());
  ASSERT_TRUE(app.startUp(program.path().string()));
  app.gps().setWakeUp(wakes.callback());
  app.gps().toggle();
  ASSERT_TRUE(app.gps().running()) << app.messages().text();
  std::atomic<bool> sending{true};
  std::thread receiver([&] {
    for (int t = 0; sending; ++t) {
      const int s = 12 * 3600 + 35 * 60 + t % 3600;
      pty.write(test::rmc(fmt::format("{:02d}{:02d}{:02d}", s / 3600, s / 60 % 60, s % 60), "4807.038", "N",
                          "01131.000", "E", "010.0", "045.0"));
      std::this_thread::sleep_for(1ms);
    }
  });
  ASSERT_TRUE(wakes.waitFor(20));
  for (int i = 0; i < 20; ++i) {
    EXPECT_TRUE(app.loadSettings(SettingsMode::Stored));
    app.gps().takeUpdate();
    app.gps().refreshDialog();
  }
  sending = false;
  receiver.join();
  app.shutDown();
  const int after = wakes.count();
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(wakes.count(), after) << "the reader ended at exit";
}

}  // namespace
}  // namespace z5
