#include "gps/LineAssembler.h"

namespace z5 {

void LineAssembler::clear() {
  buffer_.clear();
  start_ = 0;
}

void LineAssembler::append(std::string_view bytes) {
  if (start_ > 0) {
    buffer_.erase(0, start_);
    start_ = 0;
  }
  if (bytes.size() >= kCapacity) bytes = bytes.substr(bytes.size() - (kCapacity - 1));
  if (buffer_.size() >= kCapacity - bytes.size()) buffer_.clear();
  buffer_.append(bytes);
}

std::optional<std::string_view> LineAssembler::nextLine() {
  const std::size_t feed = buffer_.find('\n', start_);
  if (feed == std::string::npos) {
    buffer_.erase(0, start_);
    start_ = 0;
    return std::nullopt;
  }
  const std::string_view line = std::string_view(buffer_).substr(start_, feed - start_);
  start_ = feed + 1;
  return line;
}

}  // namespace z5
