#pragma once
// The ring of position samples that speed and course made good are averaged
// from when the receiver's own speed and course are not used. A sample
// starts at one fix and is completed by the first fix at least one sample
// interval later; the average runs over the completed samples.

#include <array>
#include <optional>

#include "gps/FixTime.h"

namespace z5 {

struct Sample {
  FixTime start;               // year 0: an empty slot
  double startLatitude = 0;    // degrees
  double startLongitude = 0;   // degrees
  double elapsedHours = -1.0;  // below 0 until completed
  double endLatitude = 0;
  double endLongitude = 0;

  bool used() const { return start.at.valid(); }
};

class SampleRing {
 public:
  static constexpr int kSlots = 50;

  // The mean displacement over the completed samples. Longitudes are
  // differences from the start longitude of one of them, each within
  // -180..180, so a ring that straddles the 180th meridian averages right.
  struct Average {
    double elapsedHours = 0;
    double startLatitude = 0, startLongitude = 0;
    double endLatitude = 0, endLongitude = 0;
  };

  SampleRing() { empty(); }
  void empty();

  // One fix: take it as a new sample when there is room (or, once every
  // sample is completed, in place of the oldest), complete the samples it
  // is an interval past, and average. nullopt while nothing is completed.
  // `maxSamples` is clamped to 1..kSlots.
  std::optional<Average> addFix(const FixTime& time, double latitude, double longitude, int maxSamples,
                                int intervalSeconds);

  int count() const { return count_; }
  int nextSlot() const { return next_; }
  int completedCount() const { return completed_; }
  const Sample& slot(int index) const { return slots_.at(index); }

 private:
  void store(int index, const FixTime& time, double latitude, double longitude);
  std::optional<Average> average();

  std::array<Sample, kSlots> slots_{};
  int count_ = 0;
  int next_ = 0;
  int completed_ = 0;
};

}  // namespace z5
