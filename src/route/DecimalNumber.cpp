#include "route/DecimalNumber.h"

#include "base/TextUtil.h"

namespace z5 {
namespace {
// Decimals beyond this power of ten no longer change a double.
constexpr double kExactPowerOfTen = 1e15;
constexpr std::string_view kComment = "//";

// The number at the start of `text`; `end` is where reading stopped.
std::optional<double> readNumber(std::string_view text, std::size_t& end) {
  std::size_t at = 0;
  double sign = 1;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) sign = text[at++] == '-' ? -1 : 1;
  double value = 0;
  bool digits = false;
  for (; at < text.size() && isDigit(text[at]); ++at, digits = true) value = value * 10 + (text[at] - '0');
  if (at + 1 < text.size() && (text[at] == '.' || text[at] == ',') && isDigit(text[at + 1])) {
    // The fraction as a whole number over a power of ten, so that a
    // written value such as 0.01 reads as the nearest double to it.
    double fraction = 0;
    double scale = 1;
    for (++at; at < text.size() && isDigit(text[at]); ++at, digits = true) {
      if (scale >= kExactPowerOfTen) continue;
      fraction = fraction * 10 + (text[at] - '0');
      scale *= 10;
    }
    value += fraction / scale;
  }
  end = at;
  if (!digits) return std::nullopt;
  return sign * value;
}

}  // namespace

std::optional<double> leadingNumber(std::string_view text) {
  std::size_t end = 0;
  return readNumber(text, end);
}

std::optional<double> numberOnly(std::string_view text) {
  std::size_t end = 0;
  const auto value = readNumber(text, end);
  while (end < text.size() && isSpace(text[end])) ++end;
  const std::string_view rest = text.substr(end);
  if (!rest.empty() && !rest.starts_with(kComment)) return std::nullopt;
  return value;
}

}  // namespace z5
