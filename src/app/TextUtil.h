#pragma once
// Small text helpers shared by every part of the program.

#include <string>
#include <string_view>

namespace z5 {

// The text without leading and trailing white space (the C library's space classes).
std::string trim(std::string_view text);

// The text with every line feed preceded by a carriage return; all text placed
// into a window passes through it.
std::string expandLineEnds(std::string_view text);

// An upper-case copy (ASCII letters only), for keyword matching.
std::string toUpper(std::string_view text);

bool isSpace(char c);
bool isDigit(char c);
bool isAlpha(char c);
bool isAlnum(char c);

}  // namespace z5
