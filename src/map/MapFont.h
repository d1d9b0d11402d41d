#pragma once
// The map's two fonts, the display font and the printer font, as
// descriptions kept in the profile sections "ChartFont" and "ChartPrintFont".
// A description is what the window system needs to make a font; the Qt side
// turns it into a QFont.

#include <string>

#include "base/SettingsStore.h"

namespace z5 {

inline constexpr const char* kChartFontSection = "ChartFont";
inline constexpr const char* kChartPrintFontSection = "ChartPrintFont";
// Face names longer than this are cut.
inline constexpr std::size_t kMaxFaceNameLength = 31;

// Pitch-and-family values: the pitch in the low two bits, the family above.
inline constexpr int kFixedPitch = 1;
inline constexpr int kVariablePitch = 2;
inline constexpr int kFamilyRoman = 0x10;
inline constexpr int kFamilySwiss = 0x20;
inline constexpr int kFamilyModern = 0x30;
inline constexpr int kFamilyScript = 0x40;
inline constexpr int kFamilyDecorative = 0x50;
inline constexpr int kFamilyMask = 0xF0;
inline constexpr int kPitchMask = 0x03;

struct MapFontDescription {
  // Pixels: negative the height of the characters, positive the height of
  // the character cell, 0 "no height" (the printer font then follows the
  // display font).
  int height = 0;
  int width = 0;   // average character width, pixels; 0 follows the height (not stored)
  int weight = 0;  // 0 any, 100..900 (400 normal, 700 bold)
  int italic = 0;
  int underline = 0;
  int pitchAndFamily = 0;
  int charSet = 1;  // 1: the default character set
  std::string faceName = "System";

  friend bool operator==(const MapFontDescription&, const MapFontDescription&) = default;
};

// The defaults: Times New Roman, bold, 14 pixels on screen; the printer
// font without a height, that is, derived from the display font.
MapFontDescription defaultDisplayFont();
MapFontDescription defaultPrinterFont();

// One description from `section`: the defaults when its height is missing
// or 0, else the stored values with 0, character set 1 and face "System"
// for those missing. `storedHeight` tells which case it was.
MapFontDescription loadMapFont(const SettingsStore& store, std::string_view section,
                               const MapFontDescription& defaults, bool* storedHeight = nullptr);

// The same for any font of the profile: its values are named `keyPrefix`
// followed by "Height", "Weight", "Italic", "Underline", "PitchAndFamily",
// "CharSet" and "FaceName".
MapFontDescription loadFontDescription(const SettingsStore& store, std::string_view section,
                                       std::string_view keyPrefix, const MapFontDescription& defaults,
                                       bool* storedHeight = nullptr);
// Writes each value of `font` that differs from `loaded`; all of them when
// the section held no height (`wasStored` false) and anything changed, so
// that the next load reads the change back instead of the defaults. The
// face name is cut to kMaxFaceNameLength. False when the store refused.
bool saveFontDescription(SettingsStore& store, std::string_view section, std::string_view keyPrefix,
                         const MapFontDescription& font, const MapFontDescription& loaded, bool wasStored);


class MapFonts {
 public:
  MapFonts() = default;

  // Both fonts from the profile, remembered as loaded.
  void load(const SettingsStore& store);

  // Writes each value that differs from what was loaded. A section that was
  // loaded from the defaults (no stored height) is written whole once
  // anything in it changed, so that the next load reads the change back
  // instead of the defaults. False when the store refused a write.
  bool save(SettingsStore& store) const;

  MapFontDescription display = defaultDisplayFont();
  MapFontDescription printer = defaultPrinterFont();

  // "Mirror Display Font": the printer font follows the display font again.
  void mirrorDisplayFont();

  // Whether the printer font is to be derived from the display font.
  bool printerFollowsDisplay() const { return printer.height == 0; }

 private:
  MapFontDescription loadedDisplay_ = defaultDisplayFont();
  MapFontDescription loadedPrinter_ = defaultPrinterFont();
  bool displayStored_ = false;
  bool printerStored_ = false;
};

}  // namespace z5
