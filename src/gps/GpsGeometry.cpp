#include "gps/GpsGeometry.h"

#include "geo/LegGeometry.h"
#include "nav/TimeText.h"
#include "route/PositionText.h"

namespace z5 {

// Each leg is worked relative to the meridian of its start, so the
// difference of longitude is the short way round wherever the ship is.
CourseDistance rhumbLineBetween(double lat1, double lon1, double lat2, double lon2, bool geodetic) {
  const RhumbLineLeg leg = LegGeometry(lon1).rhumbLine(lat1, lon1, lat2, lon2, geodetic);
  return {leg.course, leg.distance};
}

CourseDistance greatCircleBetween(double lat1, double lon1, double lat2, double lon2, bool geodetic) {
  const GreatCircleLeg leg = LegGeometry(lon1).greatCircleLeg(lat1, lon1, lat2, lon2, geodetic);
  return {leg.course, leg.distance};
}

std::string latitudeText(double degrees) { return formatPosition(degrees, PositionKind::Latitude, true); }
std::string longitudeText(double degrees) { return formatPosition(degrees, PositionKind::Longitude, true); }

std::string etaText(const DateTime& at, double hours) {
  constexpr int kToTheMinute = 1;
  return formatTimeText(at, hours, kToTheMinute);
}

}  // namespace z5
