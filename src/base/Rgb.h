#pragma once

#include <cstdint>

namespace z5 {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace z5
