#include "app/OverlaySettingsStore.h"

#include "base/NumberReading.h"

namespace z5 {
namespace {
std::string path(std::string_view section, std::string_view key) {
  return std::string(section) + "/" + std::string(key);
}
}  // namespace

void OverlaySettingsStore::set(std::string_view section, std::string_view key, std::string_view value) {
  values_[path(section, key)] = std::string(value);
}

const std::string* OverlaySettingsStore::overridden(std::string_view section, std::string_view key) const {
  const auto it = values_.find(path(section, key));
  return it == values_.end() ? nullptr : &it->second;
}

std::optional<int> OverlaySettingsStore::readInt(std::string_view section, std::string_view key) const {
  const std::string* text = overridden(section, key);
  if (!text) return base_.readInt(section, key);
  return integerOnly<int>(*text);
}

std::optional<std::string> OverlaySettingsStore::readText(std::string_view section, std::string_view key) const {
  if (const std::string* text = overridden(section, key)) return *text;
  return base_.readText(section, key);
}

bool OverlaySettingsStore::writeInt(std::string_view section, std::string_view key, int value) {
  if (overridden(section, key)) return true;
  if (!writesEnabled_) {
    set(section, key, std::to_string(value));
    return true;
  }
  return base_.writeInt(section, key, value);
}

bool OverlaySettingsStore::writeText(std::string_view section, std::string_view key, std::string_view value) {
  if (overridden(section, key)) return true;
  if (!writesEnabled_) {
    set(section, key, value);
    return true;
  }
  return base_.writeText(section, key, value);
}

}  // namespace z5
