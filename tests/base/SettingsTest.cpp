// Loading and saving the settings record: ranges, lengths, dates, colours,
// the home directory and the string files.

#include "base/Settings.h"

#include <gtest/gtest.h>

#include "ScriptedHost.h"
#include "TempDir.h"
#include "base/Messages.h"

namespace z5 {
namespace {

class SettingsLoad : public ::testing::Test {
 protected:
  SettingsLoad() : messages(host, strings) {
    home.write("chart.dat", std::string("\x78\x56\x34\x12", 4) + std::string(36, '\0'));
    writeStringFiles(86, 304);
    store.writeText(kSettingsSection, "HOME_PATH", home.home());
  }

  void writeStringFiles(int errors, int prompts) {
    std::string e, p;
    for (int i = 0; i < errors; ++i) e += "error\n";
    for (int i = 0; i < prompts; ++i) p += "prompt\n";
    home.write("nav_err.dat", e);
    home.write("nav_info.dat", p);
  }

  bool load(SettingsMode mode = SettingsMode::Stored) {
    return loadSettings(mode, record, store, strings, messages);
  }

  test::TempDir home;
  MemorySettingsStore store;
  SettingsRecord record;
  StringTable strings;
  test::ScriptedHost host;
  Messages messages;
};

TEST_F(SettingsLoad, IntegerOutsideItsRangeKeepsTheDefault) {
  store.writeInt(kSettingsSection, "ROUNDING", 0);
  ASSERT_TRUE(load());
  EXPECT_EQ(record.ROUNDING, 1);
  store.writeInt(kSettingsSection, "ROUNDING", 61);
  ASSERT_TRUE(load());
  EXPECT_EQ(record.ROUNDING, 1);
  store.writeInt(kSettingsSection, "ROUNDING", 15);
  ASSERT_TRUE(load());
  EXPECT_EQ(record.ROUNDING, 15);
  EXPECT_EQ(record.roundingText, "15");
}

TEST_F(SettingsLoad, SeparatorCharacterIsTakenAsACharacterCodeButNeverALineEndOrNul) {
  store.writeInt(kSettingsSection, "SEPARATOR_CHAR", 59);
  ASSERT_TRUE(load());
  EXPECT_EQ(record.SEPARATOR_CHAR, ';');
  for (int code : {0, int{'\n'}, int{'\r'}}) {
    store.writeInt(kSettingsSection, "SEPARATOR_CHAR", code);
    ASSERT_TRUE(load());
    EXPECT_EQ(record.SEPARATOR_CHAR, ',') << code << " would cut the delimited report's rows";
  }
}

TEST_F(SettingsLoad, TextOfTheWrongLengthKeepsTheDefault) {
  store.writeText(kSettingsSection, "CALL", "ab");  // shorter than 4
  store.writeText(kSettingsSection, "VESSEL", "  Lady Jane  ");
  ASSERT_TRUE(load());
  EXPECT_EQ(record.CALL, "call");
  EXPECT_EQ(record.VESSEL, "Lady Jane");  // trimmed
}

TEST_F(SettingsLoad, DepartureDayBeyondTheMonthBecomesTheFirst) {
  store.writeText(kSettingsSection, "DEPARTURE", "310219991200");
  ASSERT_TRUE(load());
  EXPECT_EQ(record.departure, (DateTime{1999, 2, 1, 12, 0}));
  EXPECT_EQ(record.departureText, "1200 01 FEB 99");
}

TEST_F(SettingsLoad, DepartureYearOutsideTheCenturyGivesNoDepartureTime) {
  store.writeText(kSettingsSection, "DEPARTURE", "150619891200");
  ASSERT_TRUE(load());
  EXPECT_FALSE(record.departure.valid());
  EXPECT_TRUE(record.departureText.empty());
}

TEST_F(SettingsLoad, StoredTimeLoadsAsTheTimeASaveWritesBack) {
  struct Case {
    const char* stored;
    DateTime loaded;
    const char* catches;
  };
  const Case cases[] = {
      {"000000000000", DateTime{}, "the save of no time reloading as 1 January of no year (month prompt keeps JAN)"},
      {"150619891200", DateTime{}, "a year out of range keeping stray fields of a time that is not there"},
      {"310219991200", {1999, 2, 1, 12, 0}, "a valid year losing the fields the load mends"},
  };
  for (const Case& c : cases) {
    store.writeText(kSettingsSection, "DEPARTURE", c.stored);
    ASSERT_TRUE(load());
    EXPECT_EQ(record.departure, c.loaded) << c.stored << ": " << c.catches;
    MemorySettingsStore saved;
    ASSERT_TRUE(saveSettings(record, saved));
    store.writeText(kSettingsSection, "DEPARTURE", *saved.readText(kSettingsSection, "DEPARTURE"));
    ASSERT_TRUE(load());
    EXPECT_EQ(record.departure, c.loaded) << c.stored << " saved and reloaded: " << c.catches;
  }
}

TEST_F(SettingsLoad, ArrivalHourOutOfRangeBecomesMidnight) {
  store.writeText(kSettingsSection, "ARRIVAL", "010320022530");
  ASSERT_TRUE(load());
  EXPECT_EQ(record.arrival, (DateTime{2002, 3, 1, 0, 30}));
  EXPECT_EQ(record.arrivalRemark, "File arrival time may not be valid.");
}

TEST_F(SettingsLoad, LeapDayIsKeptOnlyInLeapYears) {
  store.writeText(kSettingsSection, "DEPARTURE", "290220001200");
  ASSERT_TRUE(load());
  EXPECT_EQ(record.departure.day, 29);
  store.writeText(kSettingsSection, "DEPARTURE", "290221001200");  // 2100 is out of range anyway
  ASSERT_TRUE(load());
  EXPECT_FALSE(record.departure.valid());
  store.writeText(kSettingsSection, "DEPARTURE", "290220011200");
  ASSERT_TRUE(load());
  EXPECT_EQ(record.departure.day, 1);
}

TEST_F(SettingsLoad, ColourTextOfTheWrongLengthIsIgnoredAsAWhole) {
  SettingsRecord before;
  store.writeText(kSettingsSection, "RGB_COLOR_MAP", std::string(314, '1'));
  ASSERT_TRUE(load());
  EXPECT_EQ(record.RGB_COLOR_MAP, before.RGB_COLOR_MAP);
}

TEST_F(SettingsLoad, ColourComponentAbove255KeepsItsPreviousValue) {
  std::string text = encodeColourText(kDefaultScreenPalette);
  text.replace(0, 3, "300");  // red of slot 0
  text.replace(3, 3, "017");  // green of slot 0
  store.writeText(kSettingsSection, "RGB_COLOR_MAP", text);
  ASSERT_TRUE(load());
  EXPECT_EQ(record.RGB_COLOR_MAP[0], (Rgb{255, 17, 0}));
  EXPECT_EQ(record.RGB_COLOR_MAP[1], kDefaultScreenPalette[1]);
}

TEST_F(SettingsLoad, OutputFileNameIsTheDataFileCutAtItsFirstDot) {
  store.writeText(kSettingsSection, "DATA_FILE", "passage");
  ASSERT_TRUE(load());
  EXPECT_EQ(record.outputFileName, "passage.OUT");
  store.writeText(kSettingsSection, "DATA_FILE", "atlantic.v2.txt");
  ASSERT_TRUE(load());
  EXPECT_EQ(record.outputFileName, "atlantic.OUT");
  // A dot in a directory name is not the file's extension.
  store.writeText(kSettingsSection, "DATA_FILE", "/home/mate/routes.2002/passage.txt");
  ASSERT_TRUE(load());
  EXPECT_EQ(record.outputFileName, "/home/mate/routes.2002/passage.OUT");
}

TEST_F(SettingsLoad, EmptyDataFileFallsBackToTheSampleRoute) {
  store.writeText(kSettingsSection, "DATA_FILE", "   ");
  ASSERT_TRUE(load());
  EXPECT_EQ(record.DATA_FILE, "README.TXT");
}

TEST_F(SettingsLoad, DefaultsModeReadsOnlyTheHomePath) {
  store.writeInt(kSettingsSection, "ROUNDING", 15);
  ASSERT_TRUE(load(SettingsMode::Defaults));
  EXPECT_EQ(record.ROUNDING, 1);
  EXPECT_EQ(record.HOME_PATH, home.home());
}

TEST_F(SettingsLoad, UserPointPlottingIsOffWithoutAReadableFile) {
  store.writeInt(kSettingsSection, "FILE_PT", 1);
  ASSERT_TRUE(load());
  EXPECT_EQ(record.FILE_PT, 0);
  store.writeText(kSettingsSection, "USER_POINT_FILE", home.write("points.txt", "A\n1N\n1E\n"));
  ASSERT_TRUE(load());
  EXPECT_EQ(record.FILE_PT, 1);
}

TEST_F(SettingsLoad, HomeWithoutTheChartCatalogueAsksAndAcceptsADirectoryAnswer) {
  test::TempDir other;
  store.writeText(kSettingsSection, "HOME_PATH", other.home());
  host.answer(home.path().string());  // without the final '/'
  ASSERT_TRUE(load());
  EXPECT_EQ(record.HOME_PATH, home.home());
  ASSERT_EQ(host.prompts.size(), 1u);
  EXPECT_NE(host.prompts[0].find("Enter full data path (home directory) for Z5: "), std::string::npos);
}

TEST_F(SettingsLoad, UnusableHomeAnswerEndsTheProgram) {
  test::TempDir other;
  store.writeText(kSettingsSection, "HOME_PATH", other.home());
  host.answer(other.home());
  EXPECT_FALSE(load());
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text,
            "cannot find config file - bad data path - exiting.\nchart.dat was looked for in " + other.home() + ".")
      << "the stored directory and the same answer are named once";
  EXPECT_EQ(host.popups[0].milliseconds, 8000);
}

TEST_F(SettingsLoad, BadPathMessageNamesEveryDirectoryLookedIn) {
  test::TempDir other;
  store.writeText(kSettingsSection, "HOME_PATH", other.file("gone"));
  host.answer(other.path().string());
  EXPECT_FALSE(load());
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text, "cannot find config file - bad data path - exiting.\nchart.dat was looked for in " +
                                     other.file("gone") + "/ (no such directory) and " + other.home() + ".");
}

TEST_F(SettingsLoad, CancelledHomePromptNeverMakesTheWorkingDirectoryHome) {
  test::TempDir other;
  store.writeText(kSettingsSection, "HOME_PATH", other.home());
  host.answer(std::nullopt);
  EXPECT_FALSE(load());
}

TEST_F(SettingsLoad, MissingOrShortStringFilesEndTheProgramNamingTheFileAndItsLines) {
  const std::string errors = home.file("nav_err.dat");
  const std::string prompts = home.file("nav_info.dat");
  writeStringFiles(85, 304);
  EXPECT_FALSE(load());
  EXPECT_EQ(host.popups.back().text, "Cannot find Z5 error string file - exiting.\n" + errors +
                                         " holds 85 lines; 86 are needed, one string a line.");
  writeStringFiles(86, 303);
  EXPECT_FALSE(load());
  EXPECT_EQ(host.popups.back().text, "Cannot find Z5 prompt string file - exiting.\n" + prompts +
                                         " holds 303 lines; 304 are needed, one string a line.");
  std::filesystem::remove(prompts);
  EXPECT_FALSE(load());
  EXPECT_EQ(host.popups.back().text, "Cannot find Z5 prompt string file - exiting.\n" + prompts + " cannot be opened.");
  std::filesystem::create_directory(prompts);
  EXPECT_FALSE(load());
  EXPECT_EQ(host.popups.back().text, "Cannot find Z5 prompt string file - exiting.\n" + prompts + " is a directory.");
  std::filesystem::remove(prompts);
  writeStringFiles(90, 310);
  EXPECT_TRUE(load());
}

TEST_F(SettingsLoad, StringReplacedByItsDefaultIsNamedByLineAndNumber) {
  std::string e;
  for (int i = 0; i < 86; ++i) e += i == 2 ? "Cannot open %d\n" : "error\n";  // string 2 takes a text
  home.write("nav_err.dat", e);
  ASSERT_TRUE(load());
  EXPECT_NE(messages.text().find(home.file("nav_err.dat") + " line 3 (string 2): the text does not fit"),
            std::string::npos)
      << messages.text();
}

class SettingsSave : public ::testing::Test {
 protected:
  MemorySettingsStore store;
  SettingsRecord record;
};

TEST_F(SettingsSave, NoSaveFlagWritesNothing) {
  record.noSave = 1;
  EXPECT_TRUE(saveSettings(record, store));
  EXPECT_EQ(store.writeCount(), 0);
}

TEST_F(SettingsSave, StopsAtTheFirstRefusedWrite) {
  store.refuseWritesAfter(5);
  EXPECT_FALSE(saveSettings(record, store));
  EXPECT_EQ(store.writeCount(), 5);
  // The order begins HOME_PATH, DATA_FILE, (USER_POINT_FILE only when set), VESSEL, CALL, DEPARTURE.
  EXPECT_TRUE(store.contains(kSettingsSection, "DEPARTURE"));
  EXPECT_FALSE(store.contains(kSettingsSection, "ARRIVAL"));
  EXPECT_FALSE(store.contains(kSettingsSection, "USER_POINT_FILE"));
}

TEST_F(SettingsSave, WhatIsSavedLoadsBackUnchanged) {
  test::TempDir home;
  home.write("chart.dat", std::string("\x78\x56\x34\x12", 4) + std::string(36, '\0'));
  std::string e(86, '\n'), p(304, '\n');
  home.write("nav_err.dat", e);
  home.write("nav_info.dat", p);
  record.HOME_PATH = home.home();
  record.ROUNDING = 30;
  record.VESSEL = "Lady Jane";
  record.REMARK = "Cargo: timber";
  record.departure = {2002, 3, 15, 8, 30};
  record.RGB_COLOR_MAP[3] = {1, 2, 3};
  record.RGB_CUSTOM_COLORS[15] = {9, 99, 255};
  record.GPS_BAUD = 9600;
  ASSERT_TRUE(saveSettings(record, store));
  EXPECT_EQ(store.readText(kSettingsSection, "DEPARTURE"), "150320020830");

  SettingsRecord loaded;
  StringTable strings;
  test::ScriptedHost host;
  Messages messages(host, strings);
  ASSERT_TRUE(loadSettings(SettingsMode::Stored, loaded, store, strings, messages));
  EXPECT_EQ(loaded.ROUNDING, 30);
  EXPECT_EQ(loaded.VESSEL, "Lady Jane");
  EXPECT_EQ(loaded.REMARK, "Cargo: timber");
  EXPECT_EQ(loaded.departure, record.departure);
  EXPECT_EQ(loaded.RGB_COLOR_MAP, record.RGB_COLOR_MAP);
  EXPECT_EQ(loaded.RGB_CUSTOM_COLORS, record.RGB_CUSTOM_COLORS);
  EXPECT_EQ(loaded.GPS_BAUD, 9600);
}

TEST(SettingsDefaults, GpsOptionsAndInitialValuesAreNotResetByAReload) {
  SettingsRecord record;
  record.GPS_BAUD = 9600;       // GPS option: reset only by the GPS defaults
  record.GPS_LOG = 1;           // initial value: never reset by a reload
  record.ROUNDING = 30;         // ordinary key: reset
  record.greatCircle.mode = 1;  // not stored: reset
  applyDefaultSettings(record);
  EXPECT_EQ(record.GPS_BAUD, 9600);
  EXPECT_EQ(record.GPS_LOG, 1);
  EXPECT_EQ(record.ROUNDING, 1);
  EXPECT_EQ(record.greatCircle.mode, 0);
  applyGpsOptionDefaults(record);
  EXPECT_EQ(record.GPS_BAUD, 4800);
}

}  // namespace
}  // namespace z5
