// Fonts, tab stops and word wrap chosen in their dialogs, applied to an
// editor, and found again after the program restarts on the same profile.

#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QTest>

#include "EditorTesting.h"
#include "ui/EditorFonts.h"
#include "ui/TabStopsDialog.h"

namespace z5 {
namespace {

using test::EditorTest;

QFont monospaced(int pixels) {
  QFont font(QStringLiteral("Liberation Mono"));
  font.setPixelSize(pixels);
  font.setItalic(true);
  return font;
}

void chooseInFontDialog(const QFont& font) {
  test::whenModal([font](QWidget* dialog) {
    auto* chooser = qobject_cast<QFontDialog*>(dialog);
    ASSERT_NE(chooser, nullptr);
    chooser->setCurrentFont(font);
    chooser->accept();
  });
}

TEST_F(EditorTest, CourierNewIsDrawnWithAMonospacedFontTheSystemHas) {
  const QFont font = editorDisplayFont(app.editorProfile());
  EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
  EXPECT_EQ(font.pixelSize(), 16);
  EXPECT_EQ(font.weight(), QFont::Bold);
}

TEST_F(EditorTest, TabStopsDialogSetsCharactersTimesFourAndTheEditorFollows) {
  EditorView& view = edit("A\tB\n");
  test::whenModal([](QWidget* dialog) {
    auto* field = dialog->findChild<QLineEdit*>();
    EXPECT_EQ(field->text(), QStringLiteral("8"));  // the default 32 units
    field->selectAll();
    QTest::keyClicks(field, "4");
    QTest::keyClick(field, Qt::Key_Return);
  });
  ASSERT_TRUE(runTabStopsDialog(&view, app.editorProfile()));
  EXPECT_EQ(app.editorProfile().tabStops, 16);
  view.applyProfile(app.editorProfile());
  EXPECT_DOUBLE_EQ(view.tabStopDistance(), 4 * view.fontMetrics().horizontalAdvance(QLatin1Char(' ')));
}

TEST_F(EditorTest, PrinterFontAndMirrorDisplayFont) {
  EditorProfile& profile = app.editorProfile();
  EXPECT_TRUE(mirrorDisplayFontChecked(profile));
  EXPECT_FALSE(mirrorDisplayFontEnabled(profile));

  chooseInFontDialog(monospaced(20));
  ASSERT_TRUE(choosePrinterFont(nullptr, profile));
  EXPECT_FALSE(mirrorDisplayFontChecked(profile));
  EXPECT_TRUE(mirrorDisplayFontEnabled(profile));
  // Kept in printer pixels: 20 screen pixels are many more on paper.
  EXPECT_LT(profile.printer.height, -20);
  EXPECT_TRUE(profile.printer.italic);

  mirrorDisplayFont(profile);
  EXPECT_TRUE(mirrorDisplayFontChecked(profile));
  EXPECT_EQ(profile.printer.height, 0);
}

TEST_F(EditorTest, FontsTabStopsAndWordWrapSurviveARestart) {
  ASSERT_TRUE(app.startUp(Z5_DATA_DIR));
  EditorView& view = edit("SOLENT\n");
  chooseInFontDialog(monospaced(22));
  ASSERT_TRUE(chooseDisplayFont(&view, app.editorProfile()));
  chooseInFontDialog(monospaced(18));
  ASSERT_TRUE(choosePrinterFont(&view, app.editorProfile()));
  ASSERT_TRUE(app.editorProfile().setTabStopCharacters(3));
  app.editorProfile().wordWrap = true;
  app.shutDown();

  test::ScriptedHost nextHost;
  Z5App next(nextHost, store, clock);
  ASSERT_TRUE(next.startUp(Z5_DATA_DIR));
  const EditorProfile& again = next.editorProfile();
  EXPECT_EQ(again.display, app.editorProfile().display);
  EXPECT_EQ(again.printer, app.editorProfile().printer);
  EXPECT_EQ(again.tabStops, 12);
  EXPECT_TRUE(again.wordWrap);

  RouteDocument document("/tmp/again.txt", "SOLENT\n");
  EditorView reopened(next, document);
  EXPECT_EQ(reopened.lineWrapMode(), QPlainTextEdit::WidgetWidth);
  // The chooser offers sizes in points: 22 pixels come back within a pixel.
  EXPECT_NEAR(-again.display.height, 22, 1);
  EXPECT_EQ(reopened.font().pixelSize(), -again.display.height);
  EXPECT_TRUE(reopened.font().italic());
  EXPECT_DOUBLE_EQ(reopened.tabStopDistance(), 3 * reopened.fontMetrics().horizontalAdvance(QLatin1Char(' ')));
}

TEST_F(EditorTest, NoSaveWritesNoEditorSettings) {
  ASSERT_TRUE(app.startUp(Z5_DATA_DIR));
  const int writesBefore = store.writeCount();
  app.settings().noSave = 1;
  app.editorProfile().wordWrap = true;
  app.editorProfile().setTabStopCharacters(2);
  chooseInFontDialog(monospaced(30));
  ASSERT_TRUE(chooseDisplayFont(nullptr, app.editorProfile()));
  app.shutDown();
  EXPECT_EQ(store.writeCount(), writesBefore);
}

}  // namespace
}  // namespace z5
