#include "geo/EarthModel.h"

#include <cmath>

#include "geo/ArcUnits.h"

namespace z5 {
namespace {

// Coefficients of the length of a degree of latitude, metres (single precision).
constexpr double kLatitudeDegreeMetres = 111132.92f;
constexpr double kLatitudeDegreeCos2 = 559.82f;
constexpr double kLatitudeDegreeCos4 = 1.175f;
constexpr double kLatitudeDegreeCos6 = 0.0023f;
// Coefficients of the length of a degree of longitude, metres.
constexpr double kLongitudeDegreeMetres = 111412.84f;
constexpr double kLongitudeDegreeCos3 = 93.5;
constexpr double kLongitudeDegreeCos5 = 0.118f;

// Bisection of the inverse meridional parts: 180 degrees halved this often
// is far below a double's resolution, so the loop always ends.
constexpr int kMaxHalvings = 200;

// Below this |mid latitude| a track has no vertex worth weighting.
constexpr double kNoMidLatitude = 0.001;

bool oppositeSides(double lat1, double lat2) { return (lat1 < 0 && lat2 > 0) || (lat1 > 0 && lat2 < 0); }

}  // namespace

double meridionalParts(double latitude) {
  using namespace earth;
  if (std::fabs(latitude) < kEquatorTolerance) return 0;
  const double a = std::fabs(latitude) * kMpRadiansPerDegree;
  const double tangent = std::tan(a / 2 + kMpQuarterPi);
  // The single-precision constants carry the last 2e-6 degrees before a
  // pole past it, where the tangent turns negative: the pole's parts.
  if (!(tangent > 0)) return latitude < 0 ? -HUGE_VAL : HUGE_VAL;
  const double s = std::sin(a);
  const double q = kEccentricitySquared * s * s;
  const double series = 1 + q / 3 + q * q * 0.2 + q * q * q * kMpSeventh;
  const double parts = (std::log(tangent) - kEccentricitySquared * s * series) * kMpMinutesPerRadian;
  return latitude < 0 ? -parts : parts;
}

double latitudeAtMeridionalParts(double target, double tolerance) {
  double south = -90, north = 90, latitude = 0;
  for (int i = 0; i < kMaxHalvings && !(std::fabs(target - meridionalParts(latitude)) <= tolerance); ++i) {
    if (target < meridionalParts(latitude)) {
      north = latitude;
    } else {
      south = latitude;
    }
    latitude = (south + north) / 2;
  }
  return latitude;
}

double degreeOfLatitudeLength(double latitude) {
  const double phi = std::fabs(latitude) * kRadiansPerDegree;
  return (kLatitudeDegreeMetres - kLatitudeDegreeCos2 * std::cos(2 * phi) + kLatitudeDegreeCos4 * std::cos(4 * phi) -
          kLatitudeDegreeCos6 * std::cos(6 * phi)) *
         earth::kNauticalMilesPerMetre;
}

double degreeOfLongitudeLength(double latitude) {
  const double phi = std::fabs(latitude) * kRadiansPerDegree;
  return (kLongitudeDegreeMetres * std::cos(phi) - kLongitudeDegreeCos3 * std::cos(3 * phi) +
          kLongitudeDegreeCos5 * std::cos(5 * phi)) *
         earth::kNauticalMilesPerMetre;
}

double meridianArcLength(double arcMinutes, double lat1, double lat2, double midLatitude) {
  const double l1 = degreeOfLatitudeLength(lat1);
  const double l2 = degreeOfLatitudeLength(lat2);
  const bool opposite = oppositeSides(lat1, lat2);
  if (std::fabs(midLatitude) < kNoMidLatitude) {
    if (!opposite) return arcMinutes * (l1 + l2) / 120;
    // Each part of the track on its own side of the equator, weighted by latitude.
    const double l0 = degreeOfLatitudeLength(0);
    const double sum = std::fabs(lat1) + std::fabs(lat2);
    return arcMinutes * std::fabs(lat1) / sum * (l1 + l0) / 120 + arcMinutes * std::fabs(lat2) / sum * (l2 + l0) / 120;
  }
  const double lm = degreeOfLatitudeLength(midLatitude);
  if (!opposite) return arcMinutes * (l1 + 2 * lm + l2) / 240;
  return arcMinutes * (l1 + 2 * lm + 2 * degreeOfLatitudeLength(0) + l2) / 360;
}

}  // namespace z5
