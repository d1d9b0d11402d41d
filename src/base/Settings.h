#pragma once
// Loading the settings record from the profile and saving it back.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/DateTime.h"
#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "base/SettingsStore.h"
#include "base/StringTable.h"

namespace z5 {

inline constexpr const char* kSettingsSection = "SETTINGS";

enum class SettingsMode {
  Stored,   // defaults, then every stored value
  Defaults  // defaults; only HOME_PATH is read
};

// The defaults of every key that is neither a GPS option nor an initial
// value, and the reset of the values that are not stored.
void applyDefaultSettings(SettingsRecord& record);
// The six GPS option defaults.
void applyGpsOptionDefaults(SettingsRecord& record);
void applyPaletteDefaults(SettingsRecord& record);

// The whole load: defaults, home path (asking for it when needed), stored
// keys, output file name, both string files, user point check, departure
// and arrival. Returns false when the program cannot go on; the message has
// been shown.
bool loadSettings(SettingsMode mode, SettingsRecord& record, const SettingsStore& store,
                  StringTable& strings, Messages& messages);

// Writes the record in the fixed order; stops at the first refused write.
// Writes nothing when the no-save flag is set.
bool saveSettings(const SettingsRecord& record, SettingsStore& store);

// True for the name of one of the stored keys of the SETTINGS section.
bool isSettingsKey(std::string_view name);

// What the key `key` takes, said to the user ("a whole number from 1 to
// 60"), when the load would not store `value` as it is written (out of
// range, a date it would change, a text it would ignore); nullopt when it
// would, and for names that are not keys.
std::optional<std::string> settingsValueRefusal(std::string_view key, std::string_view value);

// "DDMMYYYYHHMM" decoded and validated; nullopt unless 12 digits. A year
// out of range gives no time at all (every field 0).
std::optional<DateTime> decodeStoredDateTime(std::string_view text);
std::string encodeStoredDateTime(const DateTime& time);
// Out-of-range fields replaced: year -> 0, month/day -> 1, hour/minute -> 0.
DateTime validatedDateTime(DateTime time);

// Colour text: three digits per component; a component outside 0..255 keeps
// the previous value. Texts of the wrong length are ignored as a whole.
void decodeColourText(std::string_view text, std::span<Rgb> colours);
std::string encodeColourText(std::span<const Rgb> colours);

// The output file name: DATA_FILE up to the first '.' of its file name, then ".OUT".
std::string settingsOutputFileName(std::string_view dataFile);

// A file in the home directory: the home path followed by the file name.
std::string homeFile(std::string_view homePath, std::string_view name);

// Files of the home directory that more than one part of the program opens:
// the chart catalogue, whose presence marks a home directory, and the GPS
// track log, which the map draws as a point file.
inline constexpr const char* kChartCatalogueFileName = "chart.dat";
inline constexpr const char* kTrackLogFileName = "Z5GPSLOG.DOC";

}  // namespace z5
