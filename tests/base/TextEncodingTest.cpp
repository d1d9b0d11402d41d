// The one text rule (UTF-8 where valid, else Latin-1; lengths in
// characters), the ASCII form for peers, and control characters shown
// escaped.

#include <gtest/gtest.h>

#include "ScriptedHost.h"
#include "base/AsciiText.h"
#include "base/Messages.h"
#include "base/TextUtil.h"
#include "base/Utf8Text.h"

namespace z5 {
namespace {

struct ReadingCase {
  const char* legend;
  std::string_view bytes;
  std::string_view utf8;
};

TEST(TextEncoding, TextIsUtf8WhereValidElseLatin1) {
  const ReadingCase rows[] = {
      {"ASCII changed", "Bishop Rock", "Bishop Rock"},
      {"valid UTF-8 converted twice", "\xC3\x8Ele \xE2\x9C\x93", "\xC3\x8Ele \xE2\x9C\x93"},
      {"Latin-1 left as invalid UTF-8", "\xCEle", "\xC3\x8Ele"},
      {"a cut UTF-8 sequence taken as UTF-8", "ab\xE2\x9C", "ab\xC3\xA2\xC2\x9C"},
      {"an overlong slash taken as UTF-8", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
      {"a surrogate taken as UTF-8", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
      {"a code point above U+10FFFF taken as UTF-8", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
  };
  for (const ReadingCase& row : rows) EXPECT_EQ(asUtf8(row.bytes), row.utf8) << row.legend;
  EXPECT_EQ(linesAsUtf8("\xCE\n\xC3\x8E\n"), "\xC3\x8E\n\xC3\x8E\n") << "one Latin-1 line changed another";
}

TEST(TextEncoding, LengthsAreCountedInCharacters) {
  const std::string_view name = "\xC3\x8Ele d'Ouessant \xE2\x9C\x93";  // 16 characters, 19 bytes
  EXPECT_EQ(characterCount(name), 16u);
  EXPECT_EQ(firstCharacters(name, 1), "\xC3\x8E");
  EXPECT_EQ(firstCharacters(name, 40), name);
  EXPECT_EQ(paddedToCharacters(name, 18), std::string(name) + "  ");
  EXPECT_EQ(characterCount("a\xFF" "b"), 3u) << "a malformed byte is one character";
  EXPECT_EQ(firstBytes(name, 2), "\xC3\x8E");
  EXPECT_EQ(firstBytes(name, 1), "") << "a byte limit splitting a character";
}

TEST(TextEncoding, PeersTakingAsciiGetPlainLetters) {
  const ReadingCase rows[] = {
      {"accents kept for an ASCII peer", "\xC3\x8Ele d'Ouessant", "Ile d'Ouessant"},
      {"a letter written as two dropped", "Stra\xC3\x9F" "e", "Strasse"},
      {"letters of Central Europe dropped", "Gda\xC5\x84sk", "Gdansk"},
      {"a character without ASCII form lost silently", "\xE6\x9D\xB1\xE4\xBA\xAC", "??"},
      {"a control character passed on", "A\x1B[2J", "A [2J"},
      {"line ends lost", "A\r\nB", "A\r\nB"},
      {"a malformed byte passed on", "A\xFF", "A?"},
  };
  for (const ReadingCase& row : rows) EXPECT_EQ(toAscii(row.bytes, "?"), row.utf8) << row.legend;
}

TEST(TextEncoding, ControlCharactersAreShownEscaped) {
  const ReadingCase rows[] = {
      {"ESC reaching the terminal", "A\x1B]0;owned\x07" "B", "A\\x1B]0;owned\\x07B"},
      {"DEL reaching the terminal", "\x7F", "\\x7F"},
      {"a C1 control (CSI) reaching the terminal", "\xC2\x9B" "2J", "\\u009B2J"},
      {"a byte that is not UTF-8 garbling the window", "\xFF", "\\xFF"},
      {"line ends and tabs escaped", "a\tb\r\nc", "a\tb\r\nc"},
      {"letters escaped", "\xC3\x8Ele \xE2\x9C\x93", "\xC3\x8Ele \xE2\x9C\x93"},
  };
  for (const ReadingCase& row : rows) EXPECT_EQ(escapedControls(row.bytes), row.utf8) << row.legend;

  test::ScriptedHost host;
  StringTable strings;
  Messages messages(host, strings);
  messages.showMessage("Line 4: \x1B[2J", 3000);
  EXPECT_EQ(host.windowText, "\r\nLine 4: \\x1B[2J");
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text, "Line 4: \\x1B[2J");
}

}  // namespace
}  // namespace z5
