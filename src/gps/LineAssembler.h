#pragma once
// Bytes from the serial line become lines: a 1024-byte buffer that is
// emptied when the next read would fill it, split at line feeds. A carriage
// return before the line feed stays in the line.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace z5 {

class LineAssembler {
 public:
  // The line buffer's size: it holds at most one byte less, the room of
  // the terminating zero a receiver line buffer keeps.
  static constexpr std::size_t kCapacity = 1024;

  LineAssembler() { buffer_.reserve(kCapacity + 1); }

  // Adds the bytes of one read. When the bytes held plus these would reach
  // the capacity, the bytes held are dropped first (a line that long is
  // noise). Of a single chunk that alone reaches it only the tail is kept.
  void append(std::string_view bytes);

  // The next complete line, without its line feed; nullopt when no line feed
  // is held. The view stays valid until the next call of either function.
  std::optional<std::string_view> nextLine();

  std::size_t held() const { return buffer_.size() - start_; }
  void clear();

 private:
  std::string buffer_;
  std::size_t start_ = 0;  // first byte not yet handed out
};

}  // namespace z5
