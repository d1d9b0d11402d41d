#pragma once
// Latitudes and longitudes as people write them: a tolerant parser, the
// fixed degrees-and-minutes form of the reports, and the question that asks
// the user for one value.

#include <string>
#include <string_view>

namespace z5 {

class Messages;

enum class PositionKind : int { Latitude = 0, Longitude = 1 };

// Results of parsePosition below this value are errors (kNoPosition is -999).
inline constexpr double kPositionErrorBelow = -180;
// Route lines test against this looser bound.
inline constexpr double kRouteLineErrorBelow = -200;

// Parses position text into signed decimal degrees.
//
// @param text  free-form text: decimal degrees ("37.5", "37,5"), degrees and
//   minutes ("37 30.5 N", "037-30.50S") or degrees, minutes and seconds
//   ("37 30 15 N", "37-30-15N"); a leading "-" flips the sign; white space,
//   apostrophes and double quotes between the parts are ignored. A degree
//   sign is not accepted.
// @param kind  latitude or longitude; a longitude with neither sign nor
//   hemisphere letter is west.
// @return degrees in [-90, 90] (latitude) or [-180, 180] (longitude), north
//   and east positive; exactly 0 for magnitudes below 0.000001; kNoPosition
//   (-999) for text that is not a position (empty, malformed, minutes or
//   seconds of 60 or more, out of range). The hemisphere letter overrides a
//   "-"; after it the rest of the text is not examined. Without a letter the
//   value must be followed by the end of the text, a line end, "/", ",", ";"
//   or the character 255. Both poles and the 180th meridian (either sign)
//   are accepted.
double parsePosition(std::string_view text, PositionKind kind);

// Formats degrees as the reports show them: "DD-MM.mmH" for a latitude and
// "DDD-MM.mmH" for a longitude, with three decimals of minutes when
// `threeDecimals` is set.
//
// @param degrees  signed decimal degrees, north and east positive; the
//   hemisphere letter is N or E for 0 and positive values (also -0).
// @return the text. The value is rounded to 0.0001 minute (0.00001 with three
//   decimals) before it is split, so only a value within that step below a
//   whole degree carries into it; minutes never print as 60 (they are
//   clamped to 59.99 or 59.999). Always written with a decimal point.
std::string formatPosition(double degrees, PositionKind kind, bool threeDecimals);

// Asks the user for a position through the prompt dialog: the question is
// prompt string 11 followed by `label`, and `defaultText` is offered.
//
// @return degrees as parsePosition gives them; kNoPosition when the user
//   cancels or gives an empty answer (`defaultText` is then cleared), and
//   also after three unreadable answers (each shown with error string 1 for
//   1000 ms). A readable or unreadable answer becomes the new `defaultText`.
double askPosition(Messages& messages, std::string_view label, PositionKind kind, std::string& defaultText);

}  // namespace z5
