#include "map/MapFont.h"

namespace z5 {
namespace {

constexpr int kDefaultDisplayHeight = -14;
constexpr int kBold = 700;
constexpr int kDefaultPitchAndFamily = 49;
constexpr int kDefaultCharSet = 1;
constexpr const char* kDefaultFace = "Times New Roman";
constexpr const char* kFallbackFace = "System";

// The map's values carry this prefix: "ChartHeight", "ChartFaceName"...
constexpr std::string_view kMapKeyPrefix = "Chart";
constexpr std::string_view kHeight = "Height";
constexpr std::string_view kWeight = "Weight";
constexpr std::string_view kItalic = "Italic";
constexpr std::string_view kUnderline = "Underline";
constexpr std::string_view kPitchAndFamily = "PitchAndFamily";
constexpr std::string_view kCharSet = "CharSet";
constexpr std::string_view kFaceName = "FaceName";

std::string key(std::string_view prefix, std::string_view name) { return std::string(prefix).append(name); }

std::string cutFace(std::string face) {
  if (face.size() > kMaxFaceNameLength) face.resize(kMaxFaceNameLength);
  return face;
}

}  // namespace

bool saveFontDescription(SettingsStore& store, std::string_view section, std::string_view keyPrefix,
                         const MapFontDescription& font, const MapFontDescription& loaded, bool wasStored) {
  const bool whole = !wasStored && font != loaded;
  bool ok = true;
  auto writeInt = [&](std::string_view name, int value, int before) {
    if (ok && (whole || value != before)) ok = store.writeInt(section, key(keyPrefix, name), value);
  };
  writeInt(kHeight, font.height, loaded.height);
  writeInt(kWeight, font.weight, loaded.weight);
  writeInt(kItalic, font.italic, loaded.italic);
  writeInt(kUnderline, font.underline, loaded.underline);
  writeInt(kPitchAndFamily, font.pitchAndFamily, loaded.pitchAndFamily);
  writeInt(kCharSet, font.charSet, loaded.charSet);
  const std::string face = cutFace(font.faceName);
  if (ok && (whole || face != loaded.faceName)) ok = store.writeText(section, key(keyPrefix, kFaceName), face);
  return ok;
}

MapFontDescription defaultDisplayFont() {
  MapFontDescription font;
  font.height = kDefaultDisplayHeight;
  font.weight = kBold;
  font.pitchAndFamily = kDefaultPitchAndFamily;
  font.charSet = kDefaultCharSet;
  font.faceName = kDefaultFace;
  return font;
}

MapFontDescription defaultPrinterFont() {
  MapFontDescription font = defaultDisplayFont();
  font.height = 0;
  return font;
}

MapFontDescription loadFontDescription(const SettingsStore& store, std::string_view section,
                                       std::string_view keyPrefix, const MapFontDescription& defaults,
                                       bool* storedHeight) {
  const int height = store.readInt(section, key(keyPrefix, kHeight)).value_or(0);
  if (storedHeight) *storedHeight = height != 0;
  if (height == 0) return defaults;
  MapFontDescription font;
  font.height = height;
  font.weight = store.readInt(section, key(keyPrefix, kWeight)).value_or(0);
  font.italic = store.readInt(section, key(keyPrefix, kItalic)).value_or(0);
  font.underline = store.readInt(section, key(keyPrefix, kUnderline)).value_or(0);
  font.pitchAndFamily = store.readInt(section, key(keyPrefix, kPitchAndFamily)).value_or(0);
  font.charSet = store.readInt(section, key(keyPrefix, kCharSet)).value_or(kDefaultCharSet);
  font.faceName = cutFace(store.readText(section, key(keyPrefix, kFaceName)).value_or(kFallbackFace));
  return font;
}

MapFontDescription loadMapFont(const SettingsStore& store, std::string_view section,
                               const MapFontDescription& defaults, bool* storedHeight) {
  return loadFontDescription(store, section, kMapKeyPrefix, defaults, storedHeight);
}

void MapFonts::load(const SettingsStore& store) {
  display = loadMapFont(store, kChartFontSection, defaultDisplayFont(), &displayStored_);
  printer = loadMapFont(store, kChartPrintFontSection, defaultPrinterFont(), &printerStored_);
  loadedDisplay_ = display;
  loadedPrinter_ = printer;
}

bool MapFonts::save(SettingsStore& store) const {
  return saveFontDescription(store, kChartFontSection, kMapKeyPrefix, display, loadedDisplay_, displayStored_) &&
         saveFontDescription(store, kChartPrintFontSection, kMapKeyPrefix, printer, loadedPrinter_, printerStored_);
}

void MapFonts::mirrorDisplayFont() {
  printer = display;
  printer.height = 0;
  printer.width = 0;
}

}  // namespace z5
