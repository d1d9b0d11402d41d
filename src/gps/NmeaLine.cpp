#include "gps/NmeaLine.h"

#include <array>

namespace z5 {
namespace {

// Talkers of satellite receivers: GPS, and the multi-system receivers that
// report the same fix as combined (GN) or per system. Instruments relaying a
// position (II, EC, ...) are not the receiver and are ignored.
constexpr std::array<std::string_view, 7> kSatelliteTalkers = {"GP", "GN", "GL", "GA", "GB", "BD", "GQ"};
constexpr std::string_view kFixSentence = "RMC";

bool isSatelliteTalker(std::string_view talker) {
  for (const auto t : kSatelliteTalkers)
    if (t == talker) return true;
  return false;
}

}  // namespace

NmeaLineKind classifyNmeaLine(std::string_view line) {
  if (line.size() < 3 || line[0] != '$' || !isSatelliteTalker(line.substr(1, 2))) return NmeaLineKind::Other;
  return line.substr(3, kFixSentence.size()) == kFixSentence ? NmeaLineKind::Fix : NmeaLineKind::Satellite;
}

}  // namespace z5
