#include "world/NameCoding.h"

#include <algorithm>

namespace z5 {

std::string decodeStoredName(const std::uint8_t* field, std::size_t fieldSize) {
  std::string name;
  for (std::size_t i = 0; i < fieldSize && field[i] != 0; ++i)
    name.push_back(static_cast<char>(static_cast<std::uint8_t>(field[i] - kNameCodeShift)));
  return name;
}

void encodeStoredName(std::string_view name, std::uint8_t* field, std::size_t fieldSize) {
  if (fieldSize == 0) return;
  std::fill(field, field + fieldSize, 0);
  const std::size_t n = std::min(name.size(), fieldSize - 1);
  for (std::size_t i = 0; i < n; ++i) {
    auto stored = static_cast<std::uint8_t>(static_cast<std::uint8_t>(name[i]) + kNameCodeShift);
    if (stored == 0) stored = static_cast<std::uint8_t>('?' + kNameCodeShift);
    field[i] = stored;
  }
}

}  // namespace z5
