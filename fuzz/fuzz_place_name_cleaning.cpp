// Place names as published data spells them, cleaned for the place-name
// files: any bytes give plain printable ASCII of at most 22 characters with
// single spaces and no blank at either end.

#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "world/PlaceNameCleaning.h"
#include "world/PlaceNameFile.h"

using z5::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string name = z5::cleanPlaceName(std::string_view(reinterpret_cast<const char*>(data), size));
  check(name.size() <= static_cast<std::size_t>(z5::kMaxPlaceNameLength));
  for (char c : name) check(c >= ' ' && c <= '~');
  check(name.find("  ") == std::string::npos);
  check(name.empty() || (name.front() != ' ' && name.back() != ' '));
  return 0;
}
