#pragma once
// Course, reciprocal and distance of the rhumb line between two positions,
// as the map and the position displays show them.

#include <string>

#include "geo/LegGeometry.h"

namespace z5 {

struct BearingTexts {
  std::string course;      // "005.00T"
  std::string reciprocal;  // "185.00T"
  std::string distance;    // "%5.2fNM"
};

// The texts of a rhumb-line course and distance.
BearingTexts bearingTexts(double course, double distance);

// The rhumb line from (lat1, lon1) to (lat2, lon2), degrees, with the
// geodetic lengths of a degree when `geodetic` (LEN_LAT_LON).
BearingTexts bearingTexts(const LegGeometry& geometry, double lat1, double lon1, double lat2, double lon2,
                          bool geodetic);

}  // namespace z5
