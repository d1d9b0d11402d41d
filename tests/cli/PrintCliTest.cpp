// `z5 --print FILE.pdf`: a route's text, its report and its map printed
// into PDF files, read back with poppler's pdftotext and pdftoppm.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <string>

#include <fmt/format.h>

#include <QImage>

#include "ProgramRun.h"
#include "TempDir.h"
#include "base/Palettes.h"

namespace z5 {
namespace {

test::ProgramRun runZ5(const test::TempDir& dir, const std::string& arguments) {
  return test::runProgram("env -u DISPLAY -u WAYLAND_DISPLAY " + std::string(Z5_PROGRAM) + " --home " Z5_DATA_DIR
                          " --settings " + dir.file("z5.ini") + " " + arguments + " 2>&1");
}

// The text of page `page` (0: every page, each ended by a form feed).
std::string pdfText(const std::string& pdf, int page = 0) {
  const std::string pages = page > 0 ? fmt::format("-f {0} -l {0} ", page) : "";
  return test::runProgram("pdftotext -layout " + pages + "'" + pdf + "' -").output;
}

int pdfPages(const std::string& pdf) {
  const std::string text = pdfText(pdf);
  return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

// pdftotext gives runs of blanks as one.
std::string singleBlanks(std::string text) {
  text.erase(std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; }), text.end());
  return text;
}

QImage firstPagePicture(const test::TempDir& dir, const std::string& pdf, int dpi) {
  const std::string prefix = dir.file("page");
  test::runProgram(fmt::format("pdftoppm -png -r {} -f 1 -l 1 -singlefile '{}' '{}'", dpi, pdf, prefix));
  return QImage(QString::fromStdString(prefix + ".png"));
}

// Where on page 1 the word `word` first stands: its top, points from the
// top of the page (-1 when it is not there).
double wordTop(const std::string& pdf, const std::string& word) {
  const std::string boxes = test::runProgram("pdftotext -bbox -f 1 -l 1 '" + pdf + "' -").output;
  const std::size_t at = boxes.find(">" + word + "</word>");
  const std::size_t top = boxes.rfind("yMin=\"", at);
  if (at == std::string::npos || top == std::string::npos) return -1;
  double value = -1;
  std::from_chars(boxes.data() + top + 6, boxes.data() + boxes.size(), value);
  return value;
}

// How many rows of the upper or the lower half of a page picture are dark
// across most of the page: the rules.
int rules(const QImage& page, bool upperHalf) {
  constexpr double kRuleShare = 0.6;
  int rows = 0;
  const int half = page.height() / 2;
  for (int y = upperHalf ? 0 : half; y < (upperHalf ? half : page.height()); ++y) {
    int dark = 0;
    for (int x = 0; x < page.width(); ++x) dark += qGray(page.pixel(x, y)) < 128;
    rows += dark > kRuleShare * page.width();
  }
  return rows;
}

// A route text of `lines` numbered lines: several pages.
std::string longText(int lines) {
  std::string text;
  for (int i = 1; i <= lines; ++i) text += fmt::format("Line {:03d}\r\n", i);
  return text;
}

TEST(PrintCli, PagesOfALongRouteCarryTheFilePathAboveAndTheirNumberBelow) {
  test::TempDir dir;
  const std::string route = dir.write("long.txt", longText(250));
  const std::string pdf = dir.file("long.pdf");
  const test::ProgramRun run = runZ5(dir, "--print " + pdf + " " + route);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find(pdf + "\n"), std::string::npos) << run.output;
  ASSERT_GE(pdfPages(pdf), 4);
  const std::string third = pdfText(pdf, 3);
  EXPECT_NE(third.find("File: " + route), std::string::npos) << third;
  EXPECT_NE(third.find("Page: 3"), std::string::npos) << third;
  EXPECT_EQ(third.find("Line 001"), std::string::npos) << "page 3 printed the first page's lines";
  EXPECT_NE(pdfText(pdf, 1).find("Line 001"), std::string::npos);
  const std::string last = pdfText(pdf, pdfPages(pdf));
  EXPECT_NE(last.find("Line 250"), std::string::npos) << "the last lines lost";
  EXPECT_EQ(test::readFile(dir.file("z5.ini")), "") << "a headless run wrote the settings";
}

TEST(PrintCli, EmptyHeaderLeavesNoRuleAndNoSpaceAtTheTop) {
  test::TempDir dir;
  const std::string route = dir.write("short.txt", longText(5));
  const std::string ruled = dir.file("ruled.pdf");
  ASSERT_EQ(runZ5(dir, "--print " + ruled + " " + route).status, 0);
  dir.write("z5.ini", "[PageSetup]\nHeader=\n");
  const std::string bare = dir.file("bare.pdf");
  ASSERT_EQ(runZ5(dir, "--print " + bare + " " + route).status, 0);

  const QImage withHeader = firstPagePicture(dir, ruled, 40);
  const QImage without = firstPagePicture(dir, bare, 40);
  ASSERT_FALSE(withHeader.isNull());
  EXPECT_GT(rules(withHeader, true), 0) << "the header's rule is missing";
  EXPECT_EQ(rules(without, true), 0) << "an empty header drew its rule";
  EXPECT_GT(rules(without, false), 0) << "the footer's rule went with the header";
  const std::string text = pdfText(bare, 1);
  EXPECT_EQ(text.find("File:"), std::string::npos);
  EXPECT_EQ(text.find_first_not_of(" \n"), text.find("Line 001")) << "something printed above the text";
  EXPECT_LT(wordTop(bare, "Line"), wordTop(ruled, "Line")) << "the header's space kept";
}

TEST(PrintCli, ReportIsPrintedInsteadOfWrittenToItsFile) {
  test::TempDir dir;
  const std::string route = dir.write("sample.txt", test::readFile(Z5_DATA_DIR "/README.TXT"));
  const std::string pdf = dir.file("report.pdf");
  const test::ProgramRun run = runZ5(dir, "--print " + pdf + " --output " + route);
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string page = pdfText(pdf, 1);
  EXPECT_NE(page.find("Total distance"), std::string::npos) << page;
  EXPECT_NE(page.find("File: " + dir.file("sample.out")), std::string::npos) << "the header names the report's file";
  EXPECT_FALSE(std::filesystem::exists(dir.file("sample.out"))) << "printing wrote the output file";
}

// The printer colour table with a background of its own, so that the page's
// paper cannot pass for it.
std::string printPaletteWithBackground(Rgb background) {
  Palette palette = kDefaultPrintPalette;
  palette[6] = background;
  std::string digits;
  for (const Rgb& c : palette) digits += fmt::format("{:03d}{:03d}{:03d}", c.red, c.green, c.blue);
  return digits;
}

TEST(PrintCli, MapPageIsHeadedByTheVersionLineAndDrawnInThePrinterColours) {
  test::TempDir dir;
  const std::string pdf = dir.file("map.pdf");
  const Rgb sand{250, 235, 190};
  const test::ProgramRun run = runZ5(dir, "--print " + pdf + " --map --set RGB_PRINT_COLOR_MAP=" +
                                              printPaletteWithBackground(sand) + " README.TXT");
  ASSERT_EQ(run.status, 0) << run.output;
  ASSERT_EQ(pdfPages(pdf), 1);
  const std::string page = pdfText(pdf, 1);
  EXPECT_NE(page.find("Map of: "), std::string::npos) << page;
  EXPECT_NE(singleBlanks(page).find("Z5 - Brelland - KVB - Ver 1.400 JANUARY 2002"), std::string::npos) << page;

  const QImage picture = firstPagePicture(dir, pdf, 30);
  ASSERT_FALSE(picture.isNull());
  std::map<QRgb, int> counts;
  for (int y = picture.height() / 4; y < 3 * picture.height() / 4; ++y)
    for (int x = picture.width() / 4; x < 3 * picture.width() / 4; ++x) ++counts[picture.pixel(x, y) & 0xFFFFFF];
  const auto commonest = std::max_element(counts.begin(), counts.end(),
                                          [](const auto& a, const auto& b) { return a.second < b.second; });
  EXPECT_EQ(commonest->first, qRgb(sand.red, sand.green, sand.blue) & 0xFFFFFF)
      << "the sea is not the printer table's background";
}

// Each row is a print that must fail, leave no PDF and keep the route.
TEST(PrintCli, FailuresWriteNoPdfAndLeaveTheRouteAlone) {
  struct Row {
    std::string arguments;  // %R the route, %P the PDF
    const char* legend;
  };
  const std::vector<Row> rows = {
      {"--print %P %R.missing", "a route that cannot be read printed as an empty page"},
      {"--print %R %R", "the PDF written over the route it prints"},
      {"--print %P --output=amver %R", "an AMVER report without departure time printed"},
      {"--print %P --map %E", "an empty voyage printed as a blank map"},
      {"--print %D/no/such/dir/out.pdf %R", "a PDF in a missing directory reported as written"},
  };
  for (const Row& row : rows) {
    test::TempDir dir;
    const std::string text = "Wp 1\n50-00N\n005-00W\nWp 2\n50-10N\n005-30W\n";
    const std::string route = dir.write("r.txt", text);
    const std::string empty = dir.write("empty.txt", "// no waypoint\n");
    std::string arguments = row.arguments;
    const std::map<std::string, std::string> fills = {
        {"%R", route}, {"%P", dir.file("out.pdf")}, {"%E", empty}, {"%D", dir.path().string()}};
    for (const auto& [code, value] : fills)
      for (std::size_t at; (at = arguments.find(code)) != std::string::npos;) arguments.replace(at, 2, value);
    const test::ProgramRun run = runZ5(dir, arguments);
    EXPECT_EQ(run.status, 1) << row.legend << "\n" << run.output;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.pdf"))) << row.legend;
    EXPECT_EQ(test::readFile(route), text) << row.legend;
    EXPECT_NE(run.output, "") << row.legend << ": no message";
  }
}

}  // namespace
}  // namespace z5
