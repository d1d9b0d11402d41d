#pragma once
// A data file opened for reading by blocks at given offsets, closed when
// the object goes out of scope on every path.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace z5 {

class BinaryFile {
 public:
  explicit BinaryFile(const std::string& path);

  bool isOpen() const { return file_ != nullptr; }
  std::int64_t size() const { return size_; }
  // Reads exactly `count` bytes at `offset`; false when the file holds
  // fewer there (the file's own size is checked first).
  bool readAt(std::int64_t offset, std::uint8_t* into, std::size_t count);

 private:
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
  std::int64_t size_ = 0;
};

}  // namespace z5
