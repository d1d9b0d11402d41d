#include "map/MapFont.h"

namespace z5 {
namespace {

constexpr int kDefaultDisplayHeight = -14;
constexpr int kBold = 700;
constexpr int kDefaultPitchAndFamily = 49;
constexpr int kDefaultCharSet = 1;
constexpr const char* kDefaultFace = "Times New Roman";
constexpr const char* kFallbackFace = "System";

constexpr const char* kHeight = "ChartHeight";
constexpr const char* kWeight = "ChartWeight";
constexpr const char* kItalic = "ChartItalic";
constexpr const char* kUnderline = "ChartUnderline";
constexpr const char* kPitchAndFamily = "ChartPitchAndFamily";
constexpr const char* kCharSet = "ChartCharSet";
constexpr const char* kFaceName = "ChartFaceName";

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
  writeInt(kHeight, font.height, loaded.height);
  writeInt(kWeight, font.weight, loaded.weight);
  writeInt(kItalic, font.italic, loaded.italic);
  writeInt(kUnderline, font.underline, loaded.underline);
  writeInt(kPitchAndFamily, font.pitchAndFamily, loaded.pitchAndFamily);
  writeInt(kCharSet, font.charSet, loaded.charSet);
  if (ok && (whole || font.faceName != loaded.faceName)) ok = store.writeText(section, kFaceName, font.faceName);
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

MapFontDescription loadMapFont(const SettingsStore& store, std::string_view section,
                               const MapFontDescription& defaults, bool* storedHeight) {
  const int height = store.readInt(section, kHeight).value_or(0);
  if (storedHeight) *storedHeight = height != 0;
  if (height == 0) return defaults;
  MapFontDescription font;
  font.height = height;
  font.weight = store.readInt(section, kWeight).value_or(0);
  font.italic = store.readInt(section, kItalic).value_or(0);
  font.underline = store.readInt(section, kUnderline).value_or(0);
  font.pitchAndFamily = store.readInt(section, kPitchAndFamily).value_or(0);
  font.charSet = store.readInt(section, kCharSet).value_or(kDefaultCharSet);
  font.faceName = cutFace(store.readText(section, kFaceName).value_or(kFallbackFace));
  return font;
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
