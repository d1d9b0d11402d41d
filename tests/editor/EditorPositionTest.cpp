// Editor positions against offsets of the document's UTF-8 text.

#include "editor/EditorPosition.h"

#include <array>
#include <string_view>

#include <gtest/gtest.h>

namespace z5 {
namespace {

struct PositionCase {
  std::string_view text;
  int position;        // editor position
  std::size_t offset;  // byte offset of the text
  const char* legend;
};

// Each row holds both ways: the position gives the offset and back.
constexpr std::array<PositionCase, 7> kCases = {{
    {"ab\r\ncd", 3, 4, "\"\\r\\n\" counted as two positions: the caret lands a character late"},
    {"ab\rcd\nef", 6, 6, "a lone CR or LF not counted as one line end"},
    {"ab\r\ncd", 0, 0, "the start of the text moved"},
    {"ab\r\ncd", 5, 6, "the end of the text not reachable"},
    {"\xC3\xA9t\xC3\xA9", 2, 3, "a two-byte character counted per byte"},
    {"\xF0\x9F\x9A\xA2x", 2, 4, "a character beyond the basic plane not taking two positions"},
    {"\xFFx\r\n", 1, 1, "a byte of no valid sequence not standing for one character"},
}};

TEST(EditorPosition, PositionsAndOffsetsCorrespond) {
  for (const PositionCase& c : kCases) {
    EXPECT_EQ(textOffsetOfEditorPosition(c.text, c.position), c.offset) << c.legend;
    EXPECT_EQ(editorPositionOfTextOffset(c.text, c.offset), c.position) << c.legend;
  }
}

TEST(EditorPosition, OutOfRangeValuesAreClampedToTheText) {
  EXPECT_EQ(textOffsetOfEditorPosition("abc", -5), 0u);
  EXPECT_EQ(textOffsetOfEditorPosition("abc", 99), 3u);
  EXPECT_EQ(editorPositionOfTextOffset("abc", 99), 3);
  EXPECT_EQ(editorPositionOfTextOffset("a\r\nb", 2), 1) << "an offset between CR and LF passed the line end";
}

}  // namespace
}  // namespace z5
