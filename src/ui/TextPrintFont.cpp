#include "ui/TextPrintFont.h"

#include <algorithm>

#include <QPaintDevice>

#include "map/MapFont.h"
#include "ui/MapFontQt.h"

namespace z5 {
namespace {

constexpr const char* kDisplaySection = "Font";
constexpr const char* kPrinterSection = "PrintFont";
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kTabStopsKey = "TabStops";
constexpr int kDefaultTabStopUnits = 32;
constexpr int kUnitsPerCharacter = 4;
// The most characters between tab stops an editor offers.
constexpr int kLargestTabStop = 64;

// The editor's display font without a stored height: that of the map
// (bold, pitch and family 49) in Courier New, 16 pixels.
constexpr int kDefaultHeight = -16;
constexpr const char* kDefaultFace = "Courier New";

MapFontDescription editorDisplayFont() {
  MapFontDescription font = defaultDisplayFont();
  font.height = kDefaultHeight;
  font.faceName = kDefaultFace;
  return font;
}

}  // namespace

QFont textPrintFont(const SettingsStore& store, const QPaintDevice& printer) {
  bool printerFontSet = false;
  const MapFontDescription printerFont = loadFontDescription(store, kPrinterSection, {}, &printerFontSet);
  const MapFontDescription font =
      printerFontSet ? printerFont : loadFontDescription(store, kDisplaySection, editorDisplayFont());
  return toQFont(font, deviceOverScreen(printer));
}

int textTabStopCharacters(const SettingsStore& store) {
  const int units = store.readInt(kSettingsSection, kTabStopsKey).value_or(kDefaultTabStopUnits);
  return std::clamp(units / kUnitsPerCharacter, 1, kLargestTabStop);
}

}  // namespace z5
