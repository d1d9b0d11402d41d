#pragma once
// The persistent profile: named integer and text values grouped in sections.
// The desktop program keeps it in an INI file; tests keep it in memory.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace z5 {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<int> readInt(std::string_view section, std::string_view key) const = 0;
  virtual std::optional<std::string> readText(std::string_view section, std::string_view key) const = 0;
  // Each write returns false when the store refuses the value.
  virtual bool writeInt(std::string_view section, std::string_view key, int value) = 0;
  virtual bool writeText(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// A store held in memory: the store of tests and of runs given no profile file.
class MemorySettingsStore final : public SettingsStore {
 public:
  std::optional<int> readInt(std::string_view section, std::string_view key) const override;
  std::optional<std::string> readText(std::string_view section, std::string_view key) const override;
  bool writeInt(std::string_view section, std::string_view key, int value) override;
  bool writeText(std::string_view section, std::string_view key, std::string_view value) override;

  // Refuse every write from the given count of successful writes on (tests).
  void refuseWritesAfter(int count) { writesLeft_ = count; }
  int writeCount() const { return writeCount_; }
  bool contains(std::string_view section, std::string_view key) const;

 private:
  bool allowWrite();
  std::map<std::pair<std::string, std::string>, std::string, std::less<>> values_;
  int writesLeft_ = -1;
  int writeCount_ = 0;
};

}  // namespace z5
