#pragma once
// Making published place names fit the place-name files: plain ASCII,
// single spaces, mixed case, at most 22 characters; and the zoom levels of
// ports and sea names.

#include <string>
#include <string_view>

namespace z5 {

// The name as the map writes it, "" when nothing is left: UTF-8 letters
// with accents become their plain letters (other non-ASCII characters are
// dropped), runs of white space one space, an all-capital name gets capital
// initials, and a name over 22 characters is shortened (a bracketed
// aside, the part after a "/", a leading "The" go first, then common words
// are abbreviated, then whole words are dropped from the end).
std::string cleanPlaceName(std::string_view raw);

// Levels: a name shows on views narrower than 2^(level + 1) arc-seconds.
// Ports from Natural Earth's scalerank 3 (the largest ports, level 20: every
// view) to 8 (level 15: views under 18 degrees).
int portLevel(int scalerank);
// Sea names from Natural Earth's min_label (the web-map zoom at which the
// name appears); oceans are always shown (level 0).
int seaLevel(bool isOcean, double minLabel);

}  // namespace z5
