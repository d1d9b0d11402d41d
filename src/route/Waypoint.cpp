#include "route/Waypoint.h"

#include "base/Utf8Text.h"

namespace z5 {

std::string paddedWaypointName(std::string_view name) {
  return paddedToCharacters(name, kWaypointNameLength);
}

}  // namespace z5
