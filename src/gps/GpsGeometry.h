#pragma once
// The navigation arithmetic the GPS monitor uses, in the form it needs it:
// courses and distances between two positions, the position texts and the
// ETA text. Thin wrappers over the leg geometry, the position formatter and
// the time text of the route and navigation code.

#include <string>

#include "base/DateTime.h"

namespace z5 {

struct CourseDistance {
  double course = 0;    // degrees true, [0, 360)
  double distance = 0;  // nautical miles, >= 0
};

// Latitudes in degrees [-90, 90], longitudes in degrees; the difference of
// longitude is taken the short way round (across the 180th meridian when
// that is shorter). `geodetic` selects the ellipsoidal lengths of a degree
// (the LEN_LAT_LON setting). Coincident points give course 0, distance 0.
CourseDistance rhumbLineBetween(double lat1, double lon1, double lat2, double lon2, bool geodetic);
// The initial great-circle course and the great-circle distance.
CourseDistance greatCircleBetween(double lat1, double lon1, double lat2, double lon2, bool geodetic);

// Degrees and minutes with three decimals: "48-07.038N", "011-31.000E".
std::string latitudeText(double degrees);
std::string longitudeText(double degrees);

// The report time text "HHMM DD MON YY" of `at` plus `hours`, to the minute.
std::string etaText(const DateTime& at, double hours);

}  // namespace z5
