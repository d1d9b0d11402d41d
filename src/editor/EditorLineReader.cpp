#include "editor/EditorLineReader.h"

namespace z5 {

std::optional<std::string_view> EditorLineReader::next() {
  if (at_ >= text_.size()) return std::nullopt;
  const std::size_t end = text_.find_first_of("\r\n", at_);
  if (end == std::string_view::npos) {
    const std::string_view line = text_.substr(at_);
    at_ = text_.size();
    return line;
  }
  const std::string_view line = text_.substr(at_, end - at_);
  at_ = end + 1;
  if (text_[end] == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
  return line;
}

std::string engineText(std::string_view editorText) {
  std::string text;
  text.reserve(editorText.size());
  EditorLineReader lines(editorText);
  while (const auto line = lines.next()) {
    text += *line;
    text += '\n';
  }
  return text;
}

}  // namespace z5
