#pragma once
// The heading line of a printed map page: which map, which program, when.

#include <string>
#include <string_view>

#include "base/Clock.h"

namespace z5 {

// The program and version a printed map names.
inline constexpr const char* kPrintedVersionLine = "Z5 - Brelland - KVB - Ver 1.400  JANUARY 2002";

// "<title> -  <version line>   <local date and time>", the date and time in
// the form of the report headings ("Tue Dec  8 13:05:00 2026").
std::string mapPrintHeader(std::string_view title, const Clock& clock);

}  // namespace z5
