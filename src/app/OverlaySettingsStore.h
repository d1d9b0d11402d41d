#pragma once
// A settings store that lays values given for this run (the command line's
// --home and --set) over another store. Overridden values are never written
// through. With writes disabled nothing reaches the store underneath: what
// is written is kept for this run only.

#include <map>
#include <string>

#include "base/SettingsStore.h"

namespace z5 {

class OverlaySettingsStore final : public SettingsStore {
 public:
  OverlaySettingsStore(SettingsStore& base, bool writesEnabled) : base_(base), writesEnabled_(writesEnabled) {}

  void set(std::string_view section, std::string_view key, std::string_view value);

  std::optional<int> readInt(std::string_view section, std::string_view key) const override;
  std::optional<std::string> readText(std::string_view section, std::string_view key) const override;
  bool writeInt(std::string_view section, std::string_view key, int value) override;
  bool writeText(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  const std::string* overridden(std::string_view section, std::string_view key) const;
  SettingsStore& base_;
  bool writesEnabled_;
  std::map<std::string, std::string, std::less<>> values_;  // "section/key" -> text
};

}  // namespace z5
