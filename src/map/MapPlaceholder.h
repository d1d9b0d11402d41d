#pragma once
// The file a map document stands for: "%stemp%d.bmp" in the home directory,
// numbered after the route file's path, holding a single space. The
// picture itself is never written to it.

#include <optional>
#include <string>
#include <string_view>

#include "base/StringTable.h"

namespace z5 {

// The number of a route path: the sum over its characters (at most the
// first 260, each taken as a signed 8-bit value) of character x (position
// + 1), positions from 0, then the remainder of the sum by 32768, which
// keeps the sum's sign.
int placeholderNumber(std::string_view routePath);

// "%stemp%d.bmp" filled with `home` (ending in '/') and the route's number.
std::string placeholderFileName(std::string_view home, std::string_view routePath);

// What became of making sure the placeholder exists.
struct PlaceholderResult {
  std::optional<ErrorNumber<std::string>> error;  // none, or error string 47 (open), 49 (write) or 48 (close)
  int cause = 0;  // the file error's cause number (0..14) with the error
  bool ok() const { return !error; }
};

// Creates the file at `path` holding one space when there is none; an
// existing file of any kind is left as it is.
PlaceholderResult ensurePlaceholderFile(const std::string& path);

}  // namespace z5
