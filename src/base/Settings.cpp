#include "base/Settings.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <variant>

#include <fmt/printf.h>

#include "base/NumberReading.h"
#include "base/SettingsKeys.h"
#include "base/TextUtil.h"

namespace z5 {
namespace {

// A path name is accepted when it is shorter than this.
constexpr std::size_t kPathLimit = 200;
constexpr const char* kDefaultDataFile = "README.TXT";
constexpr int kStoredDateTimeLength = 12;
constexpr int kDigitsPerComponent = 3;
constexpr int kComponentsPerColour = 3;
constexpr int kLargestComponent = 255;
// Years a stored departure or arrival may have; others load as no time.
constexpr int kFirstStoredYear = 1990;
constexpr int kLastStoredYear = 2090;

// The order in which the record is written back.
constexpr std::array<std::string_view, 48> kSaveOrder = {
    "HOME_PATH", "DATA_FILE", "USER_POINT_FILE", "VESSEL", "CALL", "DEPARTURE", "ARRIVAL",
    "COMMAND", "ROUNDING", "IN_COLOR", "BOUNDARIES", "CHARTS", "LEN_LAT_LON", "GC_PT_GCD",
    "NAMES", "LAND", "RIVERS", "GRID", "MAP_INVERT", "PORTS", "SEA", "NO_CALC_GC_OUT",
    "NO_FILE_CHART_OUT", "NO_FILE_INTER_OUT", "NO_CALC_CHART_OUT", "NO_CALC_INTER_OUT",
    "NO_ETA_OUT", "OUTPUT_FORMAT", "NO_AMVER_MONTH", "FILE_PT", "SEPARATOR_CHAR",
    "DECIMAL_PT_COMMA", "EXTRA_PRECISION", "GPS_SMG_CMG", "GPS_BAUD", "GPS_PORT",
    "GPS_AT_START", "GPS_LOG", "GPS_DISPLAY_TRACK", "GPS_LABEL_TRACK", "GPS_MAX_SAMPLES",
    "GPS_SAMPLE_INTERVAL", "GPS_LOGGING_INTERVAL", "RGB_COLOR_MAP", "RGB_PRINT_COLOR_MAP",
    "RGB_CUSTOM_COLORS", "REMARK", "LAND_CLEARANCE"};

bool fileOpens(const std::string& path) { return std::ifstream(path).is_open(); }

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// Applies one value to the record as its key's rules allow. `number` is the
// stored integer of an integer key, `text` the stored text of the others.
void applyValue(SettingsRecord& record, const SettingsKey& key, std::optional<int> number,
                const std::optional<std::string>& text) {
  std::visit(Overloaded{
                 [&](const IntKey& k) {
                   if (number && k.accepts(*number)) record.*k.field = *number;
                 },
                 [&](const TextKey& k) {
                   if (!text) return;
                   const std::string value = k.trimmed ? trim(*text) : *text;
                   if (value.size() >= k.minimum && value.size() <= k.maximum) record.*k.field = value;
                 },
                 [&](const DateKey& k) {
                   if (!text || text->empty() || !isDigit(text->front())) return;
                   if (const auto decoded = decodeStoredDateTime(*text)) record.*k.field = *decoded;
                 },
                 [&](const PaletteKey& k) {
                   if (text) decodeColourText(*text, record.*k.field);
                 },
                 [&](const CustomColoursKey&) {
                   if (text) decodeColourText(*text, record.RGB_CUSTOM_COLORS);
                 },
             },
             key.kind);
}

void readKey(SettingsRecord& record, const SettingsStore& store, const SettingsKey& key) {
  if (std::holds_alternative<IntKey>(key.kind)) {
    applyValue(record, key, store.readInt(kSettingsSection, key.name), std::nullopt);
  } else {
    applyValue(record, key, std::nullopt, store.readText(kSettingsSection, key.name));
  }
}

bool writeKey(const SettingsRecord& record, SettingsStore& store, const SettingsKey& key) {
  return std::visit(
      Overloaded{
          [&](const IntKey& k) { return store.writeInt(kSettingsSection, key.name, record.*k.field); },
          [&](const TextKey& k) {
            const std::string& value = record.*k.field;
            if (k.field == &SettingsRecord::USER_POINT_FILE && value.empty()) return true;
            return store.writeText(kSettingsSection, key.name, value);
          },
          [&](const DateKey& k) {
            return store.writeText(kSettingsSection, key.name, encodeStoredDateTime(record.*k.field));
          },
          [&](const PaletteKey& k) {
            return store.writeText(kSettingsSection, key.name, encodeColourText(record.*k.field));
          },
          [&](const CustomColoursKey&) {
            return store.writeText(kSettingsSection, key.name, encodeColourText(record.RGB_CUSTOM_COLORS));
          },
      },
      key.kind);
}

// "DDMMYYYYHHMM" split into its fields as written; nullopt unless 12 digits.
std::optional<DateTime> storedDateTimeFields(std::string_view text) {
  if (text.size() != kStoredDateTimeLength || !std::all_of(text.begin(), text.end(), isDigit)) return std::nullopt;
  const auto field = [&](std::size_t at, std::size_t width) { return *digitsOnly(text.substr(at, width)); };
  DateTime t;
  t.day = field(0, 2);
  t.month = field(2, 2);
  t.year = field(4, 4);
  t.hour = field(8, 2);
  t.minute = field(10, 2);
  return t;
}

// True when every component of a colour text for `colours` colours is three
// digits from 000 to 255.
bool exactColourText(std::string_view text, std::size_t colours) {
  if (text.size() != colours * kComponentsPerColour * kDigitsPerComponent) return false;
  if (!std::all_of(text.begin(), text.end(), isDigit)) return false;
  for (std::size_t at = 0; at < text.size(); at += kDigitsPerComponent) {
    if (*digitsOnly(text.substr(at, kDigitsPerComponent)) > kLargestComponent) return false;
  }
  return true;
}

std::string colourRange(std::size_t colours) {
  return fmt::sprintf("%d digits: %d colours, each three components from 000 to %d",
                      colours * kComponentsPerColour * kDigitsPerComponent, colours, kLargestComponent);
}

// The values a key takes, said to the user; nothing when `value` is one of
// them and the load would store it as it is written.
std::optional<std::string> refusal(const SettingsKey& key, std::string_view value) {
  return std::visit(
      Overloaded{
          [&](const IntKey& k) -> std::optional<std::string> {
            if (const auto n = integerOnly<int>(value); n && k.accepts(*n)) return std::nullopt;
            std::string range = fmt::sprintf("a whole number from %d to %d", k.minimum, k.maximum);
            for (std::size_t i = 0; i < k.refused.size(); ++i)
              range += fmt::sprintf("%s%d", i == 0 ? " other than " : " and ", k.refused[i]);
            return range;
          },
          [&](const TextKey& k) -> std::optional<std::string> {
            const std::string text = k.trimmed ? trim(value) : std::string(value);
            const bool emptyByDefault = text.empty() && (SettingsRecord{}.*k.field).empty();
            if ((text.size() >= k.minimum && text.size() <= k.maximum) || emptyByDefault) return std::nullopt;
            return fmt::sprintf("a text of %d to %d characters", k.minimum, k.maximum);
          },
          [&](const DateKey&) -> std::optional<std::string> {
            if (value.empty()) return std::nullopt;
            const auto t = storedDateTimeFields(value);
            if (t && t->valid() && validatedDateTime(*t) == *t) return std::nullopt;
            return fmt::sprintf(
                "a GMT time DDMMYYYYhhmm (12 digits): a day that its month has, a year from %d to %d, hour 00 "
                "to 23, minute 00 to 59; or nothing for no time",
                kFirstStoredYear, kLastStoredYear);
          },
          [&](const PaletteKey&) -> std::optional<std::string> {
            if (exactColourText(value, kPaletteSize)) return std::nullopt;
            return colourRange(kPaletteSize);
          },
          [&](const CustomColoursKey&) -> std::optional<std::string> {
            if (exactColourText(value, kCustomColourCount)) return std::nullopt;
            return colourRange(kCustomColourCount);
          },
      },
      key.kind);
}

bool endsWithSeparator(std::string_view path) { return !path.empty() && path.back() == '/'; }

bool isDirectory(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

// The second line of the bad-path message: the directories in which the
// chart catalogue was looked for.
std::string homeSearchText(const std::vector<std::string>& searched) {
  if (searched.empty()) return "No home directory was given.";
  std::string text = std::string(kChartCatalogueFileName) + " was looked for in";
  for (std::size_t i = 0; i < searched.size(); ++i) {
    text += (i == 0 ? " " : " and ") + searched[i];
    if (!isDirectory(searched[i])) text += " (no such directory)";
  }
  return text + ".";
}

// Step 4 of the load: ask for the home directory. False when the answer
// names no directory holding the chart catalogue; the message then names
// every directory looked in (`searched` and the answer).
bool askHomePath(SettingsRecord& record, Messages& messages, std::vector<std::string> searched) {
  std::string answer = record.HOME_PATH;
  const bool confirmed =
      messages.prompt(fmt::sprintf("Enter full data path (home directory) for %s: ", "Z5"), answer, true);
  if (answer.size() >= kPathLimit) return true;
  // A cancelled or empty answer must not silently make the working directory home.
  if (confirmed && !answer.empty()) {
    if (fileOpens(answer + kChartCatalogueFileName)) {
      record.HOME_PATH = answer;
      return true;
    }
    if (fileOpens(answer + "/" + kChartCatalogueFileName)) {
      record.HOME_PATH = answer + "/";
      return true;
    }
    const std::string answered = homeFile(answer, "");
    if (std::find(searched.begin(), searched.end(), answered) == searched.end()) searched.push_back(answered);
  }
  messages.showMessage("cannot find config file - bad data path - exiting.\n" + homeSearchText(searched), 8000);
  return false;
}

// Why a string file was refused: it does not open, or it is short.
std::string stringFileShortfall(const std::string& path, int linesFound, int linesNeeded) {
  if (isDirectory(path)) return fmt::sprintf("%s is a directory.", path);
  if (linesFound < 0) return fmt::sprintf("%s cannot be opened.", path);
  return fmt::sprintf("%s holds %d lines; %d are needed, one string a line.", path, linesFound, linesNeeded);
}

bool loadStringFiles(SettingsRecord& record, StringTable& strings, Messages& messages) {
  struct File {
    StringFile file;
    const char* name;
    const char* failure;
  };
  constexpr File kFiles[] = {
      {StringFile::Error, StringTable::kErrorFileName, "Cannot find Z5 error string file - exiting."},
      {StringFile::Prompt, StringTable::kPromptFileName, "Cannot find Z5 prompt string file - exiting."},
  };
  for (const File& f : kFiles) {
    std::vector<int> replaced;
    const std::string path = homeFile(record.HOME_PATH, f.name);
    int linesFound = 0;
    if (!strings.load(f.file, path, replaced, &linesFound)) {
      messages.showMessage(
          std::string(f.failure) + "\n" + stringFileShortfall(path, linesFound, StringTable::count(f.file)), 8000);
      return false;
    }
    // Strings are numbered from 0, lines from 1: the message gives both.
    for (int number : replaced) {
      messages.appendLine(fmt::sprintf(
          "%s line %d (string %d): the text does not fit the values the program gives it; the built-in text "
          "is used.",
          path, number + 1, number));
    }
  }
  return true;
}

}  // namespace

std::string homeFile(std::string_view homePath, std::string_view name) {
  std::string path(homePath);
  if (!path.empty() && !endsWithSeparator(path)) path += '/';
  path += name;
  return path;
}

void applyDefaultSettings(SettingsRecord& record) {
  const SettingsRecord defaults;
  for (const SettingsKey& key : kSettingsKeys) {
    const std::string_view n = key.name;
    const bool gpsOption = n == "GPS_PORT" || n == "GPS_SMG_CMG" || n == "GPS_BAUD" || n == "GPS_AT_START" ||
                           n == "GPS_DISPLAY_TRACK" || n == "GPS_LABEL_TRACK";
    const bool initial = n == "FILE_PT" || n == "MAP_INVERT" || n == "RGB_CUSTOM_COLORS" || n == "GPS_LOG" ||
                         n == "GPS_LOGGING_INTERVAL" || n == "GPS_MAX_SAMPLES" || n == "GPS_SAMPLE_INTERVAL";
    const bool notReset = n == "HOME_PATH" || n == "RGB_COLOR_MAP" || n == "RGB_PRINT_COLOR_MAP" ||
                          n == "DEPARTURE" || n == "ARRIVAL";
    if (gpsOption || initial || notReset) continue;
    std::visit(Overloaded{
                   [&](const IntKey& k) { record.*k.field = defaults.*k.field; },
                   [&](const TextKey& k) { record.*k.field = defaults.*k.field; },
                   [](const auto&) {},
               },
               key.kind);
  }
  record.greatCircle = GreatCircleSettings{};
  record.chartScale = ChartScaleLimits{};
  record.departure = DateTime{};
  record.arrival = DateTime{};
  record.departureText.clear();
  record.arrivalRemark.clear();
}

void applyGpsOptionDefaults(SettingsRecord& record) {
  const SettingsRecord defaults;
  record.GPS_PORT = defaults.GPS_PORT;
  record.GPS_SMG_CMG = defaults.GPS_SMG_CMG;
  record.GPS_BAUD = defaults.GPS_BAUD;
  record.GPS_AT_START = defaults.GPS_AT_START;
  record.GPS_DISPLAY_TRACK = defaults.GPS_DISPLAY_TRACK;
  record.GPS_LABEL_TRACK = defaults.GPS_LABEL_TRACK;
}

void applyPaletteDefaults(SettingsRecord& record) {
  record.RGB_COLOR_MAP = kDefaultScreenPalette;
  record.RGB_PRINT_COLOR_MAP = kDefaultPrintPalette;
}

DateTime validatedDateTime(DateTime t) {
  if (t.year < kFirstStoredYear || t.year > kLastStoredYear) t.year = 0;
  if (t.month < 1 || t.month > 12) t.month = 1;
  if (t.day < 1 || t.day > daysInMonth(t.year, t.month)) t.day = 1;
  if (t.hour < 0 || t.hour > 23) t.hour = 0;
  if (t.minute < 0 || t.minute > 59) t.minute = 0;
  return t;
}

std::optional<DateTime> decodeStoredDateTime(std::string_view text) {
  const auto fields = storedDateTimeFields(text);
  if (!fields) return std::nullopt;
  // No time keeps no fields: what a save writes for it loads back the same.
  const DateTime time = validatedDateTime(*fields);
  return time.valid() ? time : DateTime{};
}

std::string encodeStoredDateTime(const DateTime& t) {
  return fmt::sprintf("%02d%02d%04d%02d%02d", t.day, t.month, t.year, t.hour, t.minute);
}

void decodeColourText(std::string_view text, std::span<Rgb> colours) {
  const std::size_t components = colours.size() * 3;
  if (text.size() != components * kDigitsPerComponent) return;
  for (std::size_t c = 0; c < components; ++c) {
    const std::size_t at = c * kDigitsPerComponent;
    const auto component = leadingInteger<int>(text.substr(at, kDigitsPerComponent), Sign::None);
    if (!component) return;
    const int value = component->value;
    if (value > kLargestComponent) continue;
    Rgb& colour = colours[c / 3];
    (c % 3 == 0 ? colour.red : c % 3 == 1 ? colour.green : colour.blue) = value;
  }
}

std::string encodeColourText(std::span<const Rgb> colours) {
  std::string text;
  for (const Rgb& colour : colours) {
    for (int component : {colour.red, colour.green, colour.blue}) text += fmt::sprintf("%03d", component);
  }
  return text;
}

std::string settingsOutputFileName(std::string_view dataFile) {
  const std::size_t nameStart = dataFile.find_last_of('/') == std::string_view::npos ? 0 : dataFile.find_last_of('/') + 1;
  const std::size_t dot = dataFile.find('.', nameStart);
  return std::string(dataFile.substr(0, dot)) + ".OUT";
}

bool isSettingsKey(std::string_view name) { return findSettingsKey(name) != nullptr; }

std::optional<std::string> settingsValueRefusal(std::string_view key, std::string_view value) {
  const SettingsKey* found = findSettingsKey(key);
  return found ? refusal(*found, value) : std::nullopt;
}

bool loadSettings(SettingsMode mode, SettingsRecord& record, const SettingsStore& store, StringTable& strings,
                  Messages& messages) {
  applyDefaultSettings(record);

  bool homeFound = false;
  std::vector<std::string> searched;  // directories without the chart catalogue
  if (const auto home = store.readText(kSettingsSection, "HOME_PATH");
      home && home->size() >= 2 && home->size() <= kPathLimit) {
    homeFound = fileOpens(homeFile(*home, kChartCatalogueFileName));
    if (homeFound) {
      record.HOME_PATH = endsWithSeparator(*home) ? *home : *home + "/";
    } else {
      searched.push_back(homeFile(*home, ""));
    }
  }

  if (mode == SettingsMode::Stored) {
    for (const SettingsKey& key : kSettingsKeys) {
      if (key.name != "HOME_PATH") readKey(record, store, key);
    }
    if (record.DATA_FILE.empty()) record.DATA_FILE = kDefaultDataFile;
  }

  if (!homeFound && !askHomePath(record, messages, std::move(searched))) return false;

  record.outputFileName = settingsOutputFileName(record.DATA_FILE);
  if (!loadStringFiles(record, strings, messages)) return false;

  if (record.FILE_PT == 1 && (record.USER_POINT_FILE.empty() || !fileOpens(record.USER_POINT_FILE))) {
    record.FILE_PT = 0;
  }
  record.roundingText = std::to_string(record.ROUNDING);
  if (record.departure.valid()) record.departureText = dateTimeText(record.departure);
  if (record.arrival.valid()) record.arrivalRemark = "File arrival time may not be valid.";
  return true;
}

bool saveSettings(const SettingsRecord& record, SettingsStore& store) {
  if (record.noSave) return true;
  for (std::string_view name : kSaveOrder) {
    if (!writeKey(record, store, *findSettingsKey(name))) return false;
  }
  return true;
}

}  // namespace z5
