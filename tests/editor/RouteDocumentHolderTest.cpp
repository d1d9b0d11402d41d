// A document whose text an editor holds while the user types: the edit is
// known at once, the text taken only when someone reads it, and neither
// side is left pointing at the other when one of them goes.

#include "editor/RouteDocument.h"

#include <gtest/gtest.h>

namespace z5 {
namespace {

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
