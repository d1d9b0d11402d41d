#pragma once
// The editors' settings kept in the profile: the display and printer fonts
// (sections "Font" and "PrintFont"), word wrap and the tab stops (section
// "Settings"). Loaded at start-up and written back at exit where changed.

#include "base/SettingsStore.h"
#include "map/MapFont.h"

namespace z5 {

inline constexpr const char* kEditorFontSection = "Font";
inline constexpr const char* kEditorPrintFontSection = "PrintFont";

class EditorProfile {
 public:
  // Tab stops are kept in dialog units; a character is this many.
  static constexpr int kUnitsPerCharacter = 4;
  static constexpr int kDefaultTabStops = 32;  // 8 characters
  // The widest tab stop in characters: a route line's length.
  static constexpr int kWidestTabStop = 255;

  void load(const SettingsStore& store);
  // Writes each value that differs from what was loaded; false when the
  // store refused a write.
  bool save(SettingsStore& store) const;

  // Courier New bold, 16 pixels, on screen; no printer font of its own.
  static MapFontDescription defaultDisplayFont();
  static MapFontDescription defaultPrinterFont();

  MapFontDescription display = defaultDisplayFont();
  MapFontDescription printer = defaultPrinterFont();
  bool wordWrap = false;
  int tabStops = kDefaultTabStops;  // dialog units

  // "Mirror Display Font": printing uses the display font again.
  void mirrorDisplayFont();
  bool printerFollowsDisplay() const { return printer.height == 0; }

  int tabStopCharacters() const { return tabStops / kUnitsPerCharacter; }
  // Tab stops of `characters` characters; false (nothing changed) when
  // that is not a width a line can have.
  bool setTabStopCharacters(int characters);

 private:
  MapFontDescription loadedDisplay_ = defaultDisplayFont();
  MapFontDescription loadedPrinter_ = defaultPrinterFont();
  bool displayStored_ = false;
  bool printerStored_ = false;
  bool loadedWordWrap_ = false;
  int loadedTabStops_ = kDefaultTabStops;
};

}  // namespace z5
