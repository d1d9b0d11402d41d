#pragma once
// What a line from the receiver is: a sentence of a satellite-navigation
// talker, and among those the recommended-minimum fix ("RMC").

#include <string_view>

namespace z5 {

enum class NmeaLineKind {
  Other,      // another talker, another instrument, noise: no effect
  Satellite,  // a satellite receiver is talking: refreshes the received flag
  Fix         // its RMC sentence: goes to the fix parser
};

// Case-sensitive, from the first byte of the line.
NmeaLineKind classifyNmeaLine(std::string_view line);

}  // namespace z5
