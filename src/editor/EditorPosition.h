#pragma once
// Positions of the editor against offsets of the document's text. The
// editor counts one position per character as Qt stores it (one for a
// character of the basic plane, two for one beyond it) and one per line
// end, whether the text ends its lines with "\r\n", "\r" or "\n"; the
// document's text is UTF-8 with its line ends as read from the file.

#include <cstddef>
#include <string_view>

namespace z5 {

// The byte offset of `text` at editor position `position` (clamped to the
// text: a negative one is 0, one past the end is the text's size).
std::size_t textOffsetOfEditorPosition(std::string_view text, int position);

// The editor position of byte offset `offset` of `text` (clamped likewise;
// an offset inside a character or a "\r\n" counts from that character's start).
int editorPositionOfTextOffset(std::string_view text, std::size_t offset);

}  // namespace z5
