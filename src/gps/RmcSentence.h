#pragma once
// Reading the recommended-minimum fix sentence ("$GPRMC,hhmmss.ss,A,
// ddmm.mmm,N,dddmm.mmm,E,speed,course,...") field by field. Only the text
// handed in is read: a short or truncated sentence is refused, never read
// past.

#include <string_view>

namespace z5 {

// A course field left empty (receivers do so while stationary).
inline constexpr double kUnknownCourse = -1.0;

struct RmcFix {
  int hour = 0;        // 0..23 UTC
  int minute = 0;      // 0..59
  double second = 0;   // [0, 61), two decimals at most
  double latitude = 0;   // degrees, north positive, [-90, 90]
  double longitude = 0;  // degrees, east positive, [-180, 180]
  double speed = 0;      // knots over ground, >= 0 (an empty field reads 0)
  double course = 0;     // degrees true over ground, [0, 360), or kUnknownCourse
};

struct RmcReading {
  bool accepted = false;
  // Latitude and longitude were read; true also when a later field
  // (speed or course) then refused the sentence.
  bool positionRead = false;
  RmcFix fix;
};

// `sentence` is one line from its "$" on, with or without the carriage
// return and the "*hh" checksum. A checksum that is present must match.
RmcReading readRmcSentence(std::string_view sentence);

}  // namespace z5
