#include "map/MapFont.h"

namespace z5 {
namespace {

constexpr int kDefaultDisplayHeight = -14;
constexpr int kBold = 700;
constexpr int kDefaultPitchAndFamily = 49;
constexpr int kDefaultCharSet = 1;
constexpr const char* kDefaultFace = "Times New Roman";
constexpr const char* kFallbackFace = "System";

// The names of a font's values, with or without "Chart" in front.
struct FontKeys {
  const char* height;
  const char* weight;
  const char* italic;
  const char* underline;
  const char* pitchAndFamily;
  const char* charSet;
  const char* faceName;
};
constexpr FontKeys kChartKeys = {"ChartHeight",         "ChartWeight",  "ChartItalic",  "ChartUnderline",
                                 "ChartPitchAndFamily", "ChartCharSet", "ChartFaceName"};
constexpr FontKeys kPlainKeys = {"Height", "Weight", "Italic", "Underline", "PitchAndFamily", "CharSet", "FaceName"};

std::string cutFace(std::string face) {
  if (face.size() > kMaxFaceNameLength) face.resize(kMaxFaceNameLength);
  return face;
}

bool saveFont(SettingsStore& store, std::string_view section, const MapFontDescription& font,
              const MapFontDescription& loaded, bool wasStored) {
  const bool whole = !wasStored && font != loaded;
  bool ok = true;
  auto writeInt = [&](const char* key, int value, int before) {
    if (ok && (whole || value != before)) ok = store.writeInt(section, key, value);
  };
  writeInt(kChartKeys.height, font.height, loaded.height);
  writeInt(kChartKeys.weight, font.weight, loaded.weight);
  writeInt(kChartKeys.italic, font.italic, loaded.italic);
  writeInt(kChartKeys.underline, font.underline, loaded.underline);
  writeInt(kChartKeys.pitchAndFamily, font.pitchAndFamily, loaded.pitchAndFamily);
  writeInt(kChartKeys.charSet, font.charSet, loaded.charSet);
  if (ok && (whole || font.faceName != loaded.faceName)) {
    ok = store.writeText(section, kChartKeys.faceName, font.faceName);
  }
  return ok;
}

}  // namespace

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

namespace {

MapFontDescription loadFont(const SettingsStore& store, std::string_view section, const FontKeys& keys,
                            const MapFontDescription& defaults, bool* storedHeight) {
  const int height = store.readInt(section, keys.height).value_or(0);
  if (storedHeight) *storedHeight = height != 0;
  if (height == 0) return defaults;
  MapFontDescription font;
  font.height = height;
  font.weight = store.readInt(section, keys.weight).value_or(0);
  font.italic = store.readInt(section, keys.italic).value_or(0);
  font.underline = store.readInt(section, keys.underline).value_or(0);
  font.pitchAndFamily = store.readInt(section, keys.pitchAndFamily).value_or(0);
  font.charSet = store.readInt(section, keys.charSet).value_or(kDefaultCharSet);
  font.faceName = cutFace(store.readText(section, keys.faceName).value_or(kFallbackFace));
  return font;
}

}  // namespace

MapFontDescription loadMapFont(const SettingsStore& store, std::string_view section,
                               const MapFontDescription& defaults, bool* storedHeight) {
  return loadFont(store, section, kChartKeys, defaults, storedHeight);
}

MapFontDescription loadFontDescription(const SettingsStore& store, std::string_view section,
                                       const MapFontDescription& defaults, bool* storedHeight) {
  return loadFont(store, section, kPlainKeys, defaults, storedHeight);
}

void MapFonts::load(const SettingsStore& store) {
  display = loadMapFont(store, kChartFontSection, defaultDisplayFont(), &displayStored_);
  printer = loadMapFont(store, kChartPrintFontSection, defaultPrinterFont(), &printerStored_);
  loadedDisplay_ = display;
  loadedPrinter_ = printer;
}

bool MapFonts::save(SettingsStore& store) const {
  MapFontDescription displayToSave = display;
  MapFontDescription printerToSave = printer;
  displayToSave.faceName = cutFace(display.faceName);
  printerToSave.faceName = cutFace(printer.faceName);
  return saveFont(store, kChartFontSection, displayToSave, loadedDisplay_, displayStored_) &&
         saveFont(store, kChartPrintFontSection, printerToSave, loadedPrinter_, printerStored_);
}

void MapFonts::mirrorDisplayFont() {
  printer = display;
  printer.height = 0;
  printer.width = 0;
}

}  // namespace z5
