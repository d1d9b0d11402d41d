#pragma once
// Names in the binary data files are stored with every character's code
// plus 23 (modulo 256); a stored byte 0 ends the name.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace z5 {

inline constexpr std::uint8_t kNameCodeShift = 23;

// Decodes up to `fieldSize` stored bytes, stopping at a stored 0.
std::string decodeStoredName(const std::uint8_t* field, std::size_t fieldSize);

// Fills a field of `fieldSize` bytes: at most fieldSize - 1 characters, then
// stored zeros. A character whose code is 256 - 23 (it would be stored as 0,
// cutting the name) is stored as '?'.
void encodeStoredName(std::string_view name, std::uint8_t* field, std::size_t fieldSize);

}  // namespace z5
