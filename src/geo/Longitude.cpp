#include "geo/Longitude.h"

#include <cmath>
#include <limits>

namespace z5 {

double wrapLongitude(double longitude) {
  if (longitude < -180) return longitude + 360;
  if (longitude > 180) return longitude - 360;
  return longitude;
}

double relativeLongitude(double longitude, double reference) { return wrapLongitude(longitude - reference); }

double absoluteLongitude(double relative, double reference) {
  return wrapLongitude(wrapLongitude(relative) + reference);
}

std::int64_t wrapLongitudeSeconds(std::int64_t seconds) {
  if (seconds < -kHalfTurnSeconds) return seconds + kFullTurnSeconds;
  if (seconds > kHalfTurnSeconds) return seconds - kFullTurnSeconds;
  return seconds;
}

int relativeLongitudeSeconds(int longitudeSeconds, int referenceSeconds) {
  return static_cast<int>(wrapLongitudeSeconds(std::int64_t{longitudeSeconds} - referenceSeconds));
}

int absoluteLongitudeSeconds(int relativeSeconds, int referenceSeconds) {
  return static_cast<int>(wrapLongitudeSeconds(wrapLongitudeSeconds(relativeSeconds) + referenceSeconds));
}

int toArcSeconds(double degrees) {
  if (std::isnan(degrees)) return kNoCrossingSeconds;
  const double seconds = std::trunc(degrees * kSecondsPerDegree);
  constexpr double kLowest = std::numeric_limits<int>::min();
  constexpr double kHighest = std::numeric_limits<int>::max();
  if (seconds <= kLowest) return std::numeric_limits<int>::min();
  if (seconds >= kHighest) return std::numeric_limits<int>::max();
  return static_cast<int>(seconds);
}

}  // namespace z5
