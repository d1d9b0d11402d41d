// Start-up without windows: the home directory, the settings, the start
// document, and exit.

#include "app/Z5App.h"

#include <gtest/gtest.h>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "TempDir.h"

namespace z5 {
namespace {

class StartUp : public ::testing::Test {
 protected:
  StartUp() : app(host, store, clock) {
    program.write("chart.dat", std::string("\x78\x56\x34\x12", 4) + std::string(36, '\0'));
    program.write("nav_err.dat", std::string(86, '\n'));
    program.write("nav_info.dat", std::string(304, '\n'));
  }
  test::TempDir program;
  MemorySettingsStore store;
  test::ScriptedHost host;
  test::FixedClock clock;
  Z5App app;
};

TEST_F(StartUp, FirstRunMakesTheProgramDirectoryHomeAndStoresItAtOnce) {
  ASSERT_TRUE(app.startUp(program.path().string()));
  EXPECT_EQ(app.settings().HOME_PATH, program.home());
  EXPECT_EQ(app.settings().DATA_FILE, program.home() + "README.TXT");
  EXPECT_EQ(store.readText(kSettingsSection, "HOME_PATH"), program.home());
  EXPECT_EQ(store.readText(kSettingsSection, "DATA_FILE"), program.home() + "README.TXT");
}

TEST_F(StartUp, StoredHomeWithoutTheChartCatalogueOffersTheProgramDirectory) {
  test::TempDir moved;
  store.writeText(kSettingsSection, "HOME_PATH", moved.home());
  host.answer(program.path().string());
  ASSERT_TRUE(app.startUp(program.path().string()));
  ASSERT_EQ(host.offered.size(), 1u);
  EXPECT_EQ(host.offered[0], program.home());
  EXPECT_EQ(app.settings().HOME_PATH, program.home());
}

TEST_F(StartUp, MissingRouteFileOpensTheReadmeInstead) {
  ASSERT_TRUE(app.startUp(program.path().string()));
  EXPECT_EQ(app.startDocument().path, program.home() + "readme.txt");
  EXPECT_FALSE(app.startDocument().isRoute);
  program.write("README.TXT", "A\n1N\n1E\n");
  EXPECT_EQ(app.startDocument().path, program.home() + "README.TXT");
  EXPECT_TRUE(app.startDocument().isRoute);
}

TEST_F(StartUp, RelativeDataFileIsFoundInTheHomeDirectory) {
  store.writeText(kSettingsSection, "HOME_PATH", program.home());
  store.writeText(kSettingsSection, "DATA_FILE", "passage.txt");
  program.write("passage.txt", "A\n1N\n1E\n");
  ASSERT_TRUE(app.startUp("/nowhere"));
  EXPECT_EQ(app.startDocument().path, program.home() + "passage.txt");
}

TEST_F(StartUp, FailedSettingsLoadPausesAndFails) {
  program.write("nav_info.dat", "only one line\n");
  EXPECT_FALSE(app.startUp(program.path().string()));
  EXPECT_EQ(host.waited, Z5App::kStartFailurePauseMs);
}

TEST_F(StartUp, DefaultSettingsReloadKeepsTheDataFileAndResetsTheRest) {
  store.writeText(kSettingsSection, "HOME_PATH", program.home());
  store.writeInt(kSettingsSection, "ROUNDING", 15);
  ASSERT_TRUE(app.startUp(program.path().string()));
  ASSERT_EQ(app.settings().ROUNDING, 15);
  app.settings().DATA_FILE = "/routes/atlantic.txt";
  app.settings().RGB_COLOR_MAP[0] = {1, 2, 3};
  app.settings().GPS_BAUD = 9600;
  ASSERT_TRUE(app.reloadSettings(SettingsMode::Defaults));
  EXPECT_EQ(app.settings().ROUNDING, 1);
  EXPECT_EQ(app.settings().DATA_FILE, "/routes/atlantic.txt");
  EXPECT_EQ(app.settings().outputFileName, "/routes/atlantic.OUT");
  EXPECT_EQ(app.settings().RGB_COLOR_MAP[0], kDefaultScreenPalette[0]);
  EXPECT_EQ(app.settings().GPS_BAUD, 9600);  // GPS options: only the restart resets them
}

TEST_F(StartUp, RestartSettingsReloadReadsTheStoreAndTheGpsDefaults) {
  store.writeText(kSettingsSection, "HOME_PATH", program.home());
  ASSERT_TRUE(app.startUp(program.path().string()));
  store.writeInt(kSettingsSection, "ROUNDING", 30);
  app.settings().GPS_BAUD = 9600;
  ASSERT_TRUE(app.reloadSettings(SettingsMode::Stored));
  EXPECT_EQ(app.settings().ROUNDING, 30);
  EXPECT_EQ(app.settings().GPS_BAUD, 4800);
}

TEST_F(StartUp, FailedReloadPausesAndKeepsTheStrings) {
  program.write("nav_err.dat", "first\n" + std::string(85, '\n'));
  ASSERT_TRUE(app.startUp(program.path().string()));
  program.write("nav_err.dat", "one line\n");
  EXPECT_FALSE(app.reloadSettings(SettingsMode::Stored));
  EXPECT_EQ(host.waited, Z5App::kStartFailurePauseMs);
  EXPECT_EQ(app.strings().text(StringFile::Error, 0), "first");
}

TEST_F(StartUp, ExitSavesTheSettingsUnlessNoSaveIsSet) {
  ASSERT_TRUE(app.startUp(program.path().string()));
  app.settings().ROUNDING = 15;
  app.pageSetup().values().Header = "&f - %d.%m.%Y";
  app.settings().noSave = 1;
  app.shutDown();
  EXPECT_FALSE(store.readInt(kSettingsSection, "ROUNDING").has_value());
  EXPECT_FALSE(store.readText(PageSetup::kSection, "Header").has_value()) << "the page setup saved with no-save";
  app.settings().noSave = 0;
  app.shutDown();
  EXPECT_EQ(store.readInt(kSettingsSection, "ROUNDING"), 15);
  EXPECT_EQ(store.readText(PageSetup::kSection, "Header"), "&f - %d.%m.%Y");
  EXPECT_FALSE(store.readText(PageSetup::kSection, "Footer").has_value()) << "an unchanged footer written";
}

}  // namespace
}  // namespace z5
