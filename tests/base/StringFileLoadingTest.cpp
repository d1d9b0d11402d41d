// Loading a string file that a user may have edited: counting, escapes,
// over-long lines, and texts whose conversions don't fit their arguments.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "TempDir.h"
#include "base/StringTable.h"

namespace z5 {
namespace {

constexpr int kErrors = 86;

// `count` lines "text N", each ended by `lineEnd`, with some replaced.
std::string stringFile(int count, const std::vector<std::pair<int, std::string>>& changes = {},
                       const std::string& lineEnd = "\n") {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back("text " + std::to_string(i));
  for (const auto& [n, text] : changes) lines[n] = text;
  std::string out;
  for (const std::string& line : lines) out += line + lineEnd;
  return out;
}

class StringFileLoading : public ::testing::Test {
 protected:
  bool loadErrors(const std::string& contents) {
    replaced.clear();
    return table.load(StringFile::Error, dir.write("nav_err.dat", contents), replaced);
  }

  test::TempDir dir;
  StringTable table;
  std::vector<int> replaced;
};

TEST_F(StringFileLoading, AFileOneStringShortFailsAndKeepsTheTable) {
  ASSERT_TRUE(loadErrors(stringFile(kErrors)));
  EXPECT_FALSE(loadErrors(stringFile(kErrors - 1, {{2, "new text"}})));
  EXPECT_EQ(table.text(StringFile::Error, 2), "text 2");
}

TEST_F(StringFileLoading, AMissingFileFails) {
  EXPECT_FALSE(table.load(StringFile::Error, dir.file("nav_err.dat"), replaced));
  EXPECT_EQ(table.text(StringFile::Error, 3), StringTable::entry(StringFile::Error, 3).text);
}

TEST_F(StringFileLoading, SurplusLinesAreIgnored) {
  ASSERT_TRUE(loadErrors(stringFile(90)));
  EXPECT_EQ(table.text(StringFile::Error, 85), "text 85");
}

TEST_F(StringFileLoading, TheLastLineNeedsNoLineEnd) {
  std::string contents = stringFile(kErrors);
  contents.pop_back();
  ASSERT_TRUE(loadErrors(contents));
  EXPECT_EQ(table.text(StringFile::Error, 85), "text 85");
}

TEST_F(StringFileLoading, ABlankLineIsAnEmptyStringAndCounts) {
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{10, ""}})));
  EXPECT_EQ(table.text(StringFile::Error, 10), "");
  EXPECT_EQ(table.text(StringFile::Error, 11), "text 11");
  EXPECT_TRUE(loadErrors(stringFile(kErrors - 1) + "\n"));  // 85 lines and a blank one
  EXPECT_EQ(table.text(StringFile::Error, 85), "");
}

TEST_F(StringFileLoading, WindowsLineEndsAreRemoved) {
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {}, "\r\n")));
  EXPECT_EQ(table.text(StringFile::Error, 0), "text 0");
  EXPECT_EQ(table.text(StringFile::Error, 85), "text 85");
}

struct EscapeCase {
  const char* legend;  // the fault the row would catch
  const char* line;    // as written in the file
  const char* text;    // as loaded
};

void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.legend; }

class StringFileEscapes : public StringFileLoading, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(StringFileEscapes, DecodeToTheirCharacters) {
  const EscapeCase& c = GetParam();
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{0, c.line}})));
  EXPECT_EQ(table.text(StringFile::Error, 0), c.text) << c.legend;
  EXPECT_EQ(table.text(StringFile::Error, 1), "text 1") << c.legend;
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, StringFileEscapes,
    ::testing::Values(EscapeCase{"tab escape not decoded", R"(Speed\tknots)", "Speed\tknots"},
                      EscapeCase{"line-end escape not decoded", R"(one\ntwo)", "one\ntwo"},
                      EscapeCase{"carriage-return escape not decoded", R"(a\rb)", "a\rb"},
                      EscapeCase{"backslash pair read as the start of \\n", R"(C:\\new)", "C:\\new"},
                      EscapeCase{"unknown escape not yielding its character", R"(\q\%)", "q%"},
                      EscapeCase{"trailing lone backslash kept or swallowing the line end", "end\\", "end"}));

TEST_F(StringFileLoading, ALineOfTheFullLengthIsOneString) {
  const std::string full(1999, 'x');
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{0, full}})));
  EXPECT_EQ(table.text(StringFile::Error, 0), full);
  EXPECT_EQ(table.text(StringFile::Error, 1), "text 1");
}

TEST_F(StringFileLoading, ALineOfTheFullLengthWithAWindowsLineEndIsOneString) {
  const std::string full(1999, 'x');
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{0, full}, {1, std::string(1998, 'y')}}, "\r\n")));
  EXPECT_EQ(table.text(StringFile::Error, 0), full);
  EXPECT_EQ(table.text(StringFile::Error, 1), std::string(1998, 'y'));
  EXPECT_EQ(table.text(StringFile::Error, 2), "text 2");
}

TEST_F(StringFileLoading, ALongerLineIsCutAndDoesNotShiftTheNumbering) {
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{0, std::string(1999, 'x') + "rest of the line"}})));
  EXPECT_EQ(table.text(StringFile::Error, 0), std::string(1999, 'x'));
  EXPECT_EQ(table.text(StringFile::Error, 1), "text 1");
  EXPECT_EQ(table.text(StringFile::Error, 85), "text 85");
}

TEST_F(StringFileLoading, AConversionThatDoesNotFitItsArgumentsIsReplacedByTheDefault) {
  // Error string 3 is formatted with (line, file, waypoint number).
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{3, "Line %s of %s, waypoint %d"}, {4, "Line %d of %s: zone %d"}})));
  EXPECT_EQ(replaced, std::vector<int>{3});
  EXPECT_EQ(table.text(StringFile::Error, 3), StringTable::entry(StringFile::Error, 3).text);
  EXPECT_EQ(table.error(4, 17, std::string("route.txt"), 2), "Line 17 of route.txt: zone 2");
  const std::string message = table.error(3, 17, std::string("route.txt"), 2);
  EXPECT_NE(message.find("17"), std::string::npos);
  EXPECT_NE(message.find("route.txt"), std::string::npos);
}

struct MisfitCase {
  const char* legend;  // the fault the row would catch
  int number;          // an error string formatted with (line, file, n)
  const char* text;
};

void PrintTo(const MisfitCase& c, std::ostream* os) { *os << c.legend; }

class StringFileMisfits : public StringFileLoading, public ::testing::WithParamInterface<MisfitCase> {};

TEST_P(StringFileMisfits, AreReplacedAndReported) {
  const MisfitCase& c = GetParam();
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{c.number, c.text}}))) << c.legend;
  EXPECT_EQ(replaced, std::vector<int>{c.number}) << c.legend;
  EXPECT_EQ(table.text(StringFile::Error, c.number), StringTable::entry(StringFile::Error, c.number).text) << c.legend;
}

INSTANTIATE_TEST_SUITE_P(
    Misfits, StringFileMisfits,
    ::testing::Values(MisfitCase{"text where a number is passed", 16, "Line %s of %s: point %d"},
                      MisfitCase{"floating conversion for an integer", 17, "Line %f of %s: point %d"},
                      MisfitCase{"more conversions than arguments", 18, "Line %d of %s: point %d of %d"},
                      MisfitCase{"conversion of an unknown kind", 19, "Line %d of %s: point %q"},
                      MisfitCase{"dangling percent sign", 20, "Line %d of %s: 100%"},
                      MisfitCase{"pointer conversion", 3, "Line %d of %s: %p"},
                      MisfitCase{"written count conversion", 4, "Line %d of %s: %n"},
                      MisfitCase{"width wider than a string line", 16, "Line %5000d of %s: point %d"},
                      MisfitCase{"precision that would fill gigabytes", 17, "Line %d of %s: point %.2000000000d"},
                      MisfitCase{"numbered argument far past the list", 18, "Line %d of %s: %99999999999$d"},
                      MisfitCase{"width taken from a value the program passes", 19, "Line %*s: point %d"}));

TEST_F(StringFileLoading, ConversionsAsWideAsAStringLineAreKept) {
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{16, "Line %1999d of %s: 100%% of point %-5d"}})));
  EXPECT_TRUE(replaced.empty());
  EXPECT_EQ(table.error(16, 7, std::string("a"), 3).size(), std::string("Line  of a: 100% of point 3    ").size() + 1999);
}

TEST_F(StringFileLoading, AStringTakingSeveralArgumentListsMustFitEach) {
  // Error string 28 is called without arguments or with the day limit.
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{28, "at most %d days"}})));
  EXPECT_EQ(replaced, std::vector<int>{28});
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{28, "arrival before departure"}})));
  EXPECT_TRUE(replaced.empty());
  EXPECT_EQ(table.error(28), "arrival before departure");
  EXPECT_EQ(table.error(28, 362), "arrival before departure");
}

TEST_F(StringFileLoading, APlainStringIsUsedAsWrittenEvenWithAPercentSign) {
  // Error string 26 is a plain text: it is never formatted, so nothing can misfit.
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{26, "speed 100% missing %s"}})));
  EXPECT_TRUE(replaced.empty());
  EXPECT_EQ(table.error(26), "speed 100% missing %s");
}

TEST_F(StringFileLoading, ReloadingReplacesEveryString) {
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{5, "first"}})));
  ASSERT_TRUE(loadErrors(stringFile(kErrors, {{6, "second"}})));
  EXPECT_EQ(table.text(StringFile::Error, 5), "text 5");
  EXPECT_EQ(table.text(StringFile::Error, 6), "second");
}

TEST_F(StringFileLoading, PromptFileNeedsAllOfItsStrings) {
  std::vector<int> prompts;
  EXPECT_FALSE(table.load(StringFile::Prompt, dir.write("nav_info.dat", stringFile(303)), prompts));
  EXPECT_TRUE(table.load(StringFile::Prompt, dir.write("nav_info.dat", stringFile(304, {{217, "%s = %s"}})), prompts));
  EXPECT_TRUE(prompts.empty());
  EXPECT_EQ(table.prompt(217, std::string("Grid lines"), std::string("on")), "Grid lines = on");
}

}  // namespace
}  // namespace z5
