#pragma once
// The catalogue of numbered strings: for every error string (file
// "nav_err.dat", base/ErrorStrings.h) and prompt string (file
// "nav_info.dat", base/PromptStrings.h) the argument lists the program
// formats it with, and its default text. The shipped files hold the same
// texts; a string loaded from a file that does not fit its arguments is
// replaced by the default. The tables are constant expressions, so that
// every formatting call is checked against its entry when it compiles.

#include <array>
#include <string_view>

namespace z5 {

// Argument lists: one letter per argument, in order: d integer, f floating
// point, s text, c character. Several lists are separated by '|'; an empty
// list marks a plain text that is used as it stands, never formatted.
struct CatalogueEntry {
  std::string_view arguments;
  std::string_view text;
};

inline constexpr int kErrorStringCount = 86;
inline constexpr int kPromptStringCount = 304;

}  // namespace z5
