// The settings profile as an INI file: what is written reads back the same,
// and values a user typed into the file by hand are read as text.

#include "ui/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <fstream>

#include "TempDir.h"
#include "base/Settings.h"

namespace z5 {
namespace {

TEST(QtSettingsStoreTest, TextsReadBackAsWritten) {
  test::TempDir dir;
  const std::string file = dir.file("z5.ini");
  const char* const texts[] = {
      "Cargo: timber, steel",     // a comma must not turn the value into a list
      "  Lady Jane  ",            // spaces at either end are part of the value
      "C:\\routes\\atlantic.txt",  // backslashes are not escapes
      "\"quoted\" name",          // quotes survive
      "DIR /ON |MORE",
      "timber; steel = 5%",  // a semicolon does not start a comment
  };
  {
    QtSettingsStore store(file);
    int i = 0;
    for (const char* text : texts) ASSERT_TRUE(store.writeText(kSettingsSection, "TEXT" + std::to_string(i++), text));
    ASSERT_TRUE(store.writeInt(kSettingsSection, "ROUNDING", 15));
  }
  const QtSettingsStore store(file);
  int i = 0;
  for (const char* text : texts) EXPECT_EQ(store.readText(kSettingsSection, "TEXT" + std::to_string(i++)), text);
  EXPECT_EQ(store.readInt(kSettingsSection, "ROUNDING"), 15);
  EXPECT_FALSE(store.readInt(kSettingsSection, "GRID").has_value());
}

TEST(QtSettingsStoreTest, HandTypedValuesAreReadAsTheirText) {
  test::TempDir dir;
  const std::string file = dir.file("z5.ini");
  std::ofstream(file) << "[SETTINGS]\n"
                         "REMARK=Cargo: timber, steel\n"
                         "VESSEL=Lady Jane\n"
                         "ROUNDING= 30\n"
                         "GRID=yes\n";
  const QtSettingsStore store(file);
  EXPECT_EQ(store.readText(kSettingsSection, "REMARK"), "Cargo: timber, steel");
  EXPECT_EQ(store.readText(kSettingsSection, "VESSEL"), "Lady Jane");
  EXPECT_EQ(store.readInt(kSettingsSection, "ROUNDING"), 30);
  EXPECT_FALSE(store.readInt(kSettingsSection, "GRID").has_value());
}

}  // namespace
}  // namespace z5
