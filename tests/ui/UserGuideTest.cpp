// The user guide: a section for every command of the menus and the map
// tool bar, and the window opened at it.

#include "ui/UserGuide.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QWidget>

#include "DialogTesting.h"
#include "commands/CommandIds.h"
#include "commands/Menus.h"

namespace z5 {
namespace {

TEST(UserGuide, EveryItemOfTheMenusAndTheMapToolBarHasASection) {
  test::widgetApplication();
  QWidget owner;
  UserGuide guide(&owner);
  for (const Menu& menu : menus()) {
    for (const MenuItem& item : menu.items) {
      if (!item.text.empty()) EXPECT_TRUE(guide.hasSection(item.id)) << menu.title << " " << item.text;  // not a separator
    }
  }
  for (const MenuItem& button : mapToolBar()) EXPECT_TRUE(guide.hasSection(button.id)) << button.text;
}

TEST(UserGuide, OpensOnceAtTheCommandsSectionOrAtTheContents) {
  test::widgetApplication();
  QWidget owner;
  UserGuide* guide = showUserGuide(&owner, cmd::kColourSettings);
  ASSERT_NE(guide, nullptr);
  EXPECT_TRUE(guide->isVisible());
  EXPECT_GT(guide->browser()->verticalScrollBar()->value(), 0);
  EXPECT_EQ(showUserGuide(&owner, 0), guide) << "one guide window per main window";
  EXPECT_EQ(guide->browser()->verticalScrollBar()->value(), 0);
  showUserGuide(&owner, 12345);  // no such command: the contents
  EXPECT_EQ(guide->browser()->verticalScrollBar()->value(), 0);
}

TEST(Screenshots, UserGuide) {
  test::widgetApplication();
  QWidget owner;
  UserGuide* guide = showUserGuide(&owner, cmd::kGpsEnable);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(guide));
  EXPECT_TRUE(test::saveScreenshot(*guide, QStringLiteral("UserGuide")));
}

}  // namespace
}  // namespace z5
