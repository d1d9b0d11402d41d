#pragma once
// Numbers read from text by the program's own rules, the same in every
// locale. The C library's readers (strtod, strtol, streams) follow the
// process locale, which a Qt application sets from the user's: under a
// comma-decimal locale they would refuse "12.5". Every number the program
// reads passes through here.

#include <charconv>
#include <concepts>
#include <cstddef>
#include <optional>
#include <string_view>

namespace z5 {

// The signs a number may start with.
enum class Sign { None, MinusOnly, Either };

// How a decimal number is written: a sign, digits and at most one decimal
// point with digits before it, after it or both.
struct DecimalForm {
  Sign sign = Sign::Either;
  std::string_view points = ".";  // the characters taken for the decimal point
  bool pointNeedsDigit = false;   // a point without a digit after it ends the number instead
  bool exponent = false;          // "e" or "E", a sign and digits may follow
};

// A decimal number read from the start of a text.
struct DecimalRead {
  double value = 0;
  std::size_t length = 0;    // characters taken
  std::size_t decimals = 0;  // digits after the point
  char point = '\0';         // the point taken, '\0' when there was none
};

// The decimal number at the start of `text` in `form`, holding at least one
// digit; nullopt when there is none or its value is beyond a double.
std::optional<DecimalRead> leadingDecimal(std::string_view text, const DecimalForm& form = {});

// The whole of `text` as one decimal number in `form`; nullopt for
// anything else.
std::optional<double> decimalOnly(std::string_view text, const DecimalForm& form = {});

// An integer read from the start of a text.
template <std::integral T>
struct IntegerRead {
  T value = 0;
  std::size_t length = 0;  // characters taken
};

// The integer at the start of `text`: the sign `sign` allows, then digits
// of `base` (without a "0x" prefix); nullopt when there is none or its
// value is beyond T.
template <std::integral T>
std::optional<IntegerRead<T>> leadingInteger(std::string_view text, Sign sign = Sign::MinusOnly, int base = 10) {
  const char first = text.empty() ? '\0' : text.front();
  if ((first == '-' && sign == Sign::None) || (first == '+' && sign != Sign::Either)) return std::nullopt;
  // from_chars reads a minus itself but never a plus.
  const std::size_t skipped = first == '+' ? 1 : 0;
  if (skipped == 1 && text.size() > 1 && text[1] == '-') return std::nullopt;
  T value = 0;
  const auto [end, error] = std::from_chars(text.data() + skipped, text.data() + text.size(), value, base);
  if (error != std::errc()) return std::nullopt;
  return IntegerRead<T>{value, static_cast<std::size_t>(end - text.data())};
}

// The whole of `text` as one integer, as leadingInteger reads it; nullopt
// for anything else.
template <std::integral T>
std::optional<T> integerOnly(std::string_view text, Sign sign = Sign::MinusOnly, int base = 10) {
  const auto read = leadingInteger<T>(text, sign, base);
  if (!read || read->length != text.size()) return std::nullopt;
  return read->value;
}

// A field of digits only ("0042"), as a whole number; nullopt for anything
// else or a value beyond int.
inline std::optional<int> digitsOnly(std::string_view digits) { return integerOnly<int>(digits, Sign::None); }

}  // namespace z5
