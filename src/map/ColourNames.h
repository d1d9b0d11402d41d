#pragma once
// The names of the 35 colour slots of the map palettes, as the colour
// dialog lists them: consecutive prompt strings, so a user may reword them.

#include <string>

#include "base/Palettes.h"
#include "base/StringTable.h"

namespace z5 {

inline constexpr int kFirstColourNamePrompt = 116;  // slot 0; slot i is this + i

inline std::string colourSlotName(const StringTable& strings, int slot) {
  if (slot < 0 || slot >= kPaletteSize) return {};
  // A name takes no arguments: its text as loaded.
  return strings.text(StringFile::Prompt, kFirstColourNamePrompt + slot);
}

}  // namespace z5
