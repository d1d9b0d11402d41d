#pragma once
// The GPS track log: a text file in the home directory, one record per
// logging interval, in the three-line form of the user point file (an empty
// line, then a label line, a latitude line and a longitude line), so that
// the map draws it with the same reader. Every operation holds the log lock
// for its whole duration, so a reader never sees half a record.

#include <mutex>
#include <string>
#include <string_view>
#include <utility>

#include "base/AtomicFile.h"
#include "base/SettingsRecord.h"

namespace z5 {

class TrackLog {
 public:
  TrackLog(std::recursive_mutex& lock, const SettingsRecord& settings) : lock_(lock), settings_(settings) {}

  // The file's path: the home directory followed by the file name.
  std::string path() const;

  // Appends "\n<header>\n<latitude>\n<longitude>\n"; the file is opened and
  // closed for this record. False when it could not be written.
  bool append(std::string_view header, std::string_view latitude, std::string_view longitude);

  // Empties the file (creating it when missing): an empty file renamed over
  // it, so a log that is a link or not a regular file is left alone.
  FileWriteResult reset();

  // Runs `use(path)` while no record can be appended or the file emptied:
  // for drawing the track or reading it otherwise.
  template <class Use>
  decltype(auto) read(Use&& use) const {
    std::lock_guard<std::recursive_mutex> hold(lock_);
    return std::forward<Use>(use)(path());
  }

 private:
  std::recursive_mutex& lock_;
  const SettingsRecord& settings_;
};

}  // namespace z5
