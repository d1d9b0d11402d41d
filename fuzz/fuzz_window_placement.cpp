// The stored main-window placement: any bytes are either refused or read
// into a placement whose rectangle has a size and which writes back to the
// same numbers.

#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "editor/WindowPlacement.h"

using z5::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto placement = z5::parseWindowPlacement(text);
  if (!placement) return 0;
  check(placement->right > placement->left && placement->bottom > placement->top);
  check(z5::parseWindowPlacement(z5::formatWindowPlacement(*placement)) == placement);
  return 0;
}
