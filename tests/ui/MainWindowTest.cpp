// The main window as a navigator meets it: the first start on the sample
// route, the default output beside it, the line of a route's error, the
// menus made from the command table, and what the profile keeps across a
// restart (nothing with no-save).

#include <QDropEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTextBlock>
#include <QToolBar>
#include <QUrl>

#include "DesktopTesting.h"
#include "ProgramRun.h"
#include "PtyPair.h"
#include "app/AppCommands.h"
#include "commands/CommandIds.h"
#include "commands/Menus.h"
#include "editor/WindowPlacement.h"
#include "ui/MessageDock.h"
#include "ui/QtHost.h"
#include "ui/PromptDialog.h"
#include "ui/QtText.h"
#include "ui/SplashWindow.h"

namespace z5::test {
namespace {

using MainWindowTest = DesktopTest;

TEST_F(MainWindowTest, FirstStartOpensTheSampleRouteExtractedWithItsWaypointsListed) {
  ASSERT_TRUE(start());
  const RouteDocument* route = app().documents().activeText();
  ASSERT_NE(route, nullptr);
  EXPECT_EQ(route->path(), home.file("README.TXT"));
  EXPECT_TRUE(route->extracted());
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(editor()->document(), route);
  EXPECT_NE(app().messages().text().find("Lizard Point"), std::string::npos) << app().messages().text();
  EXPECT_NE(app().messages().text().find("Ambrose Light"), std::string::npos);
  EXPECT_EQ(window().host().messageDock()->text(), toViewText(app().messages().text()));
  EXPECT_NE(profileText().find("HOME_PATH"), std::string::npos) << "the home is stored before anything else is read";
  EXPECT_EQ(window().linePane()->text(), QStringLiteral("Line: %1 of %2").arg(editor()->caretLine()).arg(editor()->blockCount()));
}

// The data-path question of a stored home without the chart catalogue,
// answered in the prompt dialog.
void answerDataPath(const std::string& answer) {
  answerNextModal([answer](QWidget& dialog) {
    auto* prompt = qobject_cast<PromptDialog*>(&dialog);
    ASSERT_NE(prompt, nullptr);
    prompt->edit()->setText(QString::fromStdString(answer));
    prompt->accept();
  });
}

TEST_F(MainWindowTest, AHomeWithoutTheChartCatalogueIsAskedFor) {
  store->writeText(kSettingsSection, "HOME_PATH", home.file("nowhere") + "/");
  answerDataPath(home.home());
  ASSERT_TRUE(start());
  EXPECT_EQ(app().settings().HOME_PATH, home.home());
  EXPECT_NE(app().documents().activeText(), nullptr);
}

TEST_F(MainWindowTest, AnUnusableDataPathEndsTheProgramOnceItsMessageHasClosed) {
  store->writeText(kSettingsSection, "HOME_PATH", home.file("nowhere") + "/");
  answerDataPath(home.file("elsewhere"));
  // The message stays until its time is up or a key is pressed.
  QTimer::singleShot(Z5App::kStartFailurePauseMs + 500, [this] { QTest::keyClick(&window(), Qt::Key_Escape); });
  EXPECT_FALSE(start());
  EXPECT_FALSE(window().host().popupShowing());
  EXPECT_TRUE(app().documents().empty()) << "a route was opened after the start failed";
}

TEST_F(MainWindowTest, ShowDefaultOutputOpensTheLinkedReportTheHeadlessRunWrites) {
  ASSERT_TRUE(start());
  RouteDocument* route = app().documents().activeText();
  choose(cmd::kShowDefaultOutput);
  const RouteDocument* output = app().documents().activeText();
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(output->kind(), DocumentKind::Output);
  EXPECT_EQ(output->routeLink(), route);
  EXPECT_EQ(route->outputLink(), output);
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(editor()->document(), output);

  // The headless run at the window's clock: 10:30 on 15 March 2002.
  const ProgramRun headless =
      runProgram("TZ=UTC SOURCE_DATE_EPOCH=1016188200 " Z5_PROGRAM " --home " + home.home() + " --settings " +
                 home.file("headless.ini") + " --output --stdout " + route->path() + " 2>/dev/null");
  ASSERT_EQ(headless.status, 0);
  EXPECT_EQ(output->text(), headless.output);
  EXPECT_EQ(editor()->toPlainText().toStdString(), QString::fromStdString(output->text()).remove('\r').toStdString());
}

TEST_F(MainWindowTest, RouteWithAnErrorHasItsOffendingLineSelected) {
  const std::string bad = home.write("BAD.TXT", "Ushant\n48-28N\n5-05W\n!SPEED fast\nFinisterre\n43-00N\n9-30W\n");
  ASSERT_TRUE(start(bad));
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(editor()->document()->path(), bad);
  EXPECT_EQ(editor()->textCursor().selectedText(), QStringLiteral("!SPEED fast"));
  EXPECT_EQ(editor()->caretLine(), 4);
}

// Every item of every menu, with the text the table gives it and the
// state the table computes now.
void expectMenusFollowTheTable(MainWindow& window, const char* situation) {
  const QList<QMenu*> qmenus = window.actionTable().menus();
  const auto table = menus();
  ASSERT_EQ(qmenus.size(), static_cast<qsizetype>(table.size()));
  for (QMenu* menu : qmenus) emit menu->aboutToShow();
  const CommandStates states = commandStates(window.commands());
  for (std::size_t m = 0; m < table.size(); ++m) {
    QMenu* menu = qmenus[static_cast<qsizetype>(m)];
    EXPECT_EQ(menu->title(), QString::fromUtf8(table[m].title.data(), table[m].title.size()));
    QList<QAction*> items;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) items.append(action);
    }
    std::size_t i = 0;
    for (const MenuItem& item : table[m].items) {
      if (item.id == kSeparator) continue;
      ASSERT_LT(static_cast<qsizetype>(i), items.size()) << situation << ": " << table[m].title;
      const QAction* action = items[static_cast<qsizetype>(i++)];
      const CommandState state = states[item.id];
      const std::string where = std::string(situation) + ": " + std::string(item.text);
      EXPECT_EQ(action->data().toInt(), item.id) << where;
      if (!isNumberedEntry(item.id) || !state.enabled) {
        EXPECT_EQ(action->text(), QString::fromUtf8(item.text.data(), item.text.size())) << where;
      }
      EXPECT_EQ(action->isEnabled(), state.enabled) << where;
      EXPECT_EQ(action->isChecked(), state.checked) << where;
      EXPECT_EQ(action->isVisible(), !(state.hidden && isNumberedEntry(item.id))) << where;
    }
  }
}

TEST_F(MainWindowTest, EveryMenuItemHasItsTextAndTheTablesState) {
  ASSERT_TRUE(start());
  expectMenusFollowTheTable(window(), "route extracted");
  EXPECT_TRUE(action(cmd::kExtractRoute)->isEnabled());
  EXPECT_TRUE(action(cmd::kWordWrap)->isEnabled());

  window().discardDocuments();
  settle();
  expectMenusFollowTheTable(window(), "no document");
  EXPECT_FALSE(action(cmd::kShowDefaultOutput)->isEnabled());
  EXPECT_FALSE(action(cmd::kHideGpsDialog)->isEnabled());

  PtyPair receiver;
  ASSERT_TRUE(receiver.ok());
  app().settings().GPS_PORT = receiver.slaveName();
  choose(cmd::kGpsEnable);
  ASSERT_TRUE(app().gps().running());
  expectMenusFollowTheTable(window(), "GPS running");
  EXPECT_TRUE(action(cmd::kGpsEnable)->isChecked());
  EXPECT_TRUE(action(cmd::kHideGpsDialog)->isEnabled());
  app().gps().stop();
}

TEST_F(MainWindowTest, ToolBarHidesTheMapButtonsWithoutAMap) {
  ASSERT_TRUE(start());
  emit window().actionTable().menus().first()->aboutToShow();
  const auto shown = [this](int id) {
    for (QAction* action : window().toolBar()->actions()) {
      if (action->data().toInt() == id) return action->isVisible();
    }
    return false;
  };
  EXPECT_TRUE(shown(cmd::kFileNew));
  EXPECT_TRUE(shown(cmd::kMapDisplayButton));
  EXPECT_FALSE(shown(cmd::kZoomInButton)) << "zoom over a route editor";
  EXPECT_FALSE(shown(cmd::kSpanOneButton));
  EXPECT_FALSE(window().toolBar()->actions().first()->icon().isNull()) << "the buttons' icons are missing";
}

TEST_F(MainWindowTest, PlacementEditorSettingsAndRecentFilesSurviveARestart) {
  ASSERT_TRUE(start());
  window().showNormal();
  const QRect placed(40, 50, 900, 640);
  window().setGeometry(placed);
  choose(cmd::kWordWrap);
  const std::string other = home.write("OTHER.TXT", "Ushant\n48-28N\n5-05W\n");
  ASSERT_TRUE(window().openFile(QString::fromStdString(other)));
  restart();
  EXPECT_EQ(window().geometry(), placed);
  EXPECT_TRUE(app().editorProfile().wordWrap);
  EXPECT_TRUE(action(cmd::kWordWrap)->isChecked());
  ASSERT_GE(window().recentFiles().entries().size(), 2u);
  EXPECT_EQ(window().recentFiles().entries()[0], other);
  emit window().actionTable().menus().first()->aboutToShow();
  EXPECT_EQ(action(cmd::kFirstRecentFile)->text().toStdString(), "&1 " + other);
}

TEST_F(MainWindowTest, MalformedPlacementIsIgnored) {
  store->writeText(kWindowSettingsSection, kWindowPosKey, "0,1,-1,-1,-1,-1,10,20,810");
  ASSERT_TRUE(start());
  EXPECT_NE(window().geometry(), QRect(QPoint(10, 20), QPoint(809, 619)));
  EXPECT_GT(window().width(), 400) << "the default placement fills most of the screen";
}

TEST_F(MainWindowTest, NoSaveOnExitWritesNothingToTheProfile) {
  ASSERT_TRUE(start());
  choose(cmd::kNoSaveOnExit);
  choose(cmd::kWordWrap);
  window().setGeometry(QRect(30, 30, 700, 500));
  store.reset();  // what the start wrote, on disk
  const std::string before = profileText();
  store = std::make_unique<QtSettingsStore>(profileFile());
  exit();
  EXPECT_EQ(profileText(), before);
}

TEST_F(MainWindowTest, FilesDroppedOnTheWindowOpen) {
  ASSERT_TRUE(start());
  const std::string dropped = home.write("DROPPED.TXT", "Ushant\n48-28N\n5-05W\n");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dropped))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window(), &drop);
  ASSERT_NE(app().documents().activeText(), nullptr);
  EXPECT_EQ(app().documents().activeText()->path(), dropped);
}

TEST_F(MainWindowTest, ClosingAnEditedRouteAsksAndKeepsItOnCancel) {
  ASSERT_TRUE(start());
  editor()->moveCursor(QTextCursor::End);
  editor()->insertPlainText(QStringLiteral("// a note\n"));
  clickInNextModal(QStringLiteral("Cancel"));
  choose(cmd::kFileClose);
  EXPECT_EQ(app().documents().documents().size(), 1u) << "the edited route was closed after Cancel";
  clickInNextModal(QStringLiteral("Discard"));
  choose(cmd::kFileClose);
  EXPECT_TRUE(app().documents().empty());
  EXPECT_EQ(window().linePane()->text(), QString()) << "the line pane kept a closed editor's caret";
}

TEST_F(MainWindowTest, ASettingChangedRewritesTheOpenOutputWhenIdle) {
  ASSERT_TRUE(start());
  choose(cmd::kShowDefaultOutput);
  const std::string withEtas = app().documents().activeText()->text();
  area().bringForward(*app().documents().activeText()->routeLink());
  choose(cmd::kNoEta);
  const RouteDocument* output = app().documents().findText(home.file("README.out"));
  ASSERT_NE(output, nullptr);
  EXPECT_NE(output->text(), withEtas) << "the idle pass did not write the output again";
}

TEST_F(MainWindowTest, TheGpsReadersWakeUpReachesTheWindowThroughTheEventQueue) {
  ASSERT_TRUE(start());
  PtyPair receiver;
  ASSERT_TRUE(receiver.ok());
  app().settings().GPS_PORT = receiver.slaveName();
  choose(cmd::kGpsEnable);
  ASSERT_TRUE(app().gps().running());
  receiver.write("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n");
  constexpr int kLatitudeControl = 1101;
  const GpsDialog& dialog = window().commands().gpsDialog();
  QTRY_VERIFY_WITH_TIMEOUT(dialog.text(kLatitudeControl).find("48") != std::string::npos, 3000);
  app().gps().stop();
}

TEST(SplashWindow, ClosesAtAKeyPressOrItsFirstTick) {
  widgetApplication();
  QWidget owner;
  owner.resize(400, 300);
  owner.show();
  QPointer<SplashWindow> pressed = new SplashWindow(&owner);
  pressed->showOverMainWindow();
  QTest::keyClick(&owner, Qt::Key_Space);
  QTRY_VERIFY_WITH_TIMEOUT(pressed.isNull(), SplashWindow::kTimerMs / 2);
  QPointer<SplashWindow> waited = new SplashWindow(&owner);
  waited->showOverMainWindow();
  QTRY_VERIFY_WITH_TIMEOUT(waited.isNull(), SplashWindow::kTimerMs * 4);
}

TEST(Screenshots, MainWindow) {
  DesktopTest::settle();
  struct Shot : DesktopTest {
    void TestBody() override {}
  } shot;
  ASSERT_TRUE(shot.start());
  MainWindow& window = shot.window();
  window.showNormal();
  window.setGeometry(QRect(0, 0, 1366, 768));
  shot.choose(cmd::kShowDefaultOutput);
  shot.choose(cmd::kExtractRoute);  // the waypoints listed again
  shot.area().bringForward(*shot.app().documents().findText(shot.home.file("README.TXT")));
  shot.choose(cmd::kTile);
  DesktopTest::settle();
  EXPECT_TRUE(saveScreenshot(window, QStringLiteral("MainWindow")));
}

}  // namespace
}  // namespace z5::test
