#pragma once
// The names of the 35 colour slots of the map palettes, as the colour
// dialog lists them: consecutive prompt strings, so a user may reword them.

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "base/Palettes.h"
#include "base/StringTable.h"

namespace z5 {

inline constexpr int kFirstColourNamePrompt = 116;  // slot 0; slot i is this + i

template <std::size_t... Slot>
consteval std::array<PromptNumber<>, sizeof...(Slot)> colourNamePrompts(std::index_sequence<Slot...>) {
  return {PromptNumber<>(kFirstColourNamePrompt + static_cast<int>(Slot))...};
}

// Each slot's prompt string, checked when the program compiles like any other.
inline constexpr auto kColourNamePrompts = colourNamePrompts(std::make_index_sequence<kPaletteSize>{});

inline std::string colourSlotName(const StringTable& strings, int slot) {
  if (slot < 0 || slot >= kPaletteSize) return {};
  return strings.prompt(kColourNamePrompts[static_cast<std::size_t>(slot)]);
}

}  // namespace z5
