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

std::string pdfText(const std::string& pdf, int page) {
  return test::runProgram(fmt::format("pdftotext -layout -f {0} -l {0} '{1}' -", page, pdf)).output;
}

std::string singleBlanks(std::string text) {
  text.erase(std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; }), text.end());
  return text;
}

int pdfPages(const std::string& pdf) {
  const std::string info = test::runProgram("pdfinfo '" + pdf + "'").output;
  const std::size_t at = info.find("Pages:");
  return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

QImage pdfPicture(const test::TempDir& dir, const std::string& pdf, int page, int dpi) {
  const std::string prefix = dir.file(fmt::format("page{}", page));
  test::runProgram(fmt::format("pdftoppm -png -r {} -f {} -l {} -singlefile '{}' '{}'", dpi, page, page, pdf, prefix));
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

// The rows of a page picture that are dark across most of the page: the rules.
std::vector<int> ruleRows(const QImage& page) {
  constexpr double kRuleShare = 0.6;
  std::vector<int> rows;
  for (int y = 0; y < page.height(); ++y) {
    int dark = 0;
    for (int x = 0; x < page.width(); ++x) dark += qGray(page.pixel(x, y)) < 128;
    if (dark > kRuleShare * page.width()) rows.push_back(y);
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

  const QImage withHeader = pdfPicture(dir, ruled, 1, 40);
  const QImage without = pdfPicture(dir, bare, 1, 40);
  ASSERT_FALSE(withHeader.isNull());
  const auto inTopHalf = [](const QImage& page) {
    const std::vector<int> rows = ruleRows(page);
    return std::count_if(rows.begin(), rows.end(), [&](int y) { return y < page.height() / 2; });
  };
  EXPECT_GT(inTopHalf(withHeader), 0) << "the header's rule is missing";
  EXPECT_EQ(inTopHalf(without), 0) << "an empty header drew its rule";
  EXPECT_FALSE(ruleRows(without).empty()) << "the footer's rule went with the header";
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
  // pdftotext gives runs of blanks as one; the exact line is the map floor's test.
  EXPECT_NE(singleBlanks(page).find("Z5 - Brelland - KVB - Ver 1.400 JANUARY 2002"), std::string::npos) << page;

  const QImage picture = pdfPicture(dir, pdf, 1, 30);
  ASSERT_FALSE(picture.isNull());
  std::map<QRgb, int> counts;
  for (int y = picture.height() / 4; y < 3 * picture.height() / 4; ++y)
    for (int x = picture.width() / 4; x < 3 * picture.width() / 4; ++x) ++counts[picture.pixel(x, y) & 0xFFFFFF];
  const auto commonest = std::max_element(counts.begin(), counts.end(),
                                          [](const auto& a, const auto& b) { return a.second < b.second; });
  EXPECT_EQ(commonest->first, qRgb(sand.red, sand.green, sand.blue) & 0xFFFFFF)
      << "the sea is not the printer table's background";
}

TEST(PrintCli, CentredMapIsPrintedAroundItsCentre) {
  test::TempDir dir;
  const std::string pdf = dir.file("harbour.pdf");
  const test::ProgramRun run = runZ5(dir, "--print " + pdf + " --map --center 50.1,-5.1 --span 0.5 README.TXT");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(pdfText(pdf, 1).find("Ver 1.400"), std::string::npos);
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
