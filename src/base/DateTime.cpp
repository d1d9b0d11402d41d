#include "base/DateTime.h"

#include <fmt/printf.h>

namespace z5 {
namespace {
// Two digits, "0%d" below 10.
std::string twoDigits(int value) { return value < 10 ? fmt::sprintf("0%d", value) : fmt::sprintf("%d", value); }
}  // namespace

std::string dateTimeText(const DateTime& t) {
  if (t.year == 0) return {};
  const int month = (t.month >= 1 && t.month <= 12) ? t.month : 1;
  return fmt::sprintf("%s%s %s %s %s", twoDigits(t.hour), twoDigits(t.minute), twoDigits(t.day),
                      std::string(kMonthNames[month - 1]), twoDigits(((t.year % 100) + 100) % 100));
}

}  // namespace z5
