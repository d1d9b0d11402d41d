#include "nav/DateTimePrompt.h"

#include "base/NumberReading.h"
#include "base/TextUtil.h"

namespace z5 {
namespace {

// Prompt strings: the second of each pair shows the current value.
constexpr int kYear = 22;               // caller text
constexpr int kYearWithCurrent = 23;    // caller text, year
constexpr int kMonth = 68;
constexpr int kMonthWithCurrent = 69;   // month
constexpr int kDay = 70;                // days in the month
constexpr int kDayWithCurrent = 71;     // days in the month, day
constexpr int kHour = 72;
constexpr int kHourWithCurrent = 73;    // hour
constexpr int kMinute = 74;
constexpr int kMinuteWithCurrent = 75;  // minute

constexpr int kFirstYear = 1990;
constexpr int kLastYear = 2090;
// Two-digit years above this are in the 1900s, the others in the 2000s.
constexpr int kCenturyPivot = 90;

enum class Reply { Number, Empty, Cancelled, Declined };

struct Answer {
  Reply reply = Reply::Cancelled;
  long number = 0;
};

// Asks until the answer is empty, cancelled or a whole number, or, when
// `mayDecline`, an answer starting with n.
Answer askWholeNumber(Messages& messages, const std::string& promptText, bool mayDecline) {
  while (true) {
    std::string answer;
    if (!messages.prompt(promptText, answer, true)) return {};
    if (answer.empty()) return {Reply::Empty, 0};
    if (mayDecline && (answer.front() == 'n' || answer.front() == 'N')) return {Reply::Declined, 0};
    if (const auto n = wholeNumber(answer)) return {Reply::Number, *n};
  }
}

// One field: asked until an accepted number, or an empty answer when
// `keepOnEmpty`. False when cancelled or declined (`declined` then set).
template <class Accept>
bool askField(Messages& messages, const std::string& promptText, bool keepOnEmpty, int& field, Accept accept,
              bool* declined = nullptr) {
  while (true) {
    const Answer a = askWholeNumber(messages, promptText, declined != nullptr);
    if (a.reply == Reply::Declined) *declined = true;
    if (a.reply == Reply::Cancelled || a.reply == Reply::Declined) return false;
    if (a.reply == Reply::Empty) {
      if (keepOnEmpty) return true;
      continue;
    }
    if (const auto value = accept(a.number)) {
      field = *value;
      return true;
    }
  }
}

std::optional<int> acceptYear(long y) {
  if (y >= kFirstYear && y <= kLastYear) return static_cast<int>(y);
  if (y >= 0 && y <= 99) return static_cast<int>(y > kCenturyPivot ? 1900 + y : 2000 + y);
  return std::nullopt;
}

auto acceptRange(int low, int high) {
  return [low, high](long v) -> std::optional<int> {
    if (v < low || v > high) return std::nullopt;
    return static_cast<int>(v);
  };
}

}  // namespace

std::optional<long> wholeNumber(std::string_view answer) { return integerOnly<long>(trim(answer), Sign::Either); }

std::optional<double> decimalNumber(std::string_view answer) {
  return decimalOnly(trim(answer), {.sign = Sign::Either, .points = ".,"});
}

int askDateTime(Messages& messages, std::string_view callerText, DateTime& value, bool* declined) {
  const StringTable& s = messages.strings();
  const std::string caller(callerText);
  const bool hadTime = value.valid();
  DateTime t = value;

  const std::string yearPrompt = t.year != 0 ? s.prompt(kYearWithCurrent, caller, t.year) : s.prompt(kYear, caller);
  if (declined != nullptr) *declined = false;
  if (!askField(messages, yearPrompt, t.year != 0, t.year, acceptYear, declined)) return 0;

  const bool monthKnown = t.month >= 1 && t.month <= 12;
  const int previousMonth = t.month;
  const std::string monthPrompt = monthKnown ? s.prompt(kMonthWithCurrent, t.month) : s.prompt(kMonth);
  if (!askField(messages, monthPrompt, monthKnown, t.month, acceptRange(1, 12))) return 0;

  const int length = daysInMonth(t.year, t.month);
  const bool dayKnown = t.day >= 1 && t.day <= length && t.month == previousMonth;
  const std::string dayPrompt = dayKnown ? s.prompt(kDayWithCurrent, length, t.day) : s.prompt(kDay, length);
  if (!askField(messages, dayPrompt, dayKnown, t.day, acceptRange(1, length))) return 0;

  const bool hourKnown = hadTime && t.hour >= 0 && t.hour <= 23;
  if (!hourKnown) t.hour = 0;
  const std::string hourPrompt = hourKnown ? s.prompt(kHourWithCurrent, t.hour) : s.prompt(kHour);
  if (!askField(messages, hourPrompt, true, t.hour, acceptRange(0, 23))) return 0;

  const bool minuteKnown = hadTime && t.minute >= 0 && t.minute <= 59;
  if (!minuteKnown) t.minute = 0;
  const std::string minutePrompt = minuteKnown ? s.prompt(kMinuteWithCurrent, t.minute) : s.prompt(kMinute);
  if (!askField(messages, minutePrompt, true, t.minute, acceptRange(0, 59))) return 0;

  value = t;
  return 1;
}

}  // namespace z5
