#include "nav/CourseText.h"

#include <fmt/printf.h>

namespace z5 {
namespace {
constexpr double kHalfTurn = 180;
}  // namespace

std::string courseText(double course) {
  std::string digits = fmt::sprintf("%1.2f", course);
  if (digits.front() == '-') return digits;
  // A course just short of north that rounds up to the full circle is north.
  if (digits == "360.00") digits = "0.00";
  // "d.dd" needs two leading zeros, "dd.dd" one.
  const std::size_t integerDigits = digits.find('.');
  if (integerDigits == 1) return "00" + digits;
  if (integerDigits == 2) return "0" + digits;
  return digits;
}

double reciprocalCourse(double course) { return course >= kHalfTurn ? course - kHalfTurn : course + kHalfTurn; }

}  // namespace z5
