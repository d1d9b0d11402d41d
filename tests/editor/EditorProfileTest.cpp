// The editors' profile values: defaults, what is read back, what is
// written (only what changed), and the text an editor holds for its
// document.

#include "editor/EditorProfile.h"

#include <gtest/gtest.h>

#include "editor/RouteDocument.h"

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

TEST(EditorProfile, MalformedStoredTabStopsFallBackToTheDefault) {
  MemorySettingsStore store;
  store.writeInt("Settings", "TabStops", 0);
  EditorProfile profile;
  profile.load(store);
  EXPECT_EQ(profile.tabStops, EditorProfile::kDefaultTabStops);
}

TEST(EditorProfile, PrinterFontSetThenMirroredIsWrittenWhole) {
  MemorySettingsStore store;
  EditorProfile profile;
  profile.load(store);
  profile.printer = profile.display;
  profile.printer.height = -120;
  ASSERT_TRUE(profile.save(store));
  EditorProfile again;
  again.load(store);
  EXPECT_EQ(again.printer, profile.printer);
  again.mirrorDisplayFont();
  EXPECT_TRUE(again.printerFollowsDisplay());
}

class FakeEditor final : public TextHolder {
 public:
  std::string currentText() const override {
    ++asked;
    return text;
  }
  void documentGone() override { gone = true; }
  std::string text;
  mutable int asked = 0;
  bool gone = false;
};

TEST(RouteDocumentHolder, EditsAreTakenFromTheEditorOnlyWhenTheTextIsRead) {
  FakeEditor editor;
  RouteDocument document("/tmp/r.txt", "A\n");
  document.attachHolder(&editor);
  document.setExtracted(true);
  editor.text = "AB\n";
  document.editedIn(editor);
  editor.text = "ABC\n";
  document.editedIn(editor);
  EXPECT_TRUE(document.modified());
  EXPECT_FALSE(document.extracted());
  EXPECT_EQ(editor.asked, 0);
  EXPECT_EQ(document.text(), "ABC\n");
  EXPECT_EQ(document.text(), "ABC\n");
  EXPECT_EQ(editor.asked, 1);

  editor.text = "ABCD\n";
  document.editedIn(editor);
  document.append("E\n");  // the program's append follows the user's edit
  EXPECT_EQ(document.text(), "ABCD\nE\n");
}

TEST(RouteDocumentHolder, DetachingTakesThePendingEditAndTheDocumentTellsItsEditorWhenItGoes) {
  FakeEditor editor;
  {
    RouteDocument document("/tmp/r.txt", "A\n");
    document.attachHolder(&editor);
    editor.text = "AB\n";
    document.editedIn(editor);
    document.attachHolder(nullptr);
    editor.text = "lost";
    EXPECT_EQ(document.text(), "AB\n");
    document.attachHolder(&editor);
  }
  EXPECT_TRUE(editor.gone);
}

}  // namespace
}  // namespace z5
