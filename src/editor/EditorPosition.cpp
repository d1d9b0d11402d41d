#include "editor/EditorPosition.h"

namespace z5 {
namespace {

// A character of four UTF-8 bytes lies beyond the basic plane: two editor
// positions. A byte that starts no valid sequence stands for one character.
constexpr int kBeyondBasicPlaneBytes = 4;

struct Step {
  std::size_t bytes = 1;  // bytes of the character or line end at the offset
  int positions = 1;      // editor positions it takes
};

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

std::size_t sequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

Step stepAt(std::string_view text, std::size_t at) {
  if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') return {2, 1};
  const std::size_t length = sequenceLength(static_cast<unsigned char>(text[at]));
  if (length == 1 || at + length > text.size()) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if (!isContinuation(static_cast<unsigned char>(text[at + i]))) return {};
  }
  return {length, length == kBeyondBasicPlaneBytes ? 2 : 1};
}

}  // namespace

std::size_t textOffsetOfEditorPosition(std::string_view text, int position) {
  std::size_t at = 0;
  int reached = 0;
  while (at < text.size()) {
    const Step step = stepAt(text, at);
    if (reached + step.positions > position) break;
    reached += step.positions;
    at += step.bytes;
  }
  return at;
}

int editorPositionOfTextOffset(std::string_view text, std::size_t offset) {
  std::size_t at = 0;
  int position = 0;
  while (at < text.size()) {
    const Step step = stepAt(text, at);
    if (at + step.bytes > offset) break;
    position += step.positions;
    at += step.bytes;
  }
  return position;
}

}  // namespace z5
