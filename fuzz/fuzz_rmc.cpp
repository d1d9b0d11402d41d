// Receiver bytes as the reader thread sees them: assembled into lines in
// reads of varying size, sorted by talker, and the fix sentences read. A
// sentence that is accepted must describe a possible fix.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gps/LineAssembler.h"
#include "gps/NmeaLine.h"
#include "gps/RmcSentence.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

void checkFix(std::string_view line) {
  const z5::RmcReading r = z5::readRmcSentence(line);
  if (!r.accepted) return;
  const z5::RmcFix& f = r.fix;
  check(f.hour >= 0 && f.hour <= 23 && f.minute >= 0 && f.minute <= 59);
  check(f.second >= 0 && f.second < 61);
  check(std::fabs(f.latitude) <= 90 && std::fabs(f.longitude) <= 180);
  check(std::isfinite(f.speed) && f.speed >= 0);
  check(f.course == z5::kUnknownCourse || (f.course >= 0 && f.course < 360));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // The whole input as one sentence, as the parser may be handed any line.
  checkFix(input);
  // And as a byte stream: the first byte sets the size of the reads.
  const std::size_t readSize = size == 0 ? 1 : 1 + data[0] % 256;
  z5::LineAssembler lines;
  for (std::size_t at = 0; at < input.size(); at += readSize) {
    lines.append(input.substr(at, readSize));
    check(lines.held() < z5::LineAssembler::kCapacity);
    while (const auto line = lines.nextLine()) {
      if (z5::classifyNmeaLine(*line) == z5::NmeaLineKind::Fix) checkFix(*line);
    }
  }
  return 0;
}
