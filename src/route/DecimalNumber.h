#pragma once
// Numbers as route lines write them.

#include <optional>
#include <string_view>

namespace z5 {

// A number that is the whole of `text`: an optional sign, digits and one
// decimal point or comma (a comma only when a digit follows it, so that a
// list separator is not taken for one), then nothing but white space and,
// optionally, a "//" comment. Nullopt for anything else ("12abc", "1e308",
// "12.5.3"), so that a value is never silently read as a part of itself.
std::optional<double> numberOnly(std::string_view text);

}  // namespace z5
