// The map fonts in the profile: defaults, the "System" fallbacks of a
// stored font, and the write-back of what changed only.

#include "map/MapFont.h"

#include <gtest/gtest.h>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "app/Z5App.h"

namespace z5 {
namespace {

TEST(MapFont, WithoutAStoredHeightBothFontsTakeTheirDefaults) {
  MemorySettingsStore store;
  store.writeInt(kChartFontSection, "ChartWeight", 400);  // ignored without a height
  MapFonts fonts;
  fonts.load(store);
  EXPECT_EQ(fonts.display.height, -14);
  EXPECT_EQ(fonts.display.weight, 700);
  EXPECT_EQ(fonts.display.italic, 0);
  EXPECT_EQ(fonts.display.underline, 0);
  EXPECT_EQ(fonts.display.pitchAndFamily, 49);
  EXPECT_EQ(fonts.display.charSet, 1);
  EXPECT_EQ(fonts.display.faceName, "Times New Roman");
  EXPECT_EQ(fonts.printer.height, 0);
  EXPECT_TRUE(fonts.printerFollowsDisplay());
  EXPECT_EQ(fonts.printer.faceName, "Times New Roman");
}

TEST(MapFont, StoredHeightTakesMissingValuesAsZeroCharacterSetOneAndSystem) {
  MemorySettingsStore store;
  store.writeInt(kChartPrintFontSection, "ChartHeight", -50);
  store.writeInt(kChartPrintFontSection, "ChartItalic", 1);
  MapFonts fonts;
  fonts.load(store);
  EXPECT_EQ(fonts.printer.height, -50);
  EXPECT_EQ(fonts.printer.italic, 1);
  EXPECT_EQ(fonts.printer.weight, 0);
  EXPECT_EQ(fonts.printer.pitchAndFamily, 0);
  EXPECT_EQ(fonts.printer.charSet, 1);
  EXPECT_EQ(fonts.printer.faceName, "System");
  EXPECT_FALSE(fonts.printerFollowsDisplay());
  EXPECT_EQ(fonts.display, defaultDisplayFont());
}

TEST(MapFont, OverlongFaceNameIsCutTo31Characters) {
  MemorySettingsStore store;
  store.writeInt(kChartFontSection, "ChartHeight", 20);
  store.writeText(kChartFontSection, "ChartFaceName", std::string(40, 'F'));
  MapFonts fonts;
  fonts.load(store);
  EXPECT_EQ(fonts.display.faceName, std::string(31, 'F'));
}

TEST(MapFont, UnchangedFontsWriteNothing) {
  MemorySettingsStore store;
  store.writeInt(kChartFontSection, "ChartHeight", -16);
  MapFonts fonts;
  fonts.load(store);
  const int before = store.writeCount();
  EXPECT_TRUE(fonts.save(store));
  EXPECT_EQ(store.writeCount(), before);
}

TEST(MapFont, OnlyTheChangedValuesOfAStoredFontAreWritten) {
  MemorySettingsStore store;
  store.writeInt(kChartFontSection, "ChartHeight", -16);
  store.writeText(kChartFontSection, "ChartFaceName", "Arial");
  MapFonts fonts;
  fonts.load(store);
  fonts.display.weight = 700;
  const int before = store.writeCount();
  EXPECT_TRUE(fonts.save(store));
  EXPECT_EQ(store.writeCount(), before + 1);
  EXPECT_EQ(store.readInt(kChartFontSection, "ChartWeight"), 700);
  EXPECT_FALSE(store.contains(kChartFontSection, "ChartItalic"));
}

TEST(MapFont, AChangeToADefaultFontIsWrittenWholeSoItLoadsBack) {
  // Writing only the weight would leave no height, and the next load would
  // give the defaults again: the change would be lost.
  MemorySettingsStore store;
  MapFonts fonts;
  fonts.load(store);
  fonts.display.weight = 400;
  EXPECT_TRUE(fonts.save(store));
  MapFonts again;
  again.load(store);
  EXPECT_EQ(again.display.weight, 400);
  EXPECT_EQ(again.display.height, -14);
  EXPECT_EQ(again.display.faceName, "Times New Roman");
  EXPECT_FALSE(store.contains(kChartPrintFontSection, "ChartHeight"));
}

TEST(MapFont, MirroringMakesThePrinterFontFollowTheDisplayFontAgain) {
  MemorySettingsStore store;
  store.writeInt(kChartPrintFontSection, "ChartHeight", -60);
  MapFonts fonts;
  fonts.load(store);
  fonts.display.faceName = "Arial";
  fonts.mirrorDisplayFont();
  EXPECT_TRUE(fonts.printerFollowsDisplay());
  EXPECT_EQ(fonts.printer.faceName, "Arial");
  EXPECT_TRUE(fonts.save(store));
  MapFonts again;
  again.load(store);
  EXPECT_TRUE(again.printerFollowsDisplay());
}

TEST(MapFont, RefusedWriteIsReported) {
  MemorySettingsStore store;
  MapFonts fonts;
  fonts.load(store);
  fonts.display.italic = 1;
  store.refuseWritesAfter(0);
  EXPECT_FALSE(fonts.save(store));
}

class MapFontAtExit : public ::testing::Test {
 protected:
  MapFontAtExit() : app(host, store, clock) {
    program.write("chart.dat", std::string("\x78\x56\x34\x12", 4) + std::string(36, '\0'));
    program.write("nav_err.dat", std::string(86, '\n'));
    program.write("nav_info.dat", std::string(304, '\n'));
    store.writeInt(kChartFontSection, "ChartHeight", -18);
  }
  test::TempDir program;
  MemorySettingsStore store;
  test::ScriptedHost host;
  test::FixedClock clock;
  Z5App app;
};

TEST_F(MapFontAtExit, StartUpLoadsTheFontsAndExitWritesTheChange) {
  ASSERT_TRUE(app.startUp(program.path().string()));
  EXPECT_EQ(app.mapFonts().display.height, -18);
  app.mapFonts().display.height = -22;
  app.shutDown();
  EXPECT_EQ(store.readInt(kChartFontSection, "ChartHeight"), -22);
}

TEST_F(MapFontAtExit, NoSaveFlagKeepsTheFontsUnwritten) {
  ASSERT_TRUE(app.startUp(program.path().string()));
  app.mapFonts().display.height = -22;
  app.settings().noSave = 1;
  app.shutDown();
  EXPECT_EQ(store.readInt(kChartFontSection, "ChartHeight"), -18);
}

}  // namespace
}  // namespace z5
