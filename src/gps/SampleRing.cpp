#include "gps/SampleRing.h"

#include <algorithm>

namespace z5 {
namespace {

// A sample counts as completed above this many hours.
constexpr double kCompletedHours = 0.0000001;
// The test of a slot that is still open.
constexpr double kOpenHours = 0.000001;
constexpr double kSecondsPerHour = 3600;

// `longitude` minus `reference`, brought into -180..180.
double longitudeDifference(double longitude, double reference) {
  double d = longitude - reference;
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

}  // namespace

void SampleRing::empty() {
  slots_.fill(Sample{});
  count_ = next_ = completed_ = 0;
}

void SampleRing::store(int index, const FixTime& time, double latitude, double longitude) {
  Sample& s = slots_[index];
  s = Sample{};
  s.start = time;
  s.startLatitude = latitude;
  s.startLongitude = longitude;
}

std::optional<SampleRing::Average> SampleRing::addFix(const FixTime& time, double latitude, double longitude,
                                                      int maxSamples, int intervalSeconds) {
  maxSamples = std::clamp(maxSamples, 1, kSlots);
  // The sample count was lowered without emptying the ring: start afresh.
  if (count_ > maxSamples || next_ >= maxSamples) empty();
  // Until the ring is full the next slot is the first unused one; after the
  // sample count was raised it is no longer the wrapped index.
  if (count_ < maxSamples) next_ = count_;

  if (count_ < maxSamples) {
    ++count_;
    store(next_, time, latitude, longitude);
    next_ = (next_ + 1) % maxSamples;
  }

  int oldest = -1;
  double oldestAge = 0;
  for (int i = 0; i < count_; ++i) {
    Sample& s = slots_[i];
    if (!s.used()) continue;
    const double ageSeconds = secondsBetween(s.start, time);
    const double ageHours = ageSeconds / kSecondsPerHour;
    if (s.elapsedHours < kOpenHours && ageSeconds >= intervalSeconds) {
      s.elapsedHours = ageHours;
      s.endLatitude = latitude;
      s.endLongitude = longitude;
    }
    if (oldest < 0 || ageHours > oldestAge) {
      oldest = i;
      oldestAge = ageHours;
    }
  }
  // Once every sample has been completed, the newest fix replaces the oldest.
  if (oldest >= 0 && completed_ >= maxSamples) store(oldest, time, latitude, longitude);
  return average();
}

std::optional<SampleRing::Average> SampleRing::average() {
  Average sum;
  int completed = 0;
  double reference = 0;
  for (int i = 0; i < count_; ++i) {
    const Sample& s = slots_[i];
    if (!s.used() || s.elapsedHours <= kCompletedHours) continue;
    if (completed == 0) reference = s.startLongitude;
    ++completed;
    sum.elapsedHours += s.elapsedHours;
    sum.startLatitude += s.startLatitude;
    sum.endLatitude += s.endLatitude;
    sum.startLongitude += longitudeDifference(s.startLongitude, reference);
    sum.endLongitude += longitudeDifference(s.endLongitude, reference);
  }
  if (completed == 0) return std::nullopt;
  completed_ = completed;
  const double n = completed;
  return Average{sum.elapsedHours / n, sum.startLatitude / n, sum.startLongitude / n, sum.endLatitude / n,
                 sum.endLongitude / n};
}

}  // namespace z5
