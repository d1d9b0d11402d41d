#pragma once
// The settings profile as an INI file through QSettings: company
// "Quenmar Software", application "Z5", or a file given on the command line.

#include <memory>
#include <string>

#include <QSettings>

#include "base/SettingsStore.h"

namespace z5 {

class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore();                                // the user's profile
  explicit QtSettingsStore(const std::string& file);  // an INI file of one's choosing

  std::optional<int> readInt(std::string_view section, std::string_view key) const override;
  std::optional<std::string> readText(std::string_view section, std::string_view key) const override;
  bool writeInt(std::string_view section, std::string_view key, int value) override;
  bool writeText(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  bool write(std::string_view section, std::string_view key, const QVariant& value);
  std::unique_ptr<QSettings> settings_;
};

}  // namespace z5
