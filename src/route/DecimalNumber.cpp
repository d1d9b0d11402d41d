#include "route/DecimalNumber.h"

#include "base/NumberReading.h"
#include "base/TextUtil.h"

namespace z5 {
namespace {

// A sign, digits and a point or comma that counts only with a digit after it.
constexpr DecimalForm kRouteNumber{.sign = Sign::Either, .points = ".,", .pointNeedsDigit = true};
constexpr std::string_view kComment = "//";

}  // namespace

std::optional<double> numberOnly(std::string_view text) {
  const auto read = leadingDecimal(text, kRouteNumber);
  if (!read) return std::nullopt;
  std::size_t end = read->length;
  while (end < text.size() && isSpace(text[end])) ++end;
  const std::string_view rest = text.substr(end);
  if (!rest.empty() && !rest.starts_with(kComment)) return std::nullopt;
  return read->value;
}

}  // namespace z5
