#include "route/Waypoint.h"

namespace z5 {

std::string paddedWaypointName(std::string_view name) {
  std::string padded(name.substr(0, kWaypointNameLength));
  padded.resize(kWaypointNameLength, ' ');
  return padded;
}

}  // namespace z5
