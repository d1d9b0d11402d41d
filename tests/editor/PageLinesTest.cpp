// Printing a text: the header and footer templates, the times they show,
// where things go on the page, the pages, and the stored page setup.

#include "editor/PageLines.h"

#include <sys/stat.h>
#include <utime.h>

#include <array>

#include <gtest/gtest.h>

#include "FixedClock.h"
#include "TempDir.h"
#include "base/SettingsStore.h"

namespace z5 {
namespace {

std::tm fifteenthOfMarch() { return brokenDownTime({2002, 3, 15, 10, 30, 0, 5}); }

TEST(PageTemplate, CodesAreReplacedOnceEachThenTheTimeIsFormatted) {
  const std::string longest(kMaxPageLine, 'x');
  struct Row {
    std::string pageTemplate;
    std::string fileName;
    std::string expected;
    const char* catches;
  };
  const Row rows[] = {
      {"File: &f", "C:\\ROUTES\\A.TXT", "File: C:\\ROUTES\\A.TXT", "the default header of page 3 wrong"},
      {"Page: &p", "C:\\ROUTES\\A.TXT", "Page: 3", "the default footer of page 3 wrong"},
      {"&p of &p", "a", "3 of &p", "a second \"&p\" replaced too"},
      {"&f &f", "a", "a &f", "a second \"&f\" replaced too"},
      {"&f - &p", "x&py", "x&py - 3", "\"&p\" inside the file name replaced (codes go \"&p\" first)"},
      {"%d.%m.%Y %H:%M", "a", "15.03.2002 10:30", "the time codes not formatted from the chosen time"},
      {"day %j, %a", "a", "day 074, Fri", "the day of the year or of the week of the clock's time wrong"},
      {"", "a", "", "an empty template printing something"},
      {longest, "a", longest, "a line of exactly 127 characters refused"},
      {longest + "x", "a", "", "a line longer than 127 characters printed cut instead of empty"},
      {"x&f", std::string(kMaxPageLine, 'f'), "", "a file name making the line too long printed cut"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(expandPageTemplate(row.pageTemplate, 3, row.fileName, fifteenthOfMarch()), row.expected) << row.catches;
  }
  EXPECT_EQ(expandPageTemplate("Page: &p", 3, "a", std::nullopt), "") << "an unconvertible time printing a line";
}

TEST(PageTemplate, FileTimeIsTheFileModificationAndSystemTimeTheClock) {
  test::TempDir dir;
  const std::string path = dir.write("A.TXT", "x");
  std::tm modified = brokenDownTime({1999, 12, 31, 23, 59, 0, 5});
  const utimbuf times{std::mktime(&modified), std::mktime(&modified)};
  ASSERT_EQ(utime(path.c_str(), &times), 0);
  test::FixedClock clock;
  PageSetup setup;
  setup.Header = "%d/%m/%Y";
  setup.Footer = "%d/%m/%Y";
  setup.FooterTime = kSystemTime;
  const PrintTimes fixed = fixPrintTimes(setup, path, clock);
  EXPECT_EQ(expandPageTemplate(setup.Header, 1, path, fixed.header), "31/12/1999");
  EXPECT_EQ(expandPageTemplate(setup.Footer, 1, path, fixed.footer), "15/03/2002");
  const PrintTimes unsaved = fixPrintTimes(setup, dir.file("never-saved.txt"), clock);
  EXPECT_EQ(expandPageTemplate(setup.Header, 1, "", unsaved.header), "15/03/2002")
      << "a file without status not falling back to the clock";
}

TEST(PageLayout, RulesAndTextAreaFollowTheLineHeight) {
  struct Row {
    bool header, footer;
    // header rule, text top, text bottom, footer, footer rule, lines a page
    std::array<int, 6> expected;
    const char* catches;
  };
  // Page 100..1100, line height 20: g = 5.
  const Row rows[] = {
      {true, true, {125, 130, 1070, 1080, 1075, 47}, "header or footer rule misplaced"},
      {false, true, {0, 100, 1070, 1080, 1075, 48}, "an empty header leaving a rule or space"},
      {true, false, {125, 130, 1100, 0, 0, 48}, "an empty footer leaving space"},
  };
  for (const Row& row : rows) {
    const PageLayout p = layoutPage(100, 1100, 20, row.header, row.footer);
    EXPECT_EQ(p.header, row.header) << row.catches;
    EXPECT_EQ(p.footer, row.footer) << row.catches;
    EXPECT_EQ((std::array{p.headerRuleY, p.textTop, p.textBottom, p.footerY, p.footerRuleY, p.linesPerPage}),
              row.expected)
        << row.catches;
  }
}

TEST(Pagination, LinesAreDealtToPagesAndTheCaretFindsItsPage) {
  const std::string text = "1\r\n2\r\n3\r\n4\r\n5";  // five lines, three a page
  const std::vector<PageSpan> pages = paginate(text, 3);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1].first, 3);
  EXPECT_EQ(pages[1].count, 2);
  EXPECT_EQ(paginate("", 3).size(), 1u) << "an empty text printing no page";
  EXPECT_EQ(paginate("1\n2\n3\n", 3).size(), 2u) << "the empty line after the last line end lost";
  EXPECT_EQ(pageOfCaret(text, 0, 3), 1);
  EXPECT_EQ(pageOfCaret(text, text.find('3'), 3), 1);
  EXPECT_EQ(pageOfCaret(text, text.find('4'), 3), 2);
  EXPECT_EQ(pageOfCaret(text, text.size(), 3), 2) << "the caret at the end outside every page";
  EXPECT_EQ(pageStart(text, 2, 3), text.find('4'));
}

TEST(Pagination, PrintedLinesLoseTheirLineEndsOfEveryKind) {
  const std::vector<std::string_view> lines = textLines("a\r\nb\rc\n\r\nd\n");
  const std::vector<std::string_view> expected = {"a", "b", "c", "", "d", ""};
  EXPECT_EQ(lines, expected) << "a line end printed, or a blank line or the empty last line lost";
  EXPECT_EQ(textLines("").size(), 1u);
}

TEST(PageSetupProfile, LoadedOnceAndWrittenBackOnlyWhereChanged) {
  MemorySettingsStore store;
  store.writeInt(PageSetup::kSection, "HeaderTime", 7);
  PageSetupProfile profile;
  profile.load(store);
  EXPECT_EQ(profile.values(), PageSetup{}) << "defaults lost, or a time other than 0 or 1 not taken as file time";
  const int writes = store.writeCount();
  ASSERT_TRUE(profile.save(store));
  EXPECT_EQ(store.writeCount(), writes) << "an unchanged page setup written";
  profile.values().Footer = "";
  ASSERT_TRUE(profile.save(store));
  EXPECT_EQ(store.writeCount(), writes + 1) << "values that did not change written with the one that did";
  PageSetupProfile again;
  again.load(store);
  EXPECT_EQ(again.values().Footer, "") << "an empty footer read back as the default";
}

}  // namespace
}  // namespace z5
