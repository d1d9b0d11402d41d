// Settings profile values as a user types them into the profile or gives
// them with --set: lines of KEY=VALUE, laid over the store (first byte odd)
// as the command line does, or stored as they are. The load keeps every key
// within what it takes; a value the refusal check passes is loaded as it is
// written; what is saved loads back to the same profile.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <variant>

#include "FuzzCheck.h"
#include "app/OverlaySettingsStore.h"
#include "base/Messages.h"
#include "base/NumberReading.h"
#include "base/Settings.h"
#include "base/SettingsKeys.h"
#include "base/SilentHost.h"
#include "base/StringTable.h"
#include "base/TextUtil.h"

using z5::fuzz::check;

namespace {

// A home folder with what a load needs: a chart catalogue and string files
// of the right number of lines.
const std::string& fuzzHome() {
  static const std::string home = [] {
    const std::string dir = "/tmp/z5fuzz-settings." + std::to_string(getpid()) + "/";
    ::mkdir(dir.c_str(), 0700);
    std::ofstream(dir + z5::kChartCatalogueFileName, std::ios::binary) << std::string("\x78\x56\x34\x12", 4)
                                                                     << std::string(36, '\0');
    std::ofstream(dir + z5::StringTable::kErrorFileName)
        << std::string(z5::StringTable::count(z5::StringFile::Error), '\n');
    std::ofstream(dir + z5::StringTable::kPromptFileName)
        << std::string(z5::StringTable::count(z5::StringFile::Prompt), '\n');
    return dir;
  }();
  return home;
}

bool load(z5::SettingsRecord& record, const z5::SettingsStore& store) {
  z5::SilentHost host;
  z5::StringTable strings;
  z5::Messages messages(host, strings);
  return z5::loadSettings(z5::SettingsMode::Stored, record, store, strings, messages);
}

// The text a save writes for a value the load took as it is written.
std::optional<std::string> savedAs(const z5::SettingsKey& key, const std::string& value) {
  if (std::holds_alternative<z5::IntKey>(key.kind)) return std::to_string(*z5::integerOnly<int>(value));
  if (const auto* k = std::get_if<z5::TextKey>(&key.kind)) return k->trimmed ? z5::trim(value) : value;
  if (std::holds_alternative<z5::DateKey>(key.kind) && value.empty()) return std::nullopt;
  return value;
}

void checkWithinRanges(const z5::SettingsRecord& r) {
  for (const z5::SettingsKey& key : z5::kSettingsKeys) {
    if (const auto* k = std::get_if<z5::IntKey>(&key.kind)) check(k->accepts(r.*k->field));
    if (const auto* k = std::get_if<z5::DateKey>(&key.kind)) {
      const z5::DateTime& t = r.*k->field;
      check(t == z5::DateTime{} || z5::validatedDateTime(t) == t);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  z5::MemorySettingsStore base;
  z5::OverlaySettingsStore overlay(base, false);
  const bool overlaid = data[0] & 1;
  base.writeText(z5::kSettingsSection, "HOME_PATH", fuzzHome());

  // The last value of each key; HOME_PATH stays the fuzz home.
  std::map<std::string, std::string> given;
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  while (!text.empty()) {
    const std::string_view line = text.substr(0, text.find('\n'));
    text.remove_prefix(std::min(text.size(), line.size() + 1));
    const std::size_t eq = line.find('=');
    const std::string key(line.substr(0, eq == std::string_view::npos ? 0 : eq));
    if (!z5::isSettingsKey(key) || key == "HOME_PATH") continue;
    const std::string value(line.substr(eq + 1));
    given[key] = value;
    if (overlaid) {
      overlay.set(z5::kSettingsSection, key, value);
    } else {
      base.writeText(z5::kSettingsSection, key, value);
    }
  }

  z5::SettingsRecord record;
  check(load(record, overlay));
  checkWithinRanges(record);

  z5::MemorySettingsStore saved;
  check(z5::saveSettings(record, saved));
  for (const auto& [name, value] : given) {
    // A user point file that does not open turns point plotting off.
    if (name == "FILE_PT" || z5::settingsValueRefusal(name, value)) continue;
    const std::optional<std::string> expected = savedAs(*z5::findSettingsKey(name), value);
    if (expected) check(saved.readText(z5::kSettingsSection, name).value_or("") == *expected);
  }

  z5::SettingsRecord again;
  check(load(again, saved));
  z5::MemorySettingsStore savedAgain;
  check(z5::saveSettings(again, savedAgain));
  for (const z5::SettingsKey& key : z5::kSettingsKeys)
    check(saved.readText(z5::kSettingsSection, key.name) == savedAgain.readText(z5::kSettingsSection, key.name));
  return 0;
}
