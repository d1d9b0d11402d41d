// The "Z5 Settings" sheet worked as a user works it: its pages and
// controls, OK, Apply and Cancel, the buttons that run commands, and the
// label texts typed in.

#include "ui/SettingsSheetDialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "DeskDialogBench.h"
#include "commands/CommandIds.h"

namespace z5 {
namespace {

using Page = SettingsSheet::Page;

struct SheetDialog : test::DeskDialogBench {
  // The sheet of the settings command, worked by `work` and closed by it.
  void runSheetCommand(std::function<void(SettingsSheetDialog&)> work) {
    commandWindows.onSheet = [](SettingsSheet& sheet) { runSettingsSheetDialog(nullptr, sheet); };
    test::answerNextModal([work](QWidget& modal) {
      auto* dialog = qobject_cast<SettingsSheetDialog*>(&modal);
      ASSERT_NE(dialog, nullptr);
      work(*dialog);
    });
    run(cmd::kSettingsSheet);
  }
  QAbstractButton* button(SettingsSheetDialog& dialog, Page page, int control) {
    QAbstractButton* found = dialog.button(page, control);
    EXPECT_NE(found, nullptr) << "control " << control << " of page " << page;
    return found;
  }
  void click(SettingsSheetDialog& dialog, Page page, int control) {
    if (QAbstractButton* b = button(dialog, page, control)) b->click();
  }
};

TEST_F(SheetDialog, OkWithoutChangesTogglesNothingAndWritesNothing) {
  openBiscay();
  run(cmd::kExtractRoute);
  const SettingsRecord before = app.settings();
  const int storeWrites = store.writeCount();
  runSheetCommand([](SettingsSheetDialog& dialog) {
    EXPECT_FALSE(dialog.applyButton()->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  EXPECT_EQ(said(), "");
  EXPECT_EQ(store.writeCount(), storeWrites);
  EXPECT_EQ(app.settings().OUTPUT_FORMAT, before.OUTPUT_FORMAT);
  EXPECT_EQ(app.settings().GPS_AT_START, before.GPS_AT_START);
  EXPECT_EQ(app.settings().VESSEL, before.VESSEL);
}

TEST_F(SheetDialog, SixPagesInOrderWithEveryControlOfTheModel) {
  SettingsSheet sheet(commands);
  SettingsSheetDialog dialog(nullptr, sheet);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Z5 Settings"));
  ASSERT_EQ(dialog.tabs()->count(), SettingsSheet::kPageCount);
  const char* titles[] = {"Calculation Settings", "Time/Speed Settings", "Labeling Settings",
                          "Suppress (in output)", "Map Settings", "GPS"};
  for (int p = 0; p < SettingsSheet::kPageCount; ++p) {
    const Page page = static_cast<Page>(p);
    const SheetPage& model = settingsSheetPages()[p];
    EXPECT_EQ(dialog.tabs()->tabText(p), QString::fromLatin1(titles[p]));
    for (const SheetCheck& c : model.checks) EXPECT_EQ(button(dialog, page, c.control)->text(), QString::fromUtf8(c.text));
    for (const SheetRadio& r : model.radios) EXPECT_EQ(button(dialog, page, r.control)->text(), QString::fromUtf8(r.text));
    for (const SheetButton& b : model.buttons) EXPECT_EQ(button(dialog, page, b.control)->text(), QString::fromUtf8(b.text));
    for (const SheetCommandCheck& c : model.commandChecks) button(dialog, page, c.control);
    for (const SheetText& t : model.texts) EXPECT_NE(dialog.text(page, t.control), nullptr) << t.control;
  }
}

struct BoxRow {
  const char* legend;  // the fault the row would catch
  Page page;
  int control;
  int SettingsRecord::*field;
};

const BoxRow kBoxRows[] = {
    {"a calculation box not reaching its setting", SettingsSheet::kCalc, 1149, &SettingsRecord::EXTRA_PRECISION},
    {"the Two Color box not shown inverted", SettingsSheet::kMap, 1155, &SettingsRecord::IN_COLOR},
    {"a suppress box applied to the wrong option", SettingsSheet::kSuppress, 1167, &SettingsRecord::NO_FILE_CHART_OUT},
    {"a GPS box not applied", SettingsSheet::kGps, 1179, &SettingsRecord::GPS_LABEL_TRACK},
};

TEST_F(SheetDialog, ABoxClickedWaitsForApplyThenSwitchesItsSetting) {
  for (const BoxRow& row : kBoxRows) {
    SCOPED_TRACE(row.legend);
    SettingsSheet sheet(commands);
    SettingsSheetDialog dialog(nullptr, sheet);
    const int before = app.settings().*row.field;
    click(dialog, row.page, row.control);
    EXPECT_EQ(app.settings().*row.field, before) << "nothing before Apply";
    ASSERT_TRUE(dialog.applyButton()->isEnabled());
    dialog.applyButton()->click();
    EXPECT_EQ(app.settings().*row.field, 1 - before);
    EXPECT_FALSE(dialog.applyButton()->isEnabled());
  }
}

TEST_F(SheetDialog, CancelLeavesTheBoxesButNotWhatAButtonDid) {
  openBiscay();
  const int precision = app.settings().EXTRA_PRECISION;
  host.answer("Sea Breeze");
  runSheetCommand([this](SettingsSheetDialog& dialog) {
    click(dialog, SettingsSheet::kCalc, 1149);
    click(dialog, SettingsSheet::kLabel, 1056);  // "&Vessel name": the prompt, at once
    auto* vessel = qobject_cast<QLineEdit*>(dialog.text(SettingsSheet::kLabel, 1048));
    ASSERT_NE(vessel, nullptr);
    EXPECT_EQ(vessel->text(), QStringLiteral("Sea Breeze"));
    dialog.reject();
  });
  EXPECT_EQ(app.settings().EXTRA_PRECISION, precision);
  EXPECT_EQ(app.settings().VESSEL, "Sea Breeze");
}

TEST_F(SheetDialog, TheAmverRadioMakesTheDefaultOutputAmver) {
  runSheetCommand([this](SettingsSheetDialog& dialog) {
    click(dialog, SettingsSheet::kCalc, 1030);
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  EXPECT_EQ(app.settings().OUTPUT_FORMAT, 3);
}

TEST_F(SheetDialog, TypedLabelTextsAreCutToTheirLimitAndAnEmptyOneKeepsTheOldValue) {
  app.settings().CALL = "PBXY";
  SettingsSheet sheet(commands);
  SettingsSheetDialog dialog(nullptr, sheet);
  auto* vessel = qobject_cast<QLineEdit*>(dialog.text(SettingsSheet::kLabel, 1048));
  auto* call = qobject_cast<QLineEdit*>(dialog.text(SettingsSheet::kLabel, 1049));
  ASSERT_TRUE(vessel && call);
  vessel->selectAll();
  QTest::keyClicks(vessel, QString(45, QLatin1Char('M')));
  call->selectAll();
  QTest::keyClick(call, Qt::Key_Delete);
  dialog.applyButton()->click();
  EXPECT_EQ(app.settings().VESSEL, std::string(40, 'M'));
  EXPECT_EQ(app.settings().CALL, "PBXY");
}

TEST_F(SheetDialog, LogEnableOffTurnsTheDisplayedTrackOffWithIt) {
  app.settings().GPS_LOG = 1;
  app.settings().GPS_DISPLAY_TRACK = 1;
  SettingsSheet sheet(commands);
  SettingsSheetDialog dialog(nullptr, sheet);
  click(dialog, SettingsSheet::kGps, 1148);
  dialog.applyButton()->click();
  EXPECT_EQ(app.settings().GPS_LOG, 0);
  EXPECT_EQ(app.settings().GPS_DISPLAY_TRACK, 0);
  EXPECT_FALSE(button(dialog, SettingsSheet::kGps, 1149)->isChecked()) << "the box follows the coupling";
}

TEST(Screenshots, SettingsSheet) {
  test::ScreenshotDesk desk;
  desk.openBiscay();
  desk.run(cmd::kExtractRoute);
  SettingsSheet sheet(desk.commands);
  SettingsSheetDialog dialog(nullptr, sheet);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const char* names[] = {"SettingsCalculation", "SettingsTimeSpeed", "SettingsLabeling",
                         "SettingsSuppress", "SettingsMap", "SettingsGps"};
  for (int p = 0; p < SettingsSheet::kPageCount; ++p) {
    dialog.tabs()->setCurrentIndex(p);
    EXPECT_TRUE(test::saveScreenshot(dialog, QString::fromLatin1(names[p])));
  }
}

}  // namespace
}  // namespace z5
