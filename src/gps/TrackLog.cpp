#include "gps/TrackLog.h"

#include <cstdio>
#include <memory>

#include "base/Settings.h"

namespace z5 {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::string TrackLog::path() const {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  return homeFile(settings_.HOME_PATH, kTrackLogFileName);
}

bool TrackLog::append(std::string_view header, std::string_view latitude, std::string_view longitude) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  std::string record;
  record.reserve(header.size() + latitude.size() + longitude.size() + 4);
  record.append("\n").append(header).append("\n").append(latitude).append("\n").append(longitude).append("\n");
  File file(std::fopen(path().c_str(), "a"));
  if (!file) return false;
  const bool written = std::fwrite(record.data(), 1, record.size(), file.get()) == record.size();
  return std::fclose(file.release()) == 0 && written;
}

FileWriteResult TrackLog::reset() {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  return writeFileAtomically(path(), "");
}

}  // namespace z5
