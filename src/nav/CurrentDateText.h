#pragma once
// The present date and time for report headings.

#include <string>

#include "base/Clock.h"

namespace z5 {

// The local date and time in the standard 24-character form
// "Www Mmm dd hh:mm:ss yyyy" (English abbreviations, the day padded with a
// blank), without a line end.
std::string currentDateText(const Clock& clock);

}  // namespace z5
