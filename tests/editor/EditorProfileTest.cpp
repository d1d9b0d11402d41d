// The editors' profile values: defaults, what is read back, and what is
// written (only what changed).

#include "editor/EditorProfile.h"

#include <gtest/gtest.h>

namespace z5 {
namespace {

TEST(EditorProfile, DefaultsAreCourierNewBoldSixteenPixelsAndEightCharacterTabs) {
  MemorySettingsStore store;
  EditorProfile profile;
  profile.load(store);
  EXPECT_EQ(profile.display.faceName, "Courier New");
  EXPECT_EQ(profile.display.height, -16);
  EXPECT_EQ(profile.display.weight, 700);
  EXPECT_EQ(profile.display.pitchAndFamily, 49);
  EXPECT_TRUE(profile.printerFollowsDisplay());
  EXPECT_FALSE(profile.wordWrap);
  EXPECT_EQ(profile.tabStopCharacters(), 8);
  EXPECT_TRUE(profile.save(store));
  EXPECT_EQ(store.writeCount(), 0);
}

TEST(EditorProfile, StoredValuesAreReadAndOnlyChangesWritten) {
  MemorySettingsStore store;
  store.writeInt("Font", "Height", -20);
  store.writeText("Font", "FaceName", "Liberation Mono");
  store.writeInt("Settings", "WordWrap", 1);
  store.writeInt("Settings", "TabStops", 16);
  EditorProfile profile;
  profile.load(store);
  EXPECT_EQ(profile.display.height, -20);
  EXPECT_EQ(profile.display.weight, 0);  // missing beside a stored height
  EXPECT_EQ(profile.display.charSet, 1);
  EXPECT_TRUE(profile.wordWrap);
  EXPECT_EQ(profile.tabStopCharacters(), 4);

  const int before = store.writeCount();
  profile.wordWrap = false;
  ASSERT_TRUE(profile.save(store));
  EXPECT_EQ(store.writeCount(), before + 1);
  EXPECT_EQ(store.readInt("Settings", "WordWrap"), 0);
}

TEST(EditorProfile, TabStopsAreCharactersTimesFourWithinALinesWidth) {
  struct Row {
    const char* legend;
    int characters;
    bool taken;
    int units;
  };
  const Row rows[] = {
      {"4 characters are 16 units", 4, true, 16},
      {"one character is the narrowest", 1, true, 4},
      {"zero would make every tab nothing", 0, false, 32},
      {"wider than a route line", 256, false, 32},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    EditorProfile profile;
    EXPECT_EQ(profile.setTabStopCharacters(row.characters), row.taken);
    EXPECT_EQ(profile.tabStops, row.units);
  }
}

}  // namespace
}  // namespace z5
