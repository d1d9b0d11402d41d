#pragma once
// Text for a peer that takes only ASCII (NMEA 0183 sentences, AMVER and
// MOVEREP messages sent by satellite or telex, the place-name files).

#include <string>
#include <string_view>

namespace z5 {

// The UTF-8 text in printable ASCII: Latin letters with accents and marks
// become their plain letters ("Île" gives "Ile", "ß" gives "ss"), typographic
// quotes and dashes their ASCII forms, control characters other than the
// line ends and the tab a blank; every
// other character (and a malformed byte) becomes `unknown`, which may be
// empty to drop it.
std::string toAscii(std::string_view utf8, std::string_view unknown);

}  // namespace z5
