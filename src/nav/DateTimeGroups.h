#pragma once
// The date-time groups of the ship reports, made from a time text
// "HHMM DD MON YY": AMVER "DDHHMMZ MON//" (or "DDHHMMZ//") and MOVEREP
// "DDHHMMZc MON" with its check digit.

#include <string>
#include <string_view>

namespace z5 {

// "DDHHMMZ MON//", or "DDHHMMZ//" with `noMonth` (the NO_AMVER_MONTH
// setting). A text shorter than a time text is returned unchanged.
std::string amverDateTimeGroup(std::string_view timeText, bool noMonth);

// "DDHHMMZc MON" where c is the check digit of the six digits. A text
// shorter than a time text is returned unchanged.
std::string moverepDateTimeGroup(std::string_view timeText);

// Appends the sum of the decimal digits among the first 256 characters,
// modulo 10, as one more digit, and returns the carry (the sum divided by
// 10). A text without digits is left unchanged and 0 is returned.
int appendCheckDigit(std::string& text);

}  // namespace z5
