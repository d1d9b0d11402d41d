// Find, Find Next and Replace driven through their dialogs as a user
// would: type what to find, tick the options, press the buttons.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "EditorTesting.h"
#include "ui/FindReplaceDialog.h"

namespace z5 {
namespace {

using test::EditorTest;

constexpr const char* kRoute = "// Solent to Nab\nSOLENT\n50 45N\n!speed 12\nNAB TOWER\n!SPEED 10\nSOLENT BANK\n";

QPushButton* button(QWidget* dialog, const QString& text) {
  for (auto* b : dialog->findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

QCheckBox* box(QWidget* dialog, const QString& text) {
  for (auto* b : dialog->findChildren<QCheckBox*>()) {
    if (b->text() == text) return b;
  }
  ADD_FAILURE() << "no check box " << text.toStdString();
  return nullptr;
}

FindReplaceDialog* dialogOf(EditorView& view) { return view.findChild<FindReplaceDialog*>(); }

void typeInto(QLineEdit* field, const char* text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

TEST_F(EditorTest, FindSelectsTheNextMatchWithTheOptionsTicked) {
  struct Row {
    const char* legend;
    const char* pattern;
    bool matchCase;
    bool wholeWord;
    int line;  // of the match found from the top; 0 none
  };
  const Row rows[] = {
      {"any case: the lower-case directive is found", "SPEED", false, false, 4},
      {"match case skips the lower-case one", "SPEED", true, false, 6},
      {"whole word: BAN is not found inside BANK", "BAN", false, true, 0},
      {"without whole word BAN is found inside BANK", "BAN", false, false, 7},
      {"match case and whole word: NAB, not the comment's Nab", "NAB", true, true, 5},
      {"nothing matches: nothing selected", "ZULU", false, false, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    EditorView& view = edit(kRoute);
    view.moveCursor(QTextCursor::Start);
    view.find();
    FindReplaceDialog* dialog = dialogOf(view);
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog->findChild<QLineEdit*>(), row.pattern);
    box(dialog, QObject::tr("Match &case"))->setChecked(row.matchCase);
    box(dialog, QObject::tr("Match &whole word only"))->setChecked(row.wholeWord);
    QTest::mouseClick(button(dialog, QObject::tr("&Find Next")), Qt::LeftButton);
    if (row.line == 0) {
      EXPECT_FALSE(view.textCursor().hasSelection());
      ASSERT_FALSE(host.popups.empty());
      EXPECT_EQ(host.popups.back().text, "Cannot find \"" + std::string(row.pattern) + "\".");
    } else {
      EXPECT_EQ(view.caretLine(), row.line);
      EXPECT_EQ(view.textCursor().selectedText().compare(QString::fromUtf8(row.pattern), Qt::CaseInsensitive), 0);
    }
    dialog->close();
  }
}

TEST_F(EditorTest, FindNextRepeatsTheSearchAfterTheDialogClosedAndGoesRound) {
  EditorView& view = edit(kRoute);
  view.moveCursor(QTextCursor::Start);
  view.find();
  typeInto(dialogOf(view)->findChild<QLineEdit*>(), "SOLENT");
  QTest::keyClick(dialogOf(view)->findChild<QLineEdit*>(), Qt::Key_Return);
  EXPECT_EQ(view.caretLine(), 1);
  QTest::keyClick(dialogOf(view), Qt::Key_Escape);
  EXPECT_FALSE(dialogOf(view)->isVisible());

  view.findNext();
  EXPECT_EQ(view.caretLine(), 2);
  view.findNext();
  EXPECT_EQ(view.caretLine(), 7);
  view.findNext();
  EXPECT_EQ(view.caretLine(), 1);  // round the end
}

TEST_F(EditorTest, ReplaceChangesTheMatchSelectedAndFindsTheNext) {
  EditorView& view = edit(kRoute);
  view.moveCursor(QTextCursor::Start);
  view.replace();
  FindReplaceDialog* dialog = dialogOf(view);
  const auto fields = dialog->findChildren<QLineEdit*>();
  ASSERT_EQ(fields.size(), 2);
  typeInto(fields[0], "SPEED");
  typeInto(fields[1], "SPEEDS");
  box(dialog, QObject::tr("Match &case"))->setChecked(true);
  QPushButton* replaceOne = button(dialog, QObject::tr("&Replace"));
  QTest::mouseClick(replaceOne, Qt::LeftButton);  // first press only finds
  EXPECT_EQ(view.caretLine(), 6);
  EXPECT_EQ(document().text(), kRoute);
  document().setExtracted(true);
  QTest::mouseClick(replaceOne, Qt::LeftButton);
  EXPECT_NE(document().text().find("!SPEEDS 10"), std::string::npos);
  EXPECT_NE(document().text().find("!speed 12"), std::string::npos);
  EXPECT_FALSE(document().extracted());
}

TEST_F(EditorTest, ReplaceAllChangesEveryMatchInOneUndoStep) {
  EditorView& view = edit(kRoute);
  view.replace();
  FindReplaceDialog* dialog = dialogOf(view);
  const auto fields = dialog->findChildren<QLineEdit*>();
  typeInto(fields[0], "solent");
  typeInto(fields[1], "Solent");
  QTest::mouseClick(button(dialog, QObject::tr("Replace &All")), Qt::LeftButton);
  EXPECT_EQ(document().text(),
            "// Solent to Nab\nSolent\n50 45N\n!speed 12\nNAB TOWER\n!SPEED 10\nSolent BANK\n");
  EXPECT_EQ(host.popups.back().text, "Replaced 3 occurrences.");
  view.undo();
  EXPECT_EQ(document().text(), kRoute);
}

TEST_F(EditorTest, ReplaceAllThatWouldPassTheLimitChangesNothing) {
  // 11 B's made BBB add 22 characters to a text 17 short of the limit.
  EditorView& view = edit(std::string(RouteDocument::kTextLimit - 40, 'A') + "\nB B B B B B B B B B B\n");
  view.replace();
  const auto fields = dialogOf(view)->findChildren<QLineEdit*>();
  typeInto(fields[0], "B");
  typeInto(fields[1], "BBB");
  QTest::mouseClick(button(dialogOf(view), QObject::tr("Replace &All")), Qt::LeftButton);
  EXPECT_FALSE(document().modified());
  EXPECT_NE(host.popups.back().text.find("1048575"), std::string::npos);
}

void saveShot(QWidget& window, const char* name) {
  const QPixmap shot = window.grab();
  ASSERT_FALSE(shot.isNull());
  if (const QByteArray dir = qgetenv("Z5_SCREENSHOTS_DIR"); !dir.isEmpty()) {
    ASSERT_TRUE(shot.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) + ".png"));
  }
}

TEST(Screenshots, FindAndReplace) {
  test::widgetApplication();
  test::ScriptedHost host;
  MemorySettingsStore store;
  test::FixedClock clock;
  Z5App app(host, store, clock);
  RouteDocument document("/tmp/route.txt", kRoute);
  EditorView view(app, document);
  view.show();
  saveShot(*FindReplaceDialog::open(view, FindReplaceDialog::Mode::Find), "FindDialog");
  saveShot(*FindReplaceDialog::open(view, FindReplaceDialog::Mode::Replace), "ReplaceDialog");
}

}  // namespace
}  // namespace z5
