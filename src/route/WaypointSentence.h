#pragma once
// The NMEA 0183 waypoint location sentence as a route line:
// "$CCWPL,DDMM.mm,N,DDDMM.mm,W,NAME", optionally followed by the "*hh"
// checksum of the characters between "$" and "*".

#include <string>
#include <string_view>

namespace z5 {

struct WaypointSentence {
  enum Result : int {
    kValid = 0,
    kMalformed = 1,    // a field or separator is missing
    kBadLatitude = 2,  // above 90 degrees, minutes of 60 or more, or no N / S
    kBadLongitude = 3, // above 180 degrees, minutes of 60 or more, or no E / W
    kBadName = 4,      // empty, or beginning with white space or a control character
    kBadChecksum = 5,  // "*hh" differs from the checksum of the sentence
  };
  int result = kMalformed;
  int writtenChecksum = 0;   // for kBadChecksum: the "*hh" of the line
  int computedChecksum = 0;  // and the checksum of its characters
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  std::string name;      // 18 characters, blank-padded
};

// Decodes a line that begins with "$CCWPL". A "*" starts the checksum,
// which must be two hexadecimal digits (then only white space) matching the
// sentence. The name runs from the last comma to the "*", a carriage
// return, a line end or the end of the text; its first 18 characters are
// kept.
WaypointSentence decodeWaypointSentence(std::string_view line);

inline constexpr std::string_view kWaypointSentenceTag = "$CCWPL";

}  // namespace z5
