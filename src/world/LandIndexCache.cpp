#include "world/LandIndexCache.h"

#include <system_error>

#include "world/LineFileNames.h"

namespace z5 {
namespace {

constexpr int kMessageMilliseconds = 3000;

}  // namespace

std::vector<LandIndexCache::FileStamp> LandIndexCache::stampsOf(const std::string& home, const StringTable& strings) {
  std::vector<FileStamp> stamps;
  for (int region = 0; region < kLineFileRegions; ++region) {
    FileStamp stamp;
    stamp.path = lineFilePath(home, strings, region, kLandSuffixString);
    std::error_code error;
    stamp.size = std::filesystem::file_size(stamp.path, error);
    stamp.modified = std::filesystem::last_write_time(stamp.path, error);
    stamps.push_back(std::move(stamp));
  }
  return stamps;
}

const LandIndex* LandIndexCache::get(const std::string& home, Messages& messages, FailureNotice notice) {
  std::vector<FileStamp> stamps = stampsOf(home, messages.strings());
  if (index_ && stamps == stamps_) return index_.get();
  index_.reset();
  stamps_.clear();
  LandIndexLoad load = loadLandIndex(home, messages.strings());
  if (!load.index) {
    if (notice == FailureNotice::Always || failedStamps_ != stamps) {
      showLineFileProblem(messages, load.path, load.problem, kMessageMilliseconds);
    }
    failedStamps_ = std::move(stamps);
    return nullptr;
  }
  failedStamps_.reset();
  index_ = std::move(load.index);
  stamps_ = std::move(stamps);
  return index_.get();
}

}  // namespace z5
