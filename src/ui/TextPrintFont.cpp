#include "ui/TextPrintFont.h"

#include <algorithm>
#include <optional>

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

// A description from `section` ("Height", "Weight", ...); nullopt when it holds no height.
std::optional<MapFontDescription> storedFont(const SettingsStore& store, const char* section) {
  const int height = store.readInt(section, "Height").value_or(0);
  if (height == 0) return std::nullopt;
  MapFontDescription font;
  font.height = height;
  font.weight = store.readInt(section, "Weight").value_or(0);
  font.italic = store.readInt(section, "Italic").value_or(0);
  font.underline = store.readInt(section, "Underline").value_or(0);
  font.pitchAndFamily = store.readInt(section, "PitchAndFamily").value_or(0);
  font.charSet = store.readInt(section, "CharSet").value_or(font.charSet);
  font.faceName = store.readText(section, "FaceName").value_or(font.faceName).substr(0, kMaxFaceNameLength);
  return font;
}

MapFontDescription editorDisplayFont() {
  MapFontDescription font = defaultDisplayFont();
  font.height = kDefaultHeight;
  font.faceName = kDefaultFace;
  return font;
}

}  // namespace

QFont textPrintFont(const SettingsStore& store, const QPaintDevice& printer) {
  std::optional<MapFontDescription> font = storedFont(store, kPrinterSection);
  if (!font) font = storedFont(store, kDisplaySection);
  return toQFont(font.value_or(editorDisplayFont()), deviceOverScreen(printer));
}

int textTabStopCharacters(const SettingsStore& store) {
  const int units = store.readInt(kSettingsSection, kTabStopsKey).value_or(kDefaultTabStopUnits);
  return std::clamp(units / kUnitsPerCharacter, 1, kLargestTabStop);
}

}  // namespace z5
