#pragma once
// The earth model of every course and distance: meridional parts on the
// ellipsoid and the geodetic lengths of a degree of latitude and longitude.
//
// The constants marked "single precision" are the float values the
// arithmetic was fixed with, widened to double; everything else is double.

namespace z5 {

namespace earth {
// Eccentricity squared of the ellipsoid of the meridional parts (single precision).
inline constexpr double kEccentricitySquared = 0.006694316f;
// Degrees to radians inside the meridional parts (single precision).
inline constexpr double kMpRadiansPerDegree = 0.017453293f;
// Pi / 4 inside the meridional parts (single precision).
inline constexpr double kMpQuarterPi = 0.7853982f;
// Minutes of arc per radian inside the meridional parts (single precision).
inline constexpr double kMpMinutesPerRadian = 3437.7468f;
// The series coefficient 1/7 of the meridional parts (single precision).
inline constexpr double kMpSeventh = 0.14285715f;
// Minutes of arc per radian: great-circle distances, one NM per minute.
inline constexpr double kMinutesPerRadian = 3437.7467707849396;
// Nautical miles per metre (single precision).
inline constexpr double kNauticalMilesPerMetre = 0.00053996f;
// Latitudes closer to the equator than this have no meridional parts.
inline constexpr double kEquatorTolerance = 1e-8;
}  // namespace earth

// Meridional parts of a latitude on the ellipsoid, in minutes.
//   latitude: degrees, -90..90 (north positive).
//   Result: minutes of meridional parts, odd in the latitude; exactly 0 for
//   |latitude| < 1e-8. About +-7.4e3 at 85 degrees; +-infinity (HUGE_VAL)
//   at the poles and within about 2e-6 degrees of them.
double meridionalParts(double latitude);

// The latitude whose meridional parts are `target` (minutes), by bisection
// between -90 and 90 starting at 0, until the parts of the guess are within
// `tolerance` minutes of the target. Targets beyond the parts of +-89.99999
// degrees end after a bounded number of halvings near the pole.
//   Result: degrees, -90..90.
double latitudeAtMeridionalParts(double target, double tolerance);

// Geodetic length of one degree of latitude at `latitude` (degrees; the sign
// is ignored). Result: NM, about 59.7 at the equator to 60.3 at the poles.
double degreeOfLatitudeLength(double latitude);

// Geodetic length of one degree of longitude at `latitude` (degrees; the sign
// is ignored). Result: NM, about 60.1 at the equator, 0 at the poles.
double degreeOfLongitudeLength(double latitude);

// Geodetic length of a track `arcMinutes` long (minutes of arc, any sign;
// the result has its sign) between latitudes lat1 and lat2, with the mid
// latitude `midLatitude` (the vertex of a great circle, 0 when none): the arc
// scaled by the mean length of a degree of latitude along it. Latitudes in
// degrees; a latitude of exactly 0 is never on the opposite side of the
// equator from the other. Result: NM.
double meridianArcLength(double arcMinutes, double lat1, double lat2, double midLatitude);

}  // namespace z5
