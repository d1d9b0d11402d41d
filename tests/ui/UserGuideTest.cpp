// The user guide: a section for every command of the menus and the map
// tool bar, and the window opened at it.

#include "ui/UserGuide.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextBrowser>
#include <QWidget>

#include "DialogTesting.h"
#include "commands/CommandIds.h"
#include "commands/Menus.h"

namespace z5 {
namespace {

// The menus of the commands; the window's own (File, Edit, Window) are
// the frame's.
constexpr std::string_view kGuidedMenus[] = {"&Calc", "&Time/Speed", "L&abeling", "S&uppress", "&GPS",
                                             "&Map",  "&Settings",   "!&Lines",   "&View"};

TEST(UserGuide, EveryCommandOfTheMenusAndTheMapToolBarHasASection) {
  test::testApplication();
  QWidget owner;
  UserGuide guide(&owner);
  int guided = 0;
  for (const Menu& menu : menus()) {
    if (std::find(std::begin(kGuidedMenus), std::end(kGuidedMenus), menu.title) == std::end(kGuidedMenus)) continue;
    ++guided;
    for (const MenuItem& item : menu.items) EXPECT_TRUE(guide.hasSection(item.id)) << item.text;
  }
  EXPECT_EQ(guided, static_cast<int>(std::size(kGuidedMenus)));
  for (const MenuItem& button : mapToolBar()) EXPECT_TRUE(guide.hasSection(button.id)) << button.text;
}

TEST(UserGuide, OpensOnceAtTheCommandsSectionOrAtTheContents) {
  test::testApplication();
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

}  // namespace
}  // namespace z5
