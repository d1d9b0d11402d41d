// The route editor driven as a user drives it: typing reaches the document,
// the program's text and error lines reach the editor, and the editor never
// holds more than its limit.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "EditorTesting.h"

namespace z5 {
namespace {

using test::EditorTest;

TEST_F(EditorTest, TypingReachesTheDocumentAndClearsExtracted) {
  EditorView& view = edit("SOLENT\n50 45N\n1 20W\n");
  document().setExtracted(true);
  ASSERT_FALSE(document().modified());

  view.moveCursor(QTextCursor::End);
  QTest::keyClicks(&view, "NAB TOWER");
  EXPECT_FALSE(document().extracted());
  EXPECT_TRUE(document().modified());
  EXPECT_EQ(document().text(), "SOLENT\n50 45N\n1 20W\nNAB TOWER");

  document().setExtracted(true);
  QTest::keyClick(&view, Qt::Key_Backspace);
  EXPECT_FALSE(document().extracted());
  EXPECT_EQ(document().text(), "SOLENT\n50 45N\n1 20W\nNAB TOWE");
}

TEST_F(EditorTest, ShowingTextAndColouringItAreNoEdits) {
  EditorView& view = edit("// a comment\n!SPEED 12\nSOLENT\n50 45N\n1 20W\n");
  QApplication::processEvents();
  EXPECT_FALSE(document().modified());

  document().append("// POS\n");
  document().setExtracted(true);
  view.showDocumentText();
  QApplication::processEvents();
  EXPECT_TRUE(document().extracted());
  EXPECT_EQ(view.toPlainText().toStdString(), document().text());
  EXPECT_TRUE(view.textCursor().atEnd());
}

TEST_F(EditorTest, EditsKeepTheTextsLineEndsAndAreWrittenInUtf8) {
  struct Row {
    const char* legend;
    const char* text;
    const char* expected;  // after typing "X" at the end
  };
  const Row rows[] = {
      {"CR LF lines stay CR LF after an edit", "A\r\nB\r\n", "A\r\nB\r\nX"},
      {"LF lines stay LF", "A\nB\n", "A\nB\nX"},
      {"a Latin-1 line is read as Latin-1, not lost", "CAF\xC9\n", "CAF\xC3\x89\nX"},
      {"UTF-8 stays as it is", "K\xC3\xB8" "ge\n", "K\xC3\xB8" "ge\nX"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    EditorView& view = edit(row.text);
    view.moveCursor(QTextCursor::End);
    QTest::keyClicks(&view, "X");
    EXPECT_EQ(document().text(), row.expected);
  }
}

TEST_F(EditorTest, SelectLineSelectsTheLinesTextAndMarksItUntilTheNextEdit) {
  struct Row {
    const char* legend;
    int line;
    const char* text;
    const char* selected;
  };
  const Row rows[] = {
      {"the error's text on its line", 4, "!SPEED fast", "!SPEED fast"},
      {"the first line, not one further down", 1, "SOLENT", "SOLENT"},
      {"text found later than its line is still found forward", 2, "!SPEED fast", "!SPEED fast"},
      {"no such text: the caret at the line's start", 3, "nowhere", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    EditorView& view = edit("SOLENT\n50 45N\n1 20W\n!SPEED fast\nNAB\n");
    view.selectLine(row.line, QString::fromUtf8(row.text));
    EXPECT_EQ(view.textCursor().selectedText().toStdString(), row.selected);
    if (*row.selected == '\0') {
      EXPECT_EQ(view.caretLine(), row.line);
    }
    EXPECT_EQ(view.markedLine(), row.line);
    EXPECT_EQ(view.extraSelections().size(), 1);
  }
  EditorView& view = *views.back();
  QTest::keyClick(&view, Qt::Key_End);
  EXPECT_EQ(view.markedLine(), 3);
  QTest::keyClicks(&view, "x");
  EXPECT_EQ(view.markedLine(), 0);
  EXPECT_TRUE(view.extraSelections().isEmpty());
}

TEST_F(EditorTest, CaretMovesAreSignalledWithLineAndColumn) {
  EditorView& view = edit("SOLENT\n50 45N\n");
  QSignalSpy moved(&view, &EditorView::caretMoved);
  view.moveCursor(QTextCursor::Start);
  QTest::keyClick(&view, Qt::Key_Down);
  QTest::keyClick(&view, Qt::Key_Right);
  QTest::keyClick(&view, Qt::Key_Right);
  ASSERT_FALSE(moved.isEmpty());
  EXPECT_EQ(moved.last().at(0).toInt(), 2);
  EXPECT_EQ(moved.last().at(1).toInt(), 3);
}

TEST_F(EditorTest, TypingAndPastingPastTheLimitAreRefusedWithAMessage) {
  const std::size_t room = 2;
  EditorView& view = edit(std::string(RouteDocument::kTextLimit - room, 'A'));
  view.moveCursor(QTextCursor::End);
  QTest::keyClicks(&view, "XYZ");
  EXPECT_EQ(document().text().size(), RouteDocument::kTextLimit);
  EXPECT_TRUE(document().text().ends_with("AXY"));
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_NE(host.popups.front().text.find("1048575"), std::string::npos);

  QApplication::clipboard()->setText(QStringLiteral("more"));
  view.paste();
  EXPECT_EQ(document().text().size(), RouteDocument::kTextLimit);
  EXPECT_EQ(host.popups.size(), 2u);

  // Typing over a selection frees what it replaces.
  QTest::keyClick(&view, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClicks(&view, "Q");
  EXPECT_TRUE(document().text().ends_with("AXQ"));
}

TEST_F(EditorTest, GotoLinePutsTheCaretAtTheStartOfTheLineAsked) {
  EditorView& view = edit("ONE\nTWO\nTHREE\nFOUR\n");
  view.moveCursor(QTextCursor::End);
  bool refusedFirst = false;
  test::whenModal([&](QWidget* dialog) {
    auto* field = dialog->findChild<QLineEdit*>();
    field->selectAll();
    QTest::keyClicks(field, "99");
    QTest::keyClick(field, Qt::Key_Return);
    refusedFirst = dialog->isVisible();
    field->selectAll();
    QTest::keyClicks(field, "3");
    QTest::keyClick(field, Qt::Key_Return);
  });
  view.gotoLine();
  EXPECT_TRUE(refusedFirst);
  EXPECT_EQ(view.caretLine(), 3);
  EXPECT_EQ(view.caretColumn(), 1);
}

TEST_F(EditorTest, EditorGoingFirstHandsItsLastEditsToTheDocument) {
  EditorView& view = edit("SOLENT\n");
  view.moveCursor(QTextCursor::End);
  QTest::keyClicks(&view, "NAB");
  views.clear();
  EXPECT_EQ(document().text(), "SOLENT\nNAB");
}

TEST_F(EditorTest, DocumentGoingFirstLeavesTheEditorHarmless) {
  EditorView& view = edit("SOLENT\n");
  documents.clear();
  EXPECT_EQ(view.document(), nullptr);
  QTest::keyClicks(&view, "NAB");
  view.showDocumentText();
  EXPECT_EQ(view.toPlainText(), QStringLiteral("NABSOLENT\n"));
}

}  // namespace
}  // namespace z5
