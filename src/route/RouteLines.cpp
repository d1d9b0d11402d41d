#include "route/RouteLines.h"

#include "base/Utf8Text.h"

namespace z5 {

std::optional<std::string_view> RouteLines::next() {
  if (at_ >= text_.size()) return std::nullopt;
  const std::size_t lineEnd = text_.find('\n', at_);
  std::size_t contentEnd = lineEnd == std::string_view::npos ? text_.size() : lineEnd;
  if (contentEnd > at_ && text_[contentEnd - 1] == '\r') --contentEnd;

  current_ = firstCharacters(text_.substr(at_, contentEnd - at_), kMaxLineLength);
  at_ = lineEnd == std::string_view::npos ? text_.size() : lineEnd + 1;
  ++lineNumber_;
  return current_;
}

}  // namespace z5
