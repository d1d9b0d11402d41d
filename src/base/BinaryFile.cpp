#include "base/BinaryFile.h"

#include <sys/stat.h>

namespace z5 {

BinaryFile::BinaryFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb"), std::fclose) {
  if (!file_) return;
  struct stat info {};
  if (fstat(fileno(file_.get()), &info) != 0 || !S_ISREG(info.st_mode)) {
    file_.reset();
    return;
  }
  size_ = info.st_size;
}

bool BinaryFile::readAt(std::int64_t offset, std::uint8_t* into, std::size_t count) {
  if (!file_ || offset < 0 || offset > size_ || static_cast<std::int64_t>(count) > size_ - offset) return false;
  if (fseeko(file_.get(), static_cast<off_t>(offset), SEEK_SET) != 0) return false;
  return std::fread(into, 1, count, file_.get()) == count;
}

}  // namespace z5
