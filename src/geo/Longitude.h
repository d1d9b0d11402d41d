#pragma once
// Longitudes relative to the reference meridian R of the map extent. Every
// difference of longitude in the program is taken between relative
// longitudes, so a voyage across the 180th meridian stays continuous as long
// as its middle waypoint's meridian is the reference.
//
// The wrap is one step: below -180 degrees add 360, above 180 subtract 360.
// In whole arc-seconds: below -648000 add 1296000, above 648000 subtract 1296000.

#include <cstdint>

#include "geo/ArcUnits.h"

namespace z5 {

inline constexpr int kHalfTurnSeconds = 648000;    // 180 degrees
inline constexpr int kFullTurnSeconds = 1296000;   // 360 degrees
// "No crossing" of the crossing operations: -999 degrees in arc-seconds.
inline constexpr int kNoCrossingSeconds = -3596400;

// One wrap step of a longitude in degrees (see above). Inputs within
// -540..540 come out within -180..180.
double wrapLongitude(double longitude);

// `longitude` (degrees, -180..180) relative to the reference meridian
// `reference` (degrees), wrapped: -180..180.
double relativeLongitude(double longitude, double reference);

// A relative longitude (degrees) turned back into an absolute one: it is
// wrapped, R added and wrapped again. Result -180..180.
double absoluteLongitude(double relative, double reference);

// The same on whole arc-seconds; the arithmetic is 64-bit, so any int input
// is safe. Inputs within +-180 degrees come out within -648000..648000.
std::int64_t wrapLongitudeSeconds(std::int64_t seconds);
int relativeLongitudeSeconds(int longitudeSeconds, int referenceSeconds);
int absoluteLongitudeSeconds(int relativeSeconds, int referenceSeconds);

// Degrees to whole arc-seconds, truncated toward zero. Values beyond the int
// range are clamped to it; NaN gives kNoCrossingSeconds.
int toArcSeconds(double degrees);

}  // namespace z5
