#pragma once
// The keys of the SETTINGS section: each key's name, the field of the
// settings record it fills, its type and the values it accepts. The loader,
// the prompts that change a setting and the settings sheet all read this
// one table.

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "base/DateTime.h"
#include "base/SettingsRecord.h"

namespace z5 {

// Character codes that would end the lines of the delimited report (a NUL,
// which would end its text, is below the separator's range).
inline constexpr int kLineEndCodes[] = {'\n', '\r'};

// An integer key: its field and the whole numbers it takes.
struct IntKey {
  int SettingsRecord::*field;
  int minimum;
  int maximum;
  std::span<const int> refused = {};  // values inside the range that are not taken

  constexpr bool accepts(int value) const {
    return value >= minimum && value <= maximum && std::find(refused.begin(), refused.end(), value) == refused.end();
  }
};
// A text key: its field, the lengths it takes, and whether it is trimmed first.
struct TextKey {
  std::string SettingsRecord::*field;
  std::size_t minimum;
  std::size_t maximum;
  bool trimmed;
};
// A date-time stored as "DDMMYYYYHHMM".
struct DateKey {
  DateTime SettingsRecord::*field;
};
// A palette, and the custom colours, stored as three digits per component.
struct PaletteKey {
  Palette SettingsRecord::*field;
};
struct CustomColoursKey {};

using KeyKind = std::variant<IntKey, TextKey, DateKey, PaletteKey, CustomColoursKey>;

struct SettingsKey {
  std::string_view name;
  KeyKind kind;
};

// Every key in reading order, with its type and accepted range.
inline constexpr std::array kSettingsKeys = {
    SettingsKey{"HOME_PATH", TextKey{&SettingsRecord::HOME_PATH, 2, 200, false}},
    SettingsKey{"DATA_FILE", TextKey{&SettingsRecord::DATA_FILE, 2, 200, true}},
    SettingsKey{"USER_POINT_FILE", TextKey{&SettingsRecord::USER_POINT_FILE, 2, 200, true}},
    SettingsKey{"VESSEL", TextKey{&SettingsRecord::VESSEL, 1, 100, true}},
    SettingsKey{"REMARK", TextKey{&SettingsRecord::REMARK, 1, 250, false}},
    SettingsKey{"CALL", TextKey{&SettingsRecord::CALL, 4, 50, true}},
    SettingsKey{"DEPARTURE", DateKey{&SettingsRecord::departure}},
    SettingsKey{"ARRIVAL", DateKey{&SettingsRecord::arrival}},
    SettingsKey{"COMMAND", TextKey{&SettingsRecord::COMMAND, 1, 200, false}},
    SettingsKey{"BOUNDARIES", IntKey{&SettingsRecord::BOUNDARIES, 0, 1}},
    SettingsKey{"IN_COLOR", IntKey{&SettingsRecord::IN_COLOR, 0, 1}},
    SettingsKey{"FILE_PT", IntKey{&SettingsRecord::FILE_PT, 0, 1}},
    SettingsKey{"RIVERS", IntKey{&SettingsRecord::RIVERS, 0, 1}},
    SettingsKey{"LEN_LAT_LON", IntKey{&SettingsRecord::LEN_LAT_LON, 0, 1}},
    SettingsKey{"GC_PT_GCD", IntKey{&SettingsRecord::GC_PT_GCD, 0, 1}},
    SettingsKey{"NAMES", IntKey{&SettingsRecord::NAMES, 0, 1}},
    SettingsKey{"CHARTS", IntKey{&SettingsRecord::CHARTS, 0, 1}},
    SettingsKey{"MAP_INVERT", IntKey{&SettingsRecord::MAP_INVERT, 0, 1}},
    SettingsKey{"LAND", IntKey{&SettingsRecord::LAND, 0, 1}},
    SettingsKey{"GRID", IntKey{&SettingsRecord::GRID, 0, 1}},
    SettingsKey{"NO_CALC_GC_OUT", IntKey{&SettingsRecord::NO_CALC_GC_OUT, 0, 1}},
    SettingsKey{"NO_FILE_CHART_OUT", IntKey{&SettingsRecord::NO_FILE_CHART_OUT, 0, 1}},
    SettingsKey{"NO_FILE_INTER_OUT", IntKey{&SettingsRecord::NO_FILE_INTER_OUT, 0, 1}},
    SettingsKey{"NO_CALC_CHART_OUT", IntKey{&SettingsRecord::NO_CALC_CHART_OUT, 0, 1}},
    SettingsKey{"NO_CALC_INTER_OUT", IntKey{&SettingsRecord::NO_CALC_INTER_OUT, 0, 1}},
    SettingsKey{"NO_ETA_OUT", IntKey{&SettingsRecord::NO_ETA_OUT, 0, 1}},
    SettingsKey{"NO_AMVER_MONTH", IntKey{&SettingsRecord::NO_AMVER_MONTH, 0, 1}},
    SettingsKey{"OUTPUT_FORMAT", IntKey{&SettingsRecord::OUTPUT_FORMAT, 1, 6}},
    SettingsKey{"ROUNDING", IntKey{&SettingsRecord::ROUNDING, 1, 60}},
    SettingsKey{"SEA", IntKey{&SettingsRecord::SEA, 0, 1}},
    SettingsKey{"PORTS", IntKey{&SettingsRecord::PORTS, 0, 1}},
    SettingsKey{"SEPARATOR_CHAR", IntKey{&SettingsRecord::SEPARATOR_CHAR, 1, 255, kLineEndCodes}},
    SettingsKey{"DECIMAL_PT_COMMA", IntKey{&SettingsRecord::DECIMAL_PT_COMMA, 0, 1}},
    SettingsKey{"EXTRA_PRECISION", IntKey{&SettingsRecord::EXTRA_PRECISION, 0, 1}},
    SettingsKey{"RGB_COLOR_MAP", PaletteKey{&SettingsRecord::RGB_COLOR_MAP}},
    SettingsKey{"RGB_PRINT_COLOR_MAP", PaletteKey{&SettingsRecord::RGB_PRINT_COLOR_MAP}},
    SettingsKey{"RGB_CUSTOM_COLORS", CustomColoursKey{}},
    // A serial device or a network source: as long as the path names above.
    SettingsKey{"GPS_PORT", TextKey{&SettingsRecord::GPS_PORT, 4, 200, false}},
    SettingsKey{"GPS_SMG_CMG", IntKey{&SettingsRecord::GPS_SMG_CMG, 0, 1}},
    SettingsKey{"GPS_BAUD", IntKey{&SettingsRecord::GPS_BAUD, 1200, 9600}},
    SettingsKey{"GPS_AT_START", IntKey{&SettingsRecord::GPS_AT_START, 0, 1}},
    SettingsKey{"GPS_LOG", IntKey{&SettingsRecord::GPS_LOG, 0, 1}},
    SettingsKey{"GPS_LOGGING_INTERVAL", IntKey{&SettingsRecord::GPS_LOGGING_INTERVAL, 10, 3600}},
    SettingsKey{"GPS_MAX_SAMPLES", IntKey{&SettingsRecord::GPS_MAX_SAMPLES, 1, 50}},
    SettingsKey{"GPS_SAMPLE_INTERVAL", IntKey{&SettingsRecord::GPS_SAMPLE_INTERVAL, 1, 3600}},
    SettingsKey{"GPS_DISPLAY_TRACK", IntKey{&SettingsRecord::GPS_DISPLAY_TRACK, 0, 1}},
    SettingsKey{"GPS_LABEL_TRACK", IntKey{&SettingsRecord::GPS_LABEL_TRACK, 0, 1}},
    SettingsKey{"LAND_CLEARANCE", IntKey{&SettingsRecord::LAND_CLEARANCE, 0, 50}},
};

// The key named `name`; null for a name that is not a key.
constexpr const SettingsKey* findSettingsKey(std::string_view name) {
  for (const SettingsKey& key : kSettingsKeys) {
    if (key.name == name) return &key;
  }
  return nullptr;
}

// The integer key that fills `field`; null when no integer key does (a
// constant initialised from it then fails to compile).
constexpr const IntKey* findIntegerKey(int SettingsRecord::*field) {
  // holds_alternative and get, not get_if: the sanitizers' null check of
  // get_if's pointer is no constant expression to GCC.
  for (const SettingsKey& key : kSettingsKeys) {
    if (std::holds_alternative<IntKey>(key.kind) && std::get<IntKey>(key.kind).field == field)
      return &std::get<IntKey>(key.kind);
  }
  return nullptr;
}

// The text key that fills `field`; null when no text key does.
constexpr const TextKey* findTextKey(std::string SettingsRecord::*field) {
  for (const SettingsKey& key : kSettingsKeys) {
    if (std::holds_alternative<TextKey>(key.kind) && std::get<TextKey>(key.kind).field == field)
      return &std::get<TextKey>(key.kind);
  }
  return nullptr;
}

}  // namespace z5
