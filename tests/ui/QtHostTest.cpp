// The Qt host as the commands meet it through Messages: the prompt and the
// confirmation answered as a user would, the pop-ups and their closing
// rules, the message window's text, and what a minimised window skips.

#include "ui/QtHost.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include "DialogTesting.h"
#include "base/Messages.h"
#include "base/StringTable.h"
#include "commands/CommandIds.h"
#include "ui/AboutBox.h"
#include "ui/ConfirmDialog.h"
#include "ui/MessageDock.h"
#include "ui/PopupWindow.h"
#include "ui/PromptDialog.h"
#include "ui/QtText.h"
#include "ui/UserGuide.h"

namespace z5 {
namespace {

using test::answerNextModal;
using test::clickInNextModal;

class QtHostTest : public ::testing::Test {
 protected:
  QtHostTest() : application(test::widgetApplication()), host(window), messages(host, strings) {
    window.setCentralWidget(new QPlainTextEdit(&window));
    window.addDockWidget(Qt::BottomDockWidgetArea, host.messageDock());
    window.resize(800, 600);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  QString shownText() const { return host.messageDock()->text(); }

  QApplication& application;
  QMainWindow window;
  QtHost host;
  StringTable strings;
  Messages messages;
};

TEST_F(QtHostTest, PromptReturnsWhatTheUserTypedOrNothingOnCancel) {
  struct Row {
    const char* legend;
    const char* typed;  // null: Cancel pressed
    bool trim;
    bool confirmed;
    const char* value;
  };
  const Row rows[] = {
      {"the answer is trimmed when asked", "  12  ", true, true, "12"},
      {"and kept as typed when not", " 12 ", false, true, " 12 "},
      {"Cancel empties the value (a kept default would look like an answer)", nullptr, true, false, ""},
      {"OK on the offered default returns it", "", true, true, "7"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    answerNextModal([&row](QWidget& dialog) {
      auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("PromptValue"));
      ASSERT_NE(edit, nullptr);
      EXPECT_EQ(edit->text(), QStringLiteral("7"));
      if (row.typed == nullptr) {
        test::findButton(dialog, QStringLiteral("&Cancel"))->click();
        return;
      }
      if (*row.typed != '\0') QTest::keyClicks(edit, QString::fromLatin1(row.typed));  // replaces the selected default
      QTest::keyClick(edit, Qt::Key_Return);
    });
    std::string value = "7";
    EXPECT_EQ(messages.prompt("Rounding\nminutes (1-60)?", value, row.trim), row.confirmed);
    EXPECT_EQ(value, row.value);
  }
}

TEST_F(QtHostTest, PromptShowsItsTextReadOnlyWithLineEnds) {
  answerNextModal([](QWidget& dialog) {
    auto* question = dialog.findChild<QPlainTextEdit*>(QStringLiteral("QuestionText"));
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->isReadOnly());
    EXPECT_EQ(question->toPlainText(), QStringLiteral("First line\nSecond line"));
    EXPECT_NE(test::findButton(dialog, QStringLiteral("&Help")), nullptr);
    test::findButton(dialog, QStringLiteral("&OK"))->click();
  });
  std::string value;
  EXPECT_TRUE(messages.prompt("First line\nSecond line", value, true));
}

TEST_F(QtHostTest, ConfirmationAnswersChangeDisableOrAbort) {
  struct Row {
    const char* legend;
    const char* button;  // null: Escape pressed
    Host::Confirmation answer;
  };
  const Row rows[] = {
      {"Change goes on to the prompt", "&Change", Host::Confirmation::Change},
      {"Disable clears the value", "&Disable", Host::Confirmation::Disable},
      {"Abort leaves it", "&Abort", Host::Confirmation::Abort},
      {"Escape is Abort, never Change", nullptr, Host::Confirmation::Abort},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    answerNextModal([&row](QWidget& dialog) {
      EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Z5 "));
      if (row.button == nullptr) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
      } else {
        test::findButton(dialog, QString::fromLatin1(row.button))->click();
      }
    });
    EXPECT_EQ(messages.confirm("A departure time is set."), row.answer);
  }
}

TEST_F(QtHostTest, TimedPopupClosesOnAKeyOrAClickAnywhereAndTheInputStillArrives) {
  struct Row {
    const char* legend;  // the fault the row would catch
    bool key;            // else a mouse click
  };
  const Row rows[] = {
      {"a key press eaten by the pop-up, or leaving it open", true},
      {"a click elsewhere leaving the pop-up open", false},
  };
  auto* editor = static_cast<QPlainTextEdit*>(window.centralWidget());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    editor->clear();
    editor->setFocus();
    messages.showMessage("Route file not found.", 8000);
    ASSERT_TRUE(host.popupShowing());
    EXPECT_EQ(host.popup()->text(), QStringLiteral("Route file not found."));
    if (row.key) {
      QTest::keyClick(editor, Qt::Key_A);
      EXPECT_EQ(editor->toPlainText(), QStringLiteral("a"));
    } else {
      QTest::mouseClick(editor->viewport(), Qt::LeftButton);
    }
    EXPECT_FALSE(host.popupShowing());
  }
}

TEST_F(QtHostTest, SecondPopupReplacesTheFirstAndRestartsTheTimerWithItsOwnTime) {
  messages.showMessage("first", 60);
  QPointer<PopupWindow> first = host.popup();
  messages.showMessage("second", 1500);
  QTest::qWait(1);
  EXPECT_TRUE(first == nullptr || !first->isVisible());
  ASSERT_TRUE(host.popupShowing());
  EXPECT_EQ(host.popup()->text(), QStringLiteral("second"));
  QTest::qWait(120);
  EXPECT_TRUE(host.popupShowing()) << "the first one's time has passed; the second one's has not";
  QTRY_VERIFY_WITH_TIMEOUT(!host.popupShowing(), 5000);
}

TEST_F(QtHostTest, NoticeShowsTheTitleLineAndStaysInTheWindow) {
  messages.showNotice("GPS fix lost.");
  ASSERT_TRUE(host.popupShowing());
  EXPECT_EQ(host.popup()->kind(), PopupWindow::Kind::Notice);
  EXPECT_EQ(host.popup()->text(), QStringLiteral("Z5 - Brelland\nGPS fix lost."));
  EXPECT_EQ(shownText(), QStringLiteral("\nGPS fix lost.\n"));
}

TEST_F(QtHostTest, MinimisedWindowSkipsPopupsAndPromptsButKeepsTheText) {
  window.showMinimized();
  ASSERT_TRUE(host.mainWindowMinimised());
  messages.showMessage("Route file not found.", 8000);
  EXPECT_FALSE(host.popupShowing());
  std::string value = "5";
  EXPECT_FALSE(messages.prompt("Rounding?", value, true));  // no dialog: nothing answers it
  EXPECT_EQ(value, "5");
  EXPECT_EQ(shownText(), QStringLiteral("\nRoute file not found."));
}

TEST_F(QtHostTest, MessageWindowShowsTheTextClearsAndHides) {
  QSignalSpy visibility(&host, &QtHost::messageWindowVisibilityChanged);
  messages.appendLine("1 Dover\t51-06.0N");
  messages.appendLine("2 Ushant");
  EXPECT_EQ(shownText(), QStringLiteral("\n1 Dover\t51-06.0N\n2 Ushant"));
  messages.clear();
  EXPECT_EQ(shownText(), QString());
  messages.hide();
  EXPECT_TRUE(host.messageDock()->isHidden());
  messages.appendLine("shown again");
  EXPECT_FALSE(host.messageDock()->isHidden());
  EXPECT_EQ(visibility.count(), 2);
}

TEST_F(QtHostTest, WaitLetsTheWindowsPaint) {
  bool ran = false;
  QTimer::singleShot(0, [&ran] { ran = true; });
  host.wait(30);
  EXPECT_TRUE(ran);
}

// Answers the next prompts in turn with `answers`, each typed and OK'd.
void typeAnswers(std::deque<const char*> answers) {
  if (answers.empty()) return;
  answerNextModal([answers](QWidget& dialog) mutable {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("PromptValue"));
    ASSERT_NE(edit, nullptr);
    edit->setText(QString::fromLatin1(answers.front()));
    answers.pop_front();
    test::findButton(dialog, QStringLiteral("&OK"))->click();
    typeAnswers(std::move(answers));  // once this dialog is closed
  });
}

TEST_F(QtHostTest, IntegerPromptAsksAgainUntilTheNumberIsInRange) {
  struct Row {
    const char* legend;  // the fault the row would catch
    std::vector<const char*> typed;
    int result;
  };
  const Row rows[] = {
      {"an answer out of range taken", {"70", "15"}, 15},
      {"a number with blanks around it refused", {" 30 "}, 30},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    typeAnswers(std::deque<const char*>(row.typed.begin(), row.typed.end()));
    int current = 10;
    messages.integerPrompt(10, current, 1, 60, 19, 20);
    EXPECT_EQ(current, row.result);
  }
}

TEST_F(QtHostTest, HelpOpensTheGuideAtTheRunningCommandsSection) {
  const HelpCommandScope scope(host, cmd::kRounding);
  answerNextModal([](QWidget& dialog) {
    test::findButton(dialog, QStringLiteral("&Help"))->click();
    test::findButton(dialog, QStringLiteral("&Cancel"))->click();
  });
  std::string value = "1";
  messages.prompt("Rounding minute value?", value, true);
  auto* guide = window.findChild<UserGuide*>();
  ASSERT_NE(guide, nullptr);
  EXPECT_TRUE(guide->isVisible());
  EXPECT_TRUE(guide->hasSection(cmd::kRounding));
  EXPECT_GT(guide->browser()->verticalScrollBar()->value(), 0) << "scrolled to the section";
}

TEST(Screenshots, PromptDialog) {
  test::widgetApplication();
  const StringTable strings;
  PromptDialog dialog(nullptr, QString::fromStdString(strings.prompt(19, 1, 12, 4)), QStringLiteral("4"));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_TRUE(test::saveScreenshot(dialog, QStringLiteral("PromptDialog")));
}

TEST(Screenshots, ConfirmDialog) {
  test::widgetApplication();
  const StringTable strings;
  ConfirmDialog dialog(nullptr, toViewText(strings.prompt(288)));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_TRUE(test::saveScreenshot(dialog, QStringLiteral("ConfirmDialog")));
}

TEST(Screenshots, AboutBox) {
  test::widgetApplication();
  bool saved = false;
  answerNextModal([&saved](QWidget& box) {
    saved = test::saveScreenshot(box, QStringLiteral("AboutBox"));
    box.close();
  });
  showAbout(nullptr);
  EXPECT_TRUE(saved);
}

}  // namespace
}  // namespace z5
