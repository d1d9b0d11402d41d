// "Z5 Map Color Selection": the two palettes with their slot names, a
// colour chosen through the standard colour dialog, OK and Cancel, and the
// custom colours kept however the dialog ends.

#include "ui/MapColourDialog.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QTest>

#include "DialogTesting.h"
#include "base/StringTable.h"
#include "map/ColourNames.h"

namespace z5 {
namespace {

class MapColourDialogTest : public ::testing::Test {
 protected:
  MapColourDialogTest() { test::widgetApplication(); }

  // Double-clicks slot `row` of `list` and answers the colour dialog with
  // `colour` (accepted) after setting custom colour 0 to `custom`.
  static void chooseInColourDialog(QListWidget& list, int row, QColor colour, QColor custom) {
    test::answerNextModalOf<QColorDialog>([colour, custom](QColorDialog& chooser) {
      QColorDialog::setCustomColor(0, custom);
      chooser.setCurrentColor(colour);
      chooser.accept();
    });
    const QRect slot = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, slot.center());  // a double click's first press
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, slot.center());
  }

  StringTable strings;
  SettingsRecord settings;
};

TEST_F(MapColourDialogTest, ListsBothPalettesWithTheirSlotNames) {
  MapColourDialog dialog(nullptr, settings, strings);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Z5 Map Color Selection"));
  for (QListWidget* list : {dialog.screenList(), dialog.printerList()}) {
    ASSERT_EQ(list->count(), kPaletteSize);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Route"));
    EXPECT_EQ(list->item(kPaletteSize - 1)->text(), QString::fromStdString(colourSlotName(strings, kPaletteSize - 1)));
  }
}

struct EndingRow {
  const char* legend;  // the fault the row would catch
  QDialogButtonBox::StandardButton ending;
  bool changed;
};

const EndingRow kEndings[] = {
    {"a chosen colour lost on OK, or OK not reporting the map reload", QDialogButtonBox::Ok, true},
    {"Cancel keeping a chosen colour", QDialogButtonBox::Cancel, false},
};

TEST_F(MapColourDialogTest, AChosenColourReachesThePaletteOnOkOnlyAndCustomColoursAlwaysStay) {
  const QColor chosen(12, 34, 56), custom(200, 100, 50);
  for (const EndingRow& row : kEndings) {
    SCOPED_TRACE(row.legend);
    SettingsRecord record;
    test::answerNextModalOf<MapColourDialog>([&](MapColourDialog& dialog) {
      chooseInColourDialog(*dialog.printerList(), 3, chosen, custom);
      EXPECT_EQ(dialog.printerPalette()[3], (Rgb{12, 34, 56})) << "the slot takes the colour at once";
      dialog.findChild<QDialogButtonBox*>()->button(row.ending)->click();
    });
    EXPECT_EQ(runColourDialog(nullptr, record, strings), row.changed);
    EXPECT_EQ(record.RGB_PRINT_COLOR_MAP[3] == (Rgb{12, 34, 56}), row.changed);
    EXPECT_EQ(record.RGB_COLOR_MAP, kDefaultScreenPalette) << "the other palette untouched";
    EXPECT_EQ(record.RGB_CUSTOM_COLORS[0], (Rgb{200, 100, 50}));
  }
}

TEST_F(MapColourDialogTest, TheColourDialogOpensOnTheSlotsColour) {
  MapColourDialog dialog(nullptr, settings, strings);
  dialog.show();
  QColor offered;
  test::answerNextModalOf<QColorDialog>([&offered](QColorDialog& chooser) {
    offered = chooser.currentColor();
    chooser.reject();
  });
  dialog.screenList()->setCurrentRow(6);
  QTest::keyClick(dialog.screenList(), Qt::Key_Return);
  const Rgb background = settings.RGB_COLOR_MAP[6];
  EXPECT_EQ(offered, QColor(background.red, background.green, background.blue));
  EXPECT_EQ(dialog.screenPalette(), settings.RGB_COLOR_MAP) << "a cancelled choice changes nothing";
}

TEST(Screenshots, MapColourDialog) {
  test::widgetApplication();
  const StringTable strings;
  const SettingsRecord settings;
  MapColourDialog dialog(nullptr, settings, strings);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_TRUE(test::saveScreenshot(dialog, QStringLiteral("MapColourDialog")));
}

}  // namespace
}  // namespace z5
