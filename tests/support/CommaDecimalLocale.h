#pragma once
// A comma-decimal locale, the kind many ships' officers run (de_DE, fr_FR,
// nb_NO), for the tests that prove numbers are read and written the same
// in it. make deps installs it (Debian locales-all); a test that needs it
// fails when it is missing rather than passing in the "C" locale.

namespace z5::test {

inline constexpr const char* kCommaDecimalLocale = "de_DE.UTF-8";

// True when the locale is installed.
bool commaDecimalLocaleInstalled();

// True when this process reads and writes decimals the comma way, in the
// C library (strtod stops at the point of "12.5", printf writes "0,5") and
// in the global C++ locale of new streams: the state a number reader of
// the program must not depend on.
bool commaDecimalsInEffect();

}  // namespace z5::test
