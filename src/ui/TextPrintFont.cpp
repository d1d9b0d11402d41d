#include "ui/TextPrintFont.h"

#include <algorithm>

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

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

// The editor's display font without a stored height: Courier New, bold, 16 pixels.
constexpr int kDefaultHeight = -16;
constexpr int kBold = 700;
constexpr int kDefaultPitchAndFamily = 49;
constexpr const char* kDefaultFace = "Courier New";
constexpr const char* kFallbackFace = "System";

// A description from `section`; nullopt when it holds no height.
std::optional<MapFontDescription> storedFont(const SettingsStore& store, const char* section) {
  const int height = store.readInt(section, "Height").value_or(0);
  if (height == 0) return std::nullopt;
  MapFontDescription font;
  font.height = height;
  font.weight = store.readInt(section, "Weight").value_or(0);
  font.italic = store.readInt(section, "Italic").value_or(0);
  font.underline = store.readInt(section, "Underline").value_or(0);
  font.pitchAndFamily = store.readInt(section, "PitchAndFamily").value_or(0);
  font.charSet = store.readInt(section, "CharSet").value_or(1);
  font.faceName = store.readText(section, "FaceName").value_or(kFallbackFace).substr(0, kMaxFaceNameLength);
  return font;
}

MapFontDescription editorDisplayFont() {
  MapFontDescription font;
  font.height = kDefaultHeight;
  font.weight = kBold;
  font.pitchAndFamily = kDefaultPitchAndFamily;
  font.faceName = kDefaultFace;
  return font;
}

double printerOverScreen(const QPaintDevice& printer) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || screen->logicalDotsPerInchY() <= 0) return 1.0;
  return printer.logicalDpiY() / screen->logicalDotsPerInchY();
}

}  // namespace

QFont textPrintFont(const SettingsStore& store, const QPaintDevice& printer) {
  std::optional<MapFontDescription> font = storedFont(store, kPrinterSection);
  if (!font) font = storedFont(store, kDisplaySection);
  return toQFont(font.value_or(editorDisplayFont()), printerOverScreen(printer));
}

int textTabStopCharacters(const SettingsStore& store) {
  const int units = store.readInt(kSettingsSection, kTabStopsKey).value_or(kDefaultTabStopUnits);
  return std::clamp(units / kUnitsPerCharacter, 1, kLargestTabStop);
}

}  // namespace z5
