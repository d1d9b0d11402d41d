#pragma once
// The "*hh" checksum of an NMEA 0183 sentence: the exclusive or of the
// characters between "$" and "*", written as two hexadecimal digits.

#include <string_view>

namespace z5 {

// The checksum of `body` (the text between "$" and "*"), 0 to 255.
int nmeaChecksum(std::string_view body);

// The value of the two hexadecimal digits (either case) that `digits`
// begins with; -1 when there are not two.
int writtenChecksum(std::string_view digits);

}  // namespace z5
