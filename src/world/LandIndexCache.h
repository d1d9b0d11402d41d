#pragma once
// The land index of the home directory, built at the first route check and
// kept while the home directory and its land files stay as they were: a
// new home directory, or a land file rebuilt (`make worlddata`), builds it
// again at the next check.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/Messages.h"
#include "world/LandIndex.h"

namespace z5 {

class LandIndexCache {
 public:
  // The index of `home` (ending with '/'); null when a land file is
  // missing or damaged, whose numbered message has then been shown. A
  // failure is not kept: the next call reads the files again.
  const LandIndex* get(const std::string& home, Messages& messages);

 private:
  struct FileStamp {
    std::string path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
  };
  static std::vector<FileStamp> stampsOf(const std::string& home, const StringTable& strings);

  std::vector<FileStamp> stamps_;
  std::unique_ptr<LandIndex> index_;
};

}  // namespace z5
