#pragma once
// The File menu's list of the files opened last, newest first, kept in the
// profile section "Recent File List" as "File1".."File4". The map
// placeholder pictures are never listed.

#include <string>
#include <string_view>
#include <vector>

#include "base/SettingsStore.h"

namespace z5 {

class RecentFiles {
 public:
  static constexpr std::size_t kSize = 4;
  static constexpr const char* kSection = "Recent File List";

  // The stored list; empty and repeated entries are left out.
  void load(const SettingsStore& store);
  // Writes the list when it differs from the one loaded.
  void save(SettingsStore& store) const;

  // `path` becomes the newest entry (moved up when it is listed already);
  // the oldest falls off a full list. Placeholder pictures (".bmp", any
  // case) and paths that name nothing are not listed.
  void add(std::string_view path);
  // `path` is left out of the list (a file that can no longer be opened).
  void remove(std::string_view path);

  const std::vector<std::string>& entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
  std::vector<std::string> loaded_;
};

}  // namespace z5
