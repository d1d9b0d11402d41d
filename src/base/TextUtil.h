#pragma once
// Small text helpers shared by every part of the program.

#include <string>
#include <string_view>

namespace z5 {

// The text without leading and trailing white space (isSpace).
std::string trim(std::string_view text);

// The text with every line feed preceded by a carriage return; all text placed
// into a window passes through it.
std::string expandLineEnds(std::string_view text);

// The text with every control character other than the line ends and the
// tab shown as an escape ("\x1B" for ESC, "\u009B" for a C1 control), and
// every byte that is not UTF-8 as "\xHH": a file's text shown in a message
// can then neither drive the user's terminal nor garble the window.
std::string escapedControls(std::string_view text);

// An upper-case copy (ASCII letters only), for keyword matching.
std::string toUpper(std::string_view text);

// Character classes of ASCII, the same in every locale (<cctype> follows
// the process locale, which a Qt application sets from the user's).
bool isSpace(char c);  // blank, tab, line feed, vertical tab, form feed, carriage return
bool isDigit(char c);
bool isAlpha(char c);  // a to z and A to Z
bool isAlnum(char c);
char toUpper(char c);  // a to z only

}  // namespace z5
