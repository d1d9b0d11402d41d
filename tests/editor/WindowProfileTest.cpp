// What the profile keeps of the windows: the main window's placement, the
// document windows' show state and the recent files.

#include <gtest/gtest.h>

#include "base/SettingsStore.h"
#include "base/StringTable.h"
#include "editor/CaretPanes.h"
#include "editor/RecentFiles.h"
#include "editor/WindowPlacement.h"

namespace z5 {
namespace {

struct PlacementRow {
  const char* legend;  // the fault the row would catch
  const char* text;
  bool read;
};

const PlacementRow kPlacements[] = {
    {"a stored placement not read back", "0,1,-1,-1,-1,-1,10,20,810,620", true},
    {"a maximised placement refused", "2,3,-1,-1,-8,-8,0,0,1366,768", true},
    {"nine numbers taken for a placement", "0,1,-1,-1,-1,-1,10,20,810", false},
    {"eleven numbers taken for a placement", "0,1,-1,-1,-1,-1,10,20,810,620,5", false},
    {"a word among the numbers read as zero", "0,1,-1,-1,-1,-1,ten,20,810,620", false},
    {"an empty field read as zero", "0,1,-1,-1,-1,-1,,20,810,620", false},
    {"a decimal comma's fraction dropped", "0,1,-1,-1,-1,-1,10,20,810,620.5", false},
    {"a negative show command wrapped round", "0,-1,-1,-1,-1,-1,10,20,810,620", false},
    {"a rectangle without width used", "0,1,-1,-1,-1,-1,810,20,810,620", false},
    {"an upside-down rectangle used", "0,1,-1,-1,-1,-1,10,620,810,20", false},
    {"an empty profile value taken for a placement", "", false},
};

TEST(WindowPlacement, OnlyTenNumbersWithARectangleAreRead) {
  for (const PlacementRow& row : kPlacements) {
    EXPECT_EQ(parseWindowPlacement(row.text).has_value(), row.read) << row.legend;
  }
}

TEST(WindowPlacement, ClosingPlacementWritesBackAsItIsRead) {
  const WindowPlacement maximised = closingPlacement(10, 20, 810, 620, true);
  EXPECT_EQ(maximised.flags, kRestoreToMaximised);
  EXPECT_EQ(maximised.showCommand, static_cast<unsigned>(kShowMaximised));
  EXPECT_EQ(formatWindowPlacement(maximised), "2,3,-1,-1,-1,-1,10,20,810,620");
  EXPECT_EQ(parseWindowPlacement(formatWindowPlacement(maximised)), maximised);
  EXPECT_EQ(formatWindowPlacement(closingPlacement(10, 20, 810, 620, false)), "0,1,-1,-1,-1,-1,10,20,810,620");
}

TEST(WindowPlacement, DocumentWindowsOpenMaximisedOrRestored) {
  EXPECT_EQ(documentShowState(std::nullopt), kShowNormal);
  EXPECT_EQ(documentShowState(kShowMaximised), kShowMaximised);
  EXPECT_EQ(documentShowState(kShowMinimised), kShowNormal) << "a minimised document window is unreachable";
}

TEST(RecentFiles, NewestFirstFourAtMostWithoutPlaceholdersOrRepeats) {
  RecentFiles recent;
  for (const char* path : {"/r/A.TXT", "/r/B.TXT", "/home/temp123.BMP", "/r/C.TXT", "/r/A.TXT", "/r/D.TXT",
                           "/r/E.TXT", "", "/r/map.bmp"}) {
    recent.add(path);
  }
  EXPECT_EQ(recent.entries(), (std::vector<std::string>{"/r/E.TXT", "/r/D.TXT", "/r/A.TXT", "/r/C.TXT"}));
  recent.remove("/r/D.TXT");
  EXPECT_EQ(recent.entries(), (std::vector<std::string>{"/r/E.TXT", "/r/A.TXT", "/r/C.TXT"}));
}

TEST(RecentFiles, WrittenOnlyWhenChangedAndReadBackInOrder) {
  MemorySettingsStore store;
  RecentFiles recent;
  recent.load(store);
  recent.save(store);
  EXPECT_EQ(store.writeCount(), 0) << "an unchanged list was written";
  recent.add("/r/A.TXT");
  recent.add("/r/B.TXT");
  recent.save(store);
  RecentFiles again;
  again.load(store);
  EXPECT_EQ(again.entries(), (std::vector<std::string>{"/r/B.TXT", "/r/A.TXT"}));
  const int writes = store.writeCount();
  again.save(store);
  EXPECT_EQ(store.writeCount(), writes) << "a list read and kept was written again";
}

TEST(CaretPanes, LineAndColumnPanesNameTheCaretsPlace) {
  const StringTable strings;
  EXPECT_EQ(linePaneText(strings, 3, 40), "Line: 3 of 40");
  EXPECT_EQ(columnPaneText(strings, 5), "Col: 5");
}

}  // namespace
}  // namespace z5
