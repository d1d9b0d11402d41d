#pragma once
// Asking the user for a date and time, field by field.

#include <optional>
#include <string>
#include <string_view>

#include "base/DateTime.h"
#include "base/Messages.h"

namespace z5 {

// Asks for the year, month, day, hour and minute in turn, each prompt
// showing the current value when there is one (`callerText` names what is
// asked for in the year prompt). An empty answer keeps the current value:
// for the year and month only when it is not 0, for the day only when it is
// not 0, still fits the month and the month was not changed. Years are
// accepted as 1990..2090, or 0..99 meaning 1900+y above 90 and 2000+y
// otherwise; other answers out of range are asked again.
// Returns 1 with `value` replaced, or 0 when the user cancelled; `value`
// is then unchanged. With `declined` given, a year answer starting with n
// also returns 0 and sets *declined.
int askDateTime(Messages& messages, std::string_view callerText, DateTime& value, bool* declined = nullptr);

// A whole answer read as an integer: a sign and digits, blanks around them
// allowed; nullopt for anything else.
std::optional<long> wholeNumber(std::string_view answer);

// A whole answer read as a decimal number: a sign, digits and one decimal
// point ('.' or ','), blanks around them allowed, in every locale; nullopt
// for anything else (an exponent, "inf").
std::optional<double> decimalNumber(std::string_view answer);

}  // namespace z5
