#pragma once
// Route text read line by line. A line is read up to 255 characters (UTF-8
// code points, never cut inside one); the
// rest of a longer line is passed over, so that the tail of a long comment
// or note is never taken for a line of its own and the line numbers stay
// those of the editor.

#include <cstddef>
#include <optional>
#include <string_view>

namespace z5 {

class RouteLines {
 public:
  static constexpr std::size_t kMaxLineLength = 255;

  explicit RouteLines(std::string_view text) : text_(text) {}

  // The next line without its line end ("\n" or "\r\n"), cut to
  // kMaxLineLength characters, or nullopt at the end of the text. Every line returned
  // advances the line number.
  std::optional<std::string_view> next();

  // The number of the last line returned (1 for the first); 0 before any.
  int lineNumber() const { return lineNumber_; }
  // The last line returned (empty before any).
  std::string_view current() const { return current_; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  int lineNumber_ = 0;
  std::string_view current_;
};

}  // namespace z5
