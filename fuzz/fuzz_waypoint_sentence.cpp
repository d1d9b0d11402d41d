// A "$CCWPL" route line as another program or a receiver writes it, read
// as UTF-8 or Latin-1 as the route reader reads its lines: any bytes decode
// to a waypoint in range with a padded UTF-8 name, or to a reason; a decoded waypoint written out as the NMEA output writes it
// decodes back to the same place, within the printed step.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "base/Utf8Text.h"
#include "geo/ArcUnits.h"
#include "report/WaypointSentenceFormat.h"
#include "route/Waypoint.h"
#include "route/WaypointSentence.h"

using z5::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line = z5::linesAsUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  const z5::WaypointSentence s = z5::decodeWaypointSentence(line);
  check(s.result >= z5::WaypointSentence::kValid && s.result <= z5::WaypointSentence::kBadChecksum);
  if (s.result != z5::WaypointSentence::kValid) return 0;
  check(std::fabs(s.latitude) <= 90 && std::fabs(s.longitude) <= 180);
  check(z5::isValidUtf8(s.name) && z5::characterCount(s.name) == static_cast<std::size_t>(z5::kWaypointNameLength));
  for (const bool extraPrecision : {false, true}) {
    const std::string written = z5::formatWaypointSentence(s.name, s.latitude, s.longitude, extraPrecision);
    const z5::WaypointSentence back = z5::decodeWaypointSentence(written);
    check(back.result == z5::WaypointSentence::kValid);
    // Half a printed step of minutes, and the clamp below 60 minutes: one step.
    const double step = (extraPrecision ? 0.001 : 0.01) * 1.0001 / z5::kMinutesPerDegree;
    check(std::fabs(back.latitude - s.latitude) <= step && std::fabs(back.longitude - s.longitude) <= step);
  }
  return 0;
}
