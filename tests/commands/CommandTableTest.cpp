// The command table and the menus as data: every command of every menu is
// there exactly once with its exact text, every item and button leads to a
// row, and every row is reachable.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <vector>

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/Menus.h"

namespace z5 {
namespace {

struct Expected {
  std::string_view menu;
  int id;
  std::string_view text;
};

// The menus as the user's guide lists them.
constexpr Expected kExpected[] = {
    {"&File", 57600, "&New\tCtrl+N"},
    {"&File", 57601, "&Open...\tCtrl+O"},
    {"&File", 57602, "&Close"},
    {"&File", 57603, "&Save\tCtrl+S"},
    {"&File", 57604, "Save &As..."},
    {"&File", 57605, "Page Se&tup..."},
    {"&File", 57607, "&Print...\tCtrl+P"},
    {"&File", 57609, "Print Pre&view"},
    {"&File", 57616, "Recent File"},
    {"&File", 57617, "Recent File"},
    {"&File", 57618, "Recent File"},
    {"&File", 57619, "Recent File"},
    {"&File", 57665, "E&xit"},
    {"&Edit", 57643, "&Undo\tCtrl+Z"},
    {"&Edit", 57644, "&Redo\tCtrl+Y"},
    {"&Edit", 57635, "Cu&t\tCtrl+X"},
    {"&Edit", 57634, "&Copy\tCtrl+C"},
    {"&Edit", 57637, "&Paste\tCtrl+V"},
    {"&Edit", 57636, "&Find...\tCtrl+F"},
    {"&Edit", 57640, "Find &Next\tF3"},
    {"&Edit", 57641, "R&eplace...\tCtrl+H"},
    {"&Edit", 32770, "&Goto (line)\tCtrl+G"},
    {"&Edit", 32771, "&Word Wrap"},
    {"&Edit", 32772, "Set Ta&b Stops..."},
    {"&Edit", 32773, "Set &Font..."},
    {"&Edit", 32774, "Set &Printer Font..."},
    {"&Edit", 32775, "&Mirror Display Font"},
    {"&Calc", 32786, "&Extract Route "},
    {"&Calc", 32784, "&Show Default Output"},
    {"&Calc", 32817, "&Normal Output"},
    {"&Calc", 32822, "&Comma etc. delimited Output"},
    {"&Calc", 32818, "&AMVER Output"},
    {"&Calc", 32819, "&MOVEREP Output"},
    {"&Calc", 32823, "&Data file Output"},
    {"&Calc", 32954, "NMEA $CC&WPL Output."},
    {"&Calc", 32825, "&Lat?   (find intercept lat.)"},
    {"&Calc", 32826, "L&on?  (find intercept lon.)"},
    {"&Calc", 32849, "Lat&X - Great Circle points"},
    {"&Calc", 32848, "&Geodetic length lat/lon"},
    {"&Calc", 32951, "GC &Points get GC data"},
    {"&Calc", 32858, "&Backwards routing"},
    {"&Calc", 32831, "&To Waypoint (give lat/lon)"},
    {"&Calc", 32953, "Delimiting c&Haracter"},
    {"&Calc", 32955, "Extra &Precision lat/lon (3 place)"},
    // This program's own rows: the GPX route output beside the six formats,
    // the route check, the GPX import in the window's File menu.
    {"&Calc", 32956, "&GPX Output"},
    {"&Calc", 32957, "Check &Route against land"},
    {"&File", 32958, "Import GPX..."},
    {"&Time/Speed", 32829, "&Speed (file speeds retained)"},
    {"&Time/Speed", 32827, "&Departure Time (GMT)"},
    {"&Time/Speed", 32828, "&Arrival Time (GMT)"},
    {"&Time/Speed", 32824, "&Interval (dates to hours)"},
    {"&Time/Speed", 32830, "DR  &Position (enter time)"},
    {"&Time/Speed", 32833, "&Rounding minute value"},
    {"&Time/Speed", 32860, "&No ETA's in Normal output"},
    {"&Time/Speed", 32882, "No &Monthes with AMVER"},
    {"L&abeling", 32834, "&Vessel name "},
    {"L&abeling", 32835, "&Call sign"},
    {"L&abeling", 32836, "&Remark (AMVER X/ line)"},
    {"L&abeling", 32832, "&Number label start"},
    {"S&uppress", 32860, "&No ETA's (normal, CSF)"},
    {"S&uppress", 32865, "No &File Charts"},
    {"S&uppress", 32866, "No &Calculated Charts"},
    {"S&uppress", 32888, "No &GC waypoints out"},
    {"S&uppress", 32867, "No !&LAT !LON lines out"},
    {"S&uppress", 32868, "No &Intercepts (calc. charts)"},
    {"S&uppress", 32882, "No &Monthes with AMVER"},
    {"S&uppress", 32859, "Chart &Scale limits"},
    {"&GPS", 32897, "&GPS Enable"},
    {"&GPS", 32947, "&CMG/SMG from GPS unit"},
    {"&GPS", 32900, "&Number Samples"},
    {"&GPS", 32901, "&Sample Interval (Sec.)"},
    {"&GPS", 32899, "&View log"},
    {"&GPS", 32952, "Goto &Waypoint"},
    {"&GPS", 32902, "&Log Track"},
    {"&GPS", 32907, "L&Abel Log Track"},
    {"&GPS", 32903, "&Interval Track Log (Sec.)"},
    {"&GPS", 32904, "&Display Track"},
    {"&GPS", 32898, "&Reset log file"},
    {"&GPS", 32905, "&Hide Dialog"},
    {"&GPS", 32908, "&At Start up"},
    {"&GPS", 32942, "Serial &Port name"},
    {"&GPS", 32943, "Serial port &Baud rate"},
    {"&Map", 32787, "&Map"},
    {"&Map", 32821, "&Waypoint Point"},
    {"&Map", 32820, "&View Point"},
    {"&Map", 32838, "&Degree Span for Point"},
    {"&Map", 32896, "&File name for user locations"},
    {"&Map", 32895, "&User location plot enable"},
    {"&Map", 32850, "&Grid lines"},
    {"&Map", 32851, "&Land Edges"},
    {"&Map", 32852, "C&Hart outlines"},
    {"&Map", 32853, "&Ports"},
    {"&Map", 32854, "&Sea Features"},
    {"&Map", 32855, "&Rivers"},
    {"&Map", 32856, "&Boundaries"},
    {"&Map", 32857, "&Two Color"},
    {"&Map", 32862, "&Names on waypoints"},
    {"&Map", 32885, "&Invert Background"},
    {"&Map", 32863, "&Color Settings"},
    {"&Settings", 32869, "&Settings (Options)"},
    {"&Settings", 32873, "&Default settings"},
    {"&Settings", 32871, "&Restart settings"},
    {"&Settings", 32872, "No Save on exit"},
    {"&View", 59392, "&Toolbar"},
    {"&View", 59393, "&Status Bar"},
    {"&View", 32949, "&Hide Message Window"},
    {"&View", 32893, "Zoom &In (Pg Dn)"},
    {"&View", 32894, "Zoom &Out (Pg Up)"},
    {"&Window", 57650, "&Cascade"},
    {"&Window", 57651, "&Tile"},
    {"&Window", 32776, "&Next\tCtrl+F6"},
    {"&Window", 65280, "Window"},
    {"&Window", 65281, "Window"},
    {"&Window", 65282, "Window"},
    {"&Window", 65283, "Window"},
    {"&Window", 65284, "Window"},
    {"&Window", 65285, "Window"},
    {"&Window", 65286, "Window"},
    {"&Window", 65287, "Window"},
    {"&Window", 65288, "Window"},
    {"&Help", 57667, "&Help Topics\tF1"},
    {"&Help", 32887, "&Readme"},
    {"&Help", 57664, "&About Z5..."},
};

const Menu* findMenu(std::string_view title) {
  for (const Menu& menu : menus()) {
    if (menu.title == title) return &menu;
  }
  return nullptr;
}

TEST(CommandTable, EveryMenuHoldsEachOfItsCommandsOnceWithItsExactText) {
  for (const Expected& e : kExpected) {
    const Menu* menu = findMenu(e.menu);
    ASSERT_NE(menu, nullptr) << e.menu;
    const auto same = [&](const MenuItem& item) { return item.id == e.id && item.text == e.text; };
    EXPECT_EQ(std::count_if(menu->items.begin(), menu->items.end(), same), 1) << e.menu << " " << e.id << " " << e.text;
    const auto sameId = [&](const MenuItem& item) { return item.id == e.id; };
    EXPECT_EQ(std::count_if(menu->items.begin(), menu->items.end(), sameId), 1) << e.menu << " " << e.id;
  }
  for (const Menu& menu : menus()) {
    if (menu.title == "!&Lines") continue;
    const auto inMenu = [&](const Expected& e) { return e.menu == menu.title; };
    const auto command = [](const MenuItem& item) { return item.id != kSeparator; };
    EXPECT_EQ(std::count_if(std::begin(kExpected), std::end(kExpected), inMenu),
              std::count_if(menu.items.begin(), menu.items.end(), command))
        << menu.title << " holds an item the guide does not list";
  }
}

TEST(CommandTable, EveryItemLeadsToARowAndEveryRowIsReachable) {
  std::set<int> reachable;
  for (const Menu& menu : menus()) {
    for (const MenuItem& item : menu.items) reachable.insert(item.id);
  }
  for (const MenuItem& button : mapToolBar()) reachable.insert(button.id);
  for (const MenuItem& button : mainToolBar()) reachable.insert(button.id);
  reachable.erase(kSeparator);
  for (int id : reachable) EXPECT_NE(findCommand(id), nullptr) << id;
  for (const Command& command : commandTable()) EXPECT_EQ(reachable.count(command.id), 1u) << command.id;
  EXPECT_EQ(findCommand(12345), nullptr);
}

TEST(CommandTable, MainToolBarHoldsItsButtonsInTheirOrder) {
  constexpr int kLine = kSeparator;
  const std::vector<int> expected = {
      57600, 57601, 57603, kLine, 57635, 57634, 57637, kLine, 57607, kLine, 32913, 32914, 32916, kLine,
      32926, 32927, 32934, 32936, 32937, 32938, 32939, kLine, 57667, 57669};
  std::vector<int> ids;
  for (const MenuItem& button : mainToolBar()) ids.push_back(button.id);
  EXPECT_EQ(ids, expected);
}

TEST(CommandTable, NumberedEntriesCarryTheirNumberAsMnemonic) {
  EXPECT_EQ(numberedEntryText(0, "/routes/BISCAY.TXT"), "&1 /routes/BISCAY.TXT");
  EXPECT_EQ(numberedEntryText(8, "Map of: A"), "&9 Map of: A");
}

}  // namespace
}  // namespace z5
