// Receiver bytes as the reader thread sees them: assembled into lines in
// reads of varying size, sorted by talker, the fix sentences read, and each
// line's fix processed as the monitor does (dates, samples, goto
// navigation). A sentence that is accepted must describe a possible fix,
// and no text shown to the navigator may read "nan" or "inf".

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "base/Clock.h"
#include "gps/FixProcessor.h"
#include "gps/LineAssembler.h"
#include "gps/NmeaLine.h"
#include "gps/RmcSentence.h"

using z5::fuzz::check;

namespace {

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

class FixedClock final : public z5::Clock {
 public:
  z5::ClockTime localNow() const override { return {2002, 3, 23, 13, 35, 0, 6}; }
  z5::ClockTime utcNow() const override { return {2002, 3, 23, 12, 35, 0, 6}; }
};

// The fix processor with everything it touches; the track log is off (it
// would write files) and a goto waypoint is set, whose leg is known.
struct Processor {
  explicit Processor(bool fromUnit) {
    settings.GPS_LOG = 0;
    settings.GPS_SMG_CMG = fromUnit ? 1 : 0;
    settings.GPS_SAMPLE_INTERVAL = 2;
    settings.GPS_MAX_SAMPLES = 3;
    leg.index = 1;
    leg.latitude = 48.2;
    leg.longitude = 11.6;
    leg.legCourse = 45;
    leg.legKnown = true;
    leg.previousLatitude = 48;
    leg.previousLongitude = 11.3;
    notices.refused = "refused";
  }
  void checkTexts() const {
    for (int t = 0; t < z5::GpsTextSet::kTextCount; ++t) {
      const std::string text = texts.fix(static_cast<z5::GpsTextSet::Text>(t));
      check(text.find("nan") == std::string::npos && text.find("inf") == std::string::npos);
    }
  }

  z5::SettingsRecord settings;
  z5::GpsLocks locks;
  z5::GpsTextSet texts{locks.text};
  z5::SampleRing samples;
  z5::TrackLog trackLog{locks.log, settings};
  z5::GotoLeg leg;
  z5::MapViewState mapView;
  FixedClock clock;
  z5::GpsNoticeTexts notices;
  z5::FixProcessor fixes{z5::GpsShared{locks, texts, samples, trackLog, leg, settings, mapView, clock, notices}};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // The whole input as one sentence, as the parser may be handed any line.
  checkFix(input);
  // And as a byte stream: the first byte sets the size of the reads and
  // whether speed and course come from the unit or from samples.
  const std::size_t readSize = size == 0 ? 1 : 1 + data[0] % 256;
  Processor processor(size > 0 && (data[0] & 0x80) != 0);
  z5::LineAssembler lines;
  for (std::size_t at = 0; at < input.size(); at += readSize) {
    lines.append(input.substr(at, readSize));
    check(lines.held() < z5::LineAssembler::kCapacity);
    while (const auto line = lines.nextLine()) {
      if (z5::classifyNmeaLine(*line) != z5::NmeaLineKind::Fix) continue;
      checkFix(*line);
      processor.fixes.process(*line);
      processor.checkTexts();
    }
  }
  return 0;
}
