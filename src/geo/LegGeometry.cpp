#include "geo/LegGeometry.h"

#include <algorithm>
#include <cmath>

#include "geo/ArcUnits.h"
#include "geo/EarthModel.h"
#include "geo/Longitude.h"

namespace z5 {
namespace {


// Differences (minutes of arc) below this count as none.
constexpr double kNoDifference = 1e-7;
// Every great-circle leg short of half a turn is closed by this much, degrees.
constexpr double kGreatCircleNudge = 1e-6;
// Both ends within this of the equator (radians): an equator leg.
constexpr double kOnEquator = 1e-7;
// A course this close to 090/270 (radians) leaves from the vertex.
constexpr double kFromVertex = 1e-9;
// Courses within this of a multiple of 90 degrees are cardinal.
constexpr double kCardinalTolerance = 1e-9;
// The rhumb crossings bisect until the meridional parts agree this well (single precision).
constexpr double kCrossingTolerance = 0.01f;

double clampUnit(double x) { return std::clamp(x, -1.0, 1.0); }

// Course in [0, 360).
double normalCourse(double course) { return course >= 360 ? course - 360 : course; }

}  // namespace

bool isCardinalCourse(double course) { return std::fabs(std::fmod(450 - course, 90)) < kCardinalTolerance; }

double LegGeometry::relative(double longitude) const { return relativeLongitude(longitude, reference_); }

double LegGeometry::absolute(double relative) const { return absoluteLongitude(relative, reference_); }

RhumbLineLeg LegGeometry::rhumbLine(double lat1, double lon1, double lat2, double lon2, bool geodetic) const {
  const double r1 = relative(lon1);
  const double r2 = relative(lon2);
  const double dLat = (lat2 - lat1) * kMinutesPerDegree;
  const double dLon = (r2 - r1) * kMinutesPerDegree;
  RhumbLineLeg leg;
  if (std::fabs(dLon) < kNoDifference) {
    leg.course = lat2 < lat1 ? 180 : 0;
    leg.distance = geodetic ? std::fabs(meridianArcLength(dLat, lat1, lat2, 0)) : std::fabs(dLat);
    return leg;
  }
  if (std::fabs(dLat) < kNoDifference) {
    // Parallel sailing: the departure.
    leg.course = r2 >= r1 ? 90 : 270;
    leg.distance = geodetic ? std::fabs(degreeOfLongitudeLength(lat1) * dLon / kMinutesPerDegree)
                            : std::fabs(dLon * std::cos(lat1 * kRadiansPerDegree));
    return leg;
  }
  const double dParts = meridionalParts(lat2) - meridionalParts(lat1);
  const double c = std::atan2(std::fabs(dLon), std::fabs(dParts));
  leg.distance = std::fabs(dLat / std::cos(c));
  if (geodetic) leg.distance = std::fabs(meridianArcLength(leg.distance, lat1, lat2, 0));
  const double cDegrees = c * kDegreesPerRadian;
  if (dLat > 0) {
    leg.course = dLon >= 0 ? cDegrees : 360 - cDegrees;
  } else {
    leg.course = dLon > 0 ? 180 - cDegrees : 180 + cDegrees;
  }
  leg.course = normalCourse(leg.course);
  return leg;
}

GreatCircleLeg LegGeometry::greatCircleLeg(double lat1, double lon1, double lat2, double lon2, bool geodetic) const {
  double r1 = relative(lon1);
  double r2 = relative(lon2);
  const double d = std::fabs(r2 - r1);
  if (d > 180) {
    // The short way round.
    if (r1 >= 0) {
      r2 += 360;
    } else {
      r1 += 360;
    }
  }
  if (d - 180 < kGreatCircleNudge) {
    if (r2 > r1) {
      r1 += kGreatCircleNudge;
    } else {
      r2 += kGreatCircleNudge;
    }
  }
  const double dLat = (lat2 - lat1) * kMinutesPerDegree;
  const double dLon = (r2 - r1) * kMinutesPerDegree;
  double a = std::fabs(r2 - r1) * kRadiansPerDegree;
  // Solved as if the start were in the northern hemisphere.
  const double p1 = std::fabs(lat1) * kRadiansPerDegree;
  const bool otherHemisphere = (lat1 >= 0 && lat2 < 0) || (lat1 < 0 && lat2 >= 0);
  const double p2 = (otherHemisphere ? -1 : 1) * std::fabs(lat2) * kRadiansPerDegree;

  const double cosD = clampUnit(std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(a));
  GreatCircleLeg leg;
  leg.altitude = std::asin(cosD) * kDegreesPerRadian;
  if (a >= kPi) a = -a;

  if (std::fabs(dLon) < kNoDifference) {
    leg.course = dLat < 0 ? 180 : 0;
    leg.distance = geodetic ? std::fabs(meridianArcLength(dLat, lat1, lat2, 0)) : std::fabs(dLat);
    leg.vertexLatitude = 90;
    return leg;
  }
  if (std::fabs(p1) < kOnEquator && std::fabs(p2) < kOnEquator) {
    leg.course = dLon < 0 ? 270 : 90;
    leg.distance = geodetic ? std::fabs(degreeOfLongitudeLength(0) * dLon) / kMinutesPerDegree : std::fabs(dLon);
    return leg;
  }

  leg.distance = std::fabs(std::acos(cosD) * earth::kMinutesPerRadian);
  double c = std::atan(std::sin(a) / (std::cos(p1) * std::tan(p2) - std::sin(p1) * std::cos(a)));
  if (c < 0) c += kPi;

  double vertexLatitude;    // radians
  double vertexDifference;  // radians
  if (std::fabs(std::fabs(c) - kPi / 2) < kFromVertex) {
    vertexLatitude = std::fabs(lat1) * kRadiansPerDegree;
    vertexDifference = 0;
  } else {
    vertexLatitude = std::acos(std::sin(c) * std::cos(lat1 * kRadiansPerDegree));
    const double q = clampUnit(std::cos(c) / std::sin(vertexLatitude));
    vertexDifference = std::fabs(std::cos(c)) > std::fabs(std::sin(vertexLatitude)) ? kPi / 2 : std::fabs(std::asin(q));
  }

  const double cDegrees = c * kDegreesPerRadian;
  if (lat1 >= 0) {
    leg.course = dLon >= 0 ? cDegrees : 360 - cDegrees;
  } else {
    leg.course = dLon > 0 ? 180 - cDegrees : 180 + cDegrees;
  }
  leg.course = normalCourse(leg.course);

  leg.vertexDifference = vertexDifference * kDegreesPerRadian;
  const bool ahead = leg.course < 90 || (leg.course >= 180 && leg.course <= 270);
  const bool east = lat1 >= 0 ? ahead : !ahead;
  const double vertexRelative = east ? r1 + leg.vertexDifference : r1 - leg.vertexDifference;
  leg.vertexOnLeg = vertexRelative > std::min(r1, r2) && vertexRelative < std::max(r1, r2);
  leg.vertexLongitude = absolute(wrapLongitude(vertexRelative));
  leg.vertexLatitude = (lat1 < 0 ? -1 : 1) * vertexLatitude * kDegreesPerRadian;

  if (geodetic) {
    leg.distance = std::fabs(meridianArcLength(leg.distance, lat1, lat2, leg.vertexOnLeg ? leg.vertexLatitude : 0));
  }
  return leg;
}

GreatCirclePoint LegGeometry::greatCirclePointAtLongitude(const GreatCircleLeg& leg, double longitude, double lat1,
                                                          double lon1, double lon2, double limit) const {
  const double course = leg.course;
  const double toVertex = std::fabs(leg.vertexDifference);
  const double fromStart = std::fabs(wrapLongitude(relative(longitude) - relative(lon1)));
  const bool towardsVertex = lat1 >= 0 ? (course <= 90 || course >= 270) : (course >= 90 && course <= 270);
  double f = std::fabs(towardsVertex ? fromStart - toVertex : toVertex + fromStart);
  if (f > 90) f = 180 - f;

  GreatCirclePoint point;
  point.latitude =
      std::atan(std::tan(std::fabs(leg.vertexLatitude) * kRadiansPerDegree) * std::cos(f * kRadiansPerDegree)) *
      kDegreesPerRadian;
  const bool southward = course > 90 && course <= 270;
  const bool beyondQuarter = toVertex + fromStart > 90;
  const bool southern = (lat1 >= 0 && southward && beyondQuarter) || (lat1 < 0 && southward) ||
                        (lat1 < 0 && !southward && toVertex + fromStart < 90);
  if (southern) point.latitude = -point.latitude;

  const double vertexLatitude = std::fabs(leg.vertexLatitude);
  if (limit != 0 && vertexLatitude != 0 && limit < vertexLatitude) {
    const double n =
        std::acos(clampUnit(std::tan(limit * kRadiansPerDegree) / std::tan(vertexLatitude * kRadiansPerDegree))) *
        kDegreesPerRadian;
    const double r1 = relative(lon1);
    const double r2 = relative(lon2);
    double vertex = relative(leg.vertexLongitude);
    if (vertex < std::min(r1, r2) || vertex > std::max(r1, r2)) vertex = wrapLongitude(vertex + 180);
    const bool eastward = r1 < r2;
    point.crossesLimit = true;
    point.firstCrossing = absolute(wrapLongitude(eastward ? vertex - n : vertex + n));
    point.secondCrossing = absolute(wrapLongitude(eastward ? vertex + n : vertex - n));
  }
  return point;
}

int LegGeometry::rhumbLatitudeAtLongitude(int longitudeSeconds, Position start, Position end, double course) const {
  const double x = relative(static_cast<double>(longitudeSeconds) / kSecondsPerDegree);
  const double a = relative(start.longitude);
  const double b = relative(end.longitude);
  if ((x < a && x < b) || (x > a && x > b)) return kNoCrossingSeconds;
  if (std::fabs(a - b) < kNoDifference || isCardinalCourse(course)) return toArcSeconds(start.latitude);
  const double target =
      meridionalParts(start.latitude) + std::tan((450 - course) * kRadiansPerDegree) * (x - a) * kMinutesPerDegree;
  return toArcSeconds(latitudeAtMeridionalParts(target, kCrossingTolerance));
}

int LegGeometry::rhumbLongitudeAtLatitude(int latitudeSeconds, Position start, Position end, double course) const {
  const double y = static_cast<double>(latitudeSeconds) / kSecondsPerDegree;
  const double a = start.latitude;
  const double b = end.latitude;
  if ((y < a && y < b) || (y > a && y > b)) return kNoCrossingSeconds;
  if (std::fabs(a - b) < kNoDifference || isCardinalCourse(course)) return toArcSeconds(start.longitude);
  const double x = relative(start.longitude) + (meridionalParts(y) - meridionalParts(a)) /
                                                   std::tan((450 - course) * kRadiansPerDegree) / kMinutesPerDegree;
  return toArcSeconds(absolute(wrapLongitude(x)));
}

}  // namespace z5
