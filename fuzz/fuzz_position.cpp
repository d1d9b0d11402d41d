// Position text as people type it: any bytes parse to a position in range
// or to -999, and a parsed position formats and parses back to itself.

#include <cmath>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "route/PositionText.h"
#include "route/Waypoint.h"

using z5::fuzz::check;

namespace {

void parseAndFormat(std::string_view text, z5::PositionKind kind, double limit) {
  const double degrees = z5::parsePosition(text, kind);
  if (degrees == z5::kNoPosition) return;
  check(std::isfinite(degrees) && std::fabs(degrees) <= limit);
  for (const bool threeDecimals : {false, true}) {
    const std::string formatted = z5::formatPosition(degrees, kind, threeDecimals);
    const double again = z5::parsePosition(formatted, kind);
    // The text is rounded to its last digit of minutes (or clamped below 60
    // minutes, one step): it stays within one step of the value.
    const double stepMinutes = threeDecimals ? 0.001 : 0.01;
    check(again != z5::kNoPosition && std::fabs(again - degrees) <= stepMinutes * 1.0001 / 60);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  parseAndFormat(text, z5::PositionKind::Latitude, 90);
  parseAndFormat(text, z5::PositionKind::Longitude, 180);
  return 0;
}
