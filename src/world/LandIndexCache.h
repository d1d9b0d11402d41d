#pragma once
// The land index of the home directory, built at the first route check and
// kept while the home directory and its land files stay as they were: a
// new home directory, or a land file rebuilt (`make worlddata`), builds it
// again at the next check.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Messages.h"
#include "world/LandIndex.h"

namespace z5 {

// When a land file that cannot be read is reported: at every call, or only
// when the land files differ from those of the last failure (the check that
// follows every extraction would otherwise show the same pop-up each time).
enum class FailureNotice { Always, OncePerChange };

class LandIndexCache {
 public:
  // The index of `home` (ending with '/'); null when a land file is
  // missing or damaged, whose numbered message is shown as `notice` says.
  // A failure is not kept: the next call reads the files again.
  const LandIndex* get(const std::string& home, Messages& messages, FailureNotice notice);

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
  std::optional<std::vector<FileStamp>> failedStamps_;
};

}  // namespace z5
