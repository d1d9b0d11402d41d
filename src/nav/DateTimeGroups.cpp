#include "nav/DateTimeGroups.h"

#include "base/TextUtil.h"

namespace z5 {
namespace {

// Positions in "HHMM DD MON YY".
constexpr std::size_t kHour = 0;
constexpr std::size_t kMinute = 2;
constexpr std::size_t kDay = 5;
constexpr std::size_t kMonth = 8;
constexpr std::size_t kTimeTextLength = 14;
// Only this many characters are examined for the check digit.
constexpr std::size_t kCheckedLength = 256;

// "DDHHMMZ" of a time text.
std::string dayHourMinuteZulu(std::string_view t) {
  std::string group;
  group += t.substr(kDay, 2);
  group += t.substr(kHour, 2);
  group += t.substr(kMinute, 2);
  return group + "Z";
}

std::string_view monthName(std::string_view t) { return t.substr(kMonth, 3); }

}  // namespace

std::string amverDateTimeGroup(std::string_view timeText, bool noMonth) {
  if (timeText.size() < kTimeTextLength) return std::string(timeText);
  std::string group = dayHourMinuteZulu(timeText);
  if (!noMonth) {
    group += ' ';
    group += monthName(timeText);
  }
  return group + "//";
}

std::string moverepDateTimeGroup(std::string_view timeText) {
  if (timeText.size() < kTimeTextLength) return std::string(timeText);
  std::string digits = dayHourMinuteZulu(timeText);
  digits.pop_back();  // the check digit covers the six digits only
  appendCheckDigit(digits);
  std::string group = digits.substr(0, 6) + "Z" + digits.substr(6) + " ";
  group += monthName(timeText);
  return group;
}

int appendCheckDigit(std::string& text) {
  int sum = 0;
  bool anyDigit = false;
  const std::size_t end = text.size() < kCheckedLength ? text.size() : kCheckedLength;
  for (std::size_t i = 0; i < end; ++i) {
    if (!isDigit(text[i])) continue;
    sum += text[i] - '0';
    anyDigit = true;
  }
  if (!anyDigit) return 0;
  text += static_cast<char>('0' + sum % 10);
  return sum / 10;
}

}  // namespace z5
