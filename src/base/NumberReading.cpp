#include "base/NumberReading.h"

#include <string>

#include "base/TextUtil.h"

namespace z5 {
namespace {

bool signAllowed(Sign sign, char c) { return sign == Sign::Either || (sign == Sign::MinusOnly && c == '-'); }

bool isSignChar(char c) { return c == '+' || c == '-'; }

}  // namespace

std::optional<DecimalRead> leadingDecimal(std::string_view text, const DecimalForm& form) {
  const auto digitAt = [&](std::size_t i) { return i < text.size() && isDigit(text[i]); };
  // The number as from_chars reads it whatever was written: a minus, digits,
  // '.' and digits, and an exponent.
  std::string plain;
  std::size_t at = 0;
  if (at < text.size() && isSignChar(text[at])) {
    if (!signAllowed(form.sign, text[at])) return std::nullopt;
    if (text[at] == '-') plain += '-';
    ++at;
  }
  DecimalRead read;
  std::size_t wholeDigits = 0;
  for (; digitAt(at); ++at, ++wholeDigits) plain += text[at];
  const bool point = at < text.size() && form.points.find(text[at]) != std::string_view::npos;
  if (point && (!form.pointNeedsDigit || digitAt(at + 1))) {
    read.point = text[at++];
    plain += '.';
    for (; digitAt(at); ++at, ++read.decimals) plain += text[at];
  }
  if (wholeDigits + read.decimals == 0) return std::nullopt;
  if (form.exponent && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t end = at + 1;
    if (end < text.size() && isSignChar(text[end])) ++end;
    if (digitAt(end)) {
      plain += 'e';
      plain.append(text.substr(at + 1, end - at - 1));
      for (at = end; digitAt(at); ++at) plain += text[at];
    }
  }
  const char* last = plain.data() + plain.size();
  const auto [end, error] = std::from_chars(plain.data(), last, read.value, std::chars_format::general);
  if (error != std::errc() || end != last) return std::nullopt;
  read.length = at;
  return read;
}

std::optional<double> decimalOnly(std::string_view text, const DecimalForm& form) {
  const auto read = leadingDecimal(text, form);
  if (!read || read->length != text.size()) return std::nullopt;
  return read->value;
}

}  // namespace z5
