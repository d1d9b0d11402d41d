#include "route/RouteLines.h"

namespace z5 {

std::optional<std::string_view> RouteLines::next() {
  if (at_ >= text_.size()) return std::nullopt;
  const std::size_t lineEnd = text_.find('\n', at_);
  std::size_t contentEnd = lineEnd == std::string_view::npos ? text_.size() : lineEnd;
  if (contentEnd > at_ && text_[contentEnd - 1] == '\r') --contentEnd;

  std::size_t length = contentEnd - at_;
  std::size_t resume = lineEnd == std::string_view::npos ? text_.size() : lineEnd + 1;
  if (length > kMaxLineLength) {
    length = kMaxLineLength;
    resume = at_ + kMaxLineLength;
  }
  current_ = text_.substr(at_, length);
  at_ = resume;
  ++lineNumber_;
  return current_;
}

}  // namespace z5
