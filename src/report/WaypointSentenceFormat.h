#pragma once
// The NMEA 0183 waypoint location sentence the NMEA output writes, one line
// per waypoint: "$CCWPL,3748.00,N,12230.00,W,NAME" (no checksum field).

#include <string>
#include <string_view>

namespace z5 {

// The sentence of a waypoint, with its line end.
//
// @param name  the waypoint's stored name; it is the identifier field with
//   its trailing blanks, but without leading blanks (a sentence whose name
//   begins with white space is not a valid waypoint and could not be read
//   back, nor with a control character, which ASCII turns into a blank).
//   NMEA 0183 is ASCII: letters with accents lose them, and a character
//   without an ASCII form or reserved by NMEA ($ * , ! \ ^ ~) becomes "?".
// @param latitude  degrees, north positive, -90..90.
// @param longitude  degrees, east positive, -180..180.
// @param extraPrecision  three decimals of minutes instead of two.
// @return "$CCWPL,DDMM.mm,H,DDDMM.mm,H,name\n". Each value is first
//   quantised to the printed step (1/600000 or 1/6000000 of a degree, half
//   up); the minutes never print as 60: they are limited to 59.99 (59.999)
//   and a fraction that would round up to the next minute does so only
//   below 60. The hemisphere is N or E for 0 and positive values.
std::string formatWaypointSentence(std::string_view name, double latitude, double longitude, bool extraPrecision);

}  // namespace z5
