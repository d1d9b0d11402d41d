#include "editor/RecentFiles.h"

#include <algorithm>

#include "base/TextUtil.h"

namespace z5 {
namespace {

std::string entryKey(std::size_t index) { return "File" + std::to_string(index + 1); }

bool isPlaceholderPicture(std::string_view path) {
  constexpr std::string_view kPictureEnding = "BMP";
  return path.size() >= kPictureEnding.size() && toUpper(path.substr(path.size() - kPictureEnding.size())) == kPictureEnding;
}

}  // namespace

void RecentFiles::load(const SettingsStore& store) {
  entries_.clear();
  for (std::size_t i = 0; i < kSize; ++i) {
    const auto path = store.readText(kSection, entryKey(i));
    if (path && !path->empty() && std::find(entries_.begin(), entries_.end(), *path) == entries_.end()) {
      entries_.push_back(*path);
    }
  }
  loaded_ = entries_;
}

void RecentFiles::save(SettingsStore& store) const {
  if (entries_ == loaded_) return;
  for (std::size_t i = 0; i < kSize; ++i) {
    store.writeText(kSection, entryKey(i), i < entries_.size() ? std::string_view(entries_[i]) : std::string_view());
  }
}

void RecentFiles::add(std::string_view path) {
  if (path.empty() || isPlaceholderPicture(path)) return;
  remove(path);
  entries_.insert(entries_.begin(), std::string(path));
  if (entries_.size() > kSize) entries_.pop_back();
}

void RecentFiles::remove(std::string_view path) {
  std::erase_if(entries_, [path](const std::string& entry) { return entry == path; });
}

}  // namespace z5
