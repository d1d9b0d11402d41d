#include "nav/CurrentDateText.h"

#include <array>
#include <string_view>

#include <fmt/printf.h>

namespace z5 {
namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

template <std::size_t N>
std::string_view entry(const std::array<std::string_view, N>& names, int index) {
  return names[index >= 0 && index < static_cast<int>(N) ? index : 0];
}

}  // namespace

std::string currentDateText(const Clock& clock) {
  const ClockTime t = clock.localNow();
  return fmt::sprintf("%s %s%3d %02d:%02d:%02d %d", std::string(entry(kWeekdays, t.weekday)),
                      std::string(entry(kMonths, t.month - 1)), t.day, t.hour, t.minute,
                      static_cast<int>(t.second), t.year);
}

}  // namespace z5
