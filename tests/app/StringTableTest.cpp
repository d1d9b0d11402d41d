// Loading the string files: counts, escapes, long lines, and the
// replacement of strings that don't fit the program's arguments.

#include "app/StringTable.h"

#include <gtest/gtest.h>

#include "TempDir.h"

namespace z5 {
namespace {

std::string lines(int count, std::string_view text = "x") {
  std::string out;
  for (int i = 0; i < count; ++i) out += std::string(text) + "\n";
  return out;
}

// The first error string number whose argument list is exactly `list`.
int errorNumberTaking(std::string_view list) {
  for (int i = 0; i < kErrorStringCount; ++i) {
    if (kErrorStrings[i].arguments == list) return i;
  }
  return -1;
}

TEST(StringFileLoad, NeedsTheFullCountAndIgnoresSurplusLines) {
  test::TempDir dir;
  StringTable table;
  std::vector<int> replaced;
  EXPECT_FALSE(table.load(StringFile::Error, dir.write("e85", lines(85)), replaced));
  EXPECT_FALSE(table.load(StringFile::Error, dir.file("missing"), replaced));
  EXPECT_TRUE(table.load(StringFile::Error, dir.write("e90", lines(86, "") + lines(4, "surplus")), replaced));
  EXPECT_EQ(table.text(StringFile::Error, 85), "");  // a blank line is a string
}

TEST(StringFileLoad, LastLineWithoutLineEndCounts) {
  test::TempDir dir;
  StringTable table;
  std::vector<int> replaced;
  std::string text = lines(85) + "last";
  ASSERT_TRUE(table.load(StringFile::Error, dir.write("e", text), replaced));
  EXPECT_EQ(table.text(StringFile::Error, 85), "last");
}

TEST(StringFileLoad, WindowsLineEndsAreRemoved) {
  test::TempDir dir;
  StringTable table;
  std::vector<int> replaced;
  ASSERT_TRUE(table.load(StringFile::Prompt, dir.write("p", lines(304, "Knots\r")), replaced));
  EXPECT_EQ(table.text(StringFile::Prompt, 0), "Knots");
}

TEST(StringFileLoad, LinesLongerThan1999CharactersAreReadInPieces) {
  test::TempDir dir;
  StringTable table;
  std::vector<int> replaced;
  const std::string text = std::string(2000, 'a') + "\n" + lines(85);
  ASSERT_TRUE(table.load(StringFile::Error, dir.write("e", text), replaced));
  EXPECT_EQ(table.text(StringFile::Error, 0).size(), 1999u);
  EXPECT_EQ(table.text(StringFile::Error, 1), "a");
}

TEST(StringFileEscapes, DecodeAsTheFileFormatSays) {
  EXPECT_EQ(decodeStringLine("Speed\\tknots"), "Speed\tknots");
  EXPECT_EQ(decodeStringLine("a\\\\nb"), "a\\nb");  // backslash pair, then n: no line end
  EXPECT_EQ(decodeStringLine("one\\ntwo\\r"), "one\ntwo\r");
  EXPECT_EQ(decodeStringLine("\\q\\%"), "q%");     // any other character stands for itself
  EXPECT_EQ(decodeStringLine("end\\"), "end");      // a lone final backslash yields nothing
}

TEST(StringFileLoad, StringThatDoesNotFitItsArgumentsIsReplacedByTheDefault) {
  const int number = errorNumberTaking("d");
  ASSERT_GE(number, 0) << "the catalogue has no error string taking one integer";
  test::TempDir dir;
  std::string text;
  for (int i = 0; i < kErrorStringCount; ++i) text += (i == number ? "bad %s here" : "ok") + std::string("\n");
  StringTable table;
  std::vector<int> replaced;
  ASSERT_TRUE(table.load(StringFile::Error, dir.write("e", text), replaced));
  EXPECT_EQ(replaced, std::vector<int>{number});
  EXPECT_EQ(table.text(StringFile::Error, number), kErrorStrings[number].text);
  EXPECT_EQ(table.error(number, 7), fmt::sprintf(std::string(kErrorStrings[number].text), 7));
}

TEST(StringFileLoad, PlainTextsAreNeverFormatted) {
  test::TempDir dir;
  StringTable table;
  std::vector<int> replaced;
  std::string text;
  for (int i = 0; i < kPromptStringCount; ++i)
    text += (kPromptStrings[i].arguments.empty() ? "100% %s %d" : std::string(kPromptStrings[i].text)) + "\n";
  ASSERT_TRUE(table.load(StringFile::Prompt, dir.write("p", text), replaced));
  for (int i = 0; i < kPromptStringCount; ++i) {
    if (kPromptStrings[i].arguments.empty()) {
      EXPECT_EQ(table.prompt(i), "100% %s %d") << i;
    }
  }
}

TEST(StringFormatting, ArgumentListsAreMatchedWhole) {
  EXPECT_TRUE(argumentListAllowed("ds|dds", "dds"));
  EXPECT_TRUE(argumentListAllowed("ds|dds", "ds"));
  EXPECT_FALSE(argumentListAllowed("ds|dds", "d"));
  EXPECT_TRUE(argumentListAllowed("", ""));
}

}  // namespace
}  // namespace z5
