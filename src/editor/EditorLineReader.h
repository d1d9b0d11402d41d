#pragma once
// The editor's text as the voyage engine reads it, line by line: a carriage
// return ends a line and a line feed right after it is skipped; a line feed
// alone ends a line too (this system's files end their lines so). The end
// of the text ends the last line.

#include <optional>
#include <string>
#include <string_view>

namespace z5 {

class EditorLineReader {
 public:
  explicit EditorLineReader(std::string_view text) : text_(text) {}

  // Back to the first line.
  void reset() { at_ = 0; }
  // The next line without its line end; nullopt at the end of the text.
  std::optional<std::string_view> next();

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// The whole text read through EditorLineReader, each line ended by "\n":
// what the engine is given.
std::string engineText(std::string_view editorText);

}  // namespace z5
