#include "base/SettingsStore.h"

#include "base/NumberReading.h"

namespace z5 {
namespace {
std::pair<std::string, std::string> keyOf(std::string_view section, std::string_view key) {
  return {std::string(section), std::string(key)};
}
}  // namespace

std::optional<int> MemorySettingsStore::readInt(std::string_view section, std::string_view key) const {
  const auto it = values_.find(keyOf(section, key));
  if (it == values_.end()) return std::nullopt;
  return integerOnly<int>(it->second);
}

std::optional<std::string> MemorySettingsStore::readText(std::string_view section, std::string_view key) const {
  const auto it = values_.find(keyOf(section, key));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool MemorySettingsStore::allowWrite() {
  if (writesLeft_ == 0) return false;
  if (writesLeft_ > 0) --writesLeft_;
  ++writeCount_;
  return true;
}

bool MemorySettingsStore::writeInt(std::string_view section, std::string_view key, int value) {
  if (!allowWrite()) return false;
  values_[keyOf(section, key)] = std::to_string(value);
  return true;
}

bool MemorySettingsStore::writeText(std::string_view section, std::string_view key, std::string_view value) {
  if (!allowWrite()) return false;
  values_[keyOf(section, key)] = std::string(value);
  return true;
}

bool MemorySettingsStore::contains(std::string_view section, std::string_view key) const {
  return values_.count(keyOf(section, key)) != 0;
}

}  // namespace z5
