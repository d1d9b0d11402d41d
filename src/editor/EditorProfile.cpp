#include "editor/EditorProfile.h"

namespace z5 {
namespace {

constexpr const char* kSettingsSection = "Settings";
constexpr const char* kWordWrap = "WordWrap";
constexpr const char* kTabStops = "TabStops";
// Editor font values carry no prefix: "Height", "FaceName"...
constexpr std::string_view kKeyPrefix = "";

constexpr int kDefaultDisplayHeight = -16;
constexpr int kBold = 700;
constexpr int kDefaultPitchAndFamily = kFixedPitch | kFamilyModern;
constexpr const char* kDefaultFace = "Courier New";

}  // namespace

MapFontDescription EditorProfile::defaultDisplayFont() {
  MapFontDescription font;
  font.height = kDefaultDisplayHeight;
  font.weight = kBold;
  font.pitchAndFamily = kDefaultPitchAndFamily;
  font.faceName = kDefaultFace;
  return font;
}

MapFontDescription EditorProfile::defaultPrinterFont() {
  MapFontDescription font = defaultDisplayFont();
  font.height = 0;
  return font;
}

void EditorProfile::load(const SettingsStore& store) {
  display = loadFontDescription(store, kEditorFontSection, kKeyPrefix, defaultDisplayFont(), &displayStored_);
  printer = loadFontDescription(store, kEditorPrintFontSection, kKeyPrefix, defaultPrinterFont(), &printerStored_);
  wordWrap = store.readInt(kSettingsSection, kWordWrap).value_or(0) != 0;
  const int tabs = store.readInt(kSettingsSection, kTabStops).value_or(kDefaultTabStops);
  tabStops = tabs >= kUnitsPerCharacter && tabs <= kWidestTabStop * kUnitsPerCharacter ? tabs : kDefaultTabStops;
  loadedDisplay_ = display;
  loadedPrinter_ = printer;
  loadedWordWrap_ = wordWrap;
  loadedTabStops_ = tabStops;
}

bool EditorProfile::save(SettingsStore& store) const {
  bool ok = saveFontDescription(store, kEditorFontSection, kKeyPrefix, display, loadedDisplay_, displayStored_) &&
            saveFontDescription(store, kEditorPrintFontSection, kKeyPrefix, printer, loadedPrinter_, printerStored_);
  if (ok && wordWrap != loadedWordWrap_) ok = store.writeInt(kSettingsSection, kWordWrap, wordWrap ? 1 : 0);
  if (ok && tabStops != loadedTabStops_) ok = store.writeInt(kSettingsSection, kTabStops, tabStops);
  return ok;
}

void EditorProfile::mirrorDisplayFont() {
  printer = display;
  printer.height = 0;
  printer.width = 0;
}

bool EditorProfile::setTabStopCharacters(int characters) {
  if (characters < 1 || characters > kWidestTabStop) return false;
  tabStops = characters * kUnitsPerCharacter;
  return true;
}

}  // namespace z5
