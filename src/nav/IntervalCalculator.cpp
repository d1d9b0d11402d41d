#include "nav/IntervalCalculator.h"

#include <fmt/printf.h>

#include "nav/Calendar.h"
#include "nav/DateTimePrompt.h"

namespace z5 {
namespace {

constexpr const char* kFromCallerText = "FM ";
constexpr int kToPrompt = 67;          // prompt: longest interval in days
constexpr int kNoIntervalText = 176;   // prompt: plain
constexpr int kTooLongError = 30;      // error: longest interval in days
constexpr int kNotAfterError = 31;     // error: plain
constexpr int kErrorMs = 3000;

constexpr double kLeastInterval = 0.00001;
constexpr double kShownInterval = 0.0001;

}  // namespace

std::string intervalCalculator(NavContext& nav) {
  Messages& m = nav.messages;
  DateTime from = nav.calculators.intervalFrom;
  DateTime to = nav.calculators.intervalTo;
  const std::string toCallerText = m.strings().prompt(kToPrompt, kLongestIntervalDays);
  double hours = 0;
  while (true) {
    if (!askDateTime(m, kFromCallerText, from)) return {};
    if (!askDateTime(m, toCallerText, to)) return {};
    hours = hoursBetween(from, to);
    if (to.year > from.year + 1 || hours > kLongestIntervalHours) {
      m.showError(kTooLongError, kErrorMs, kLongestIntervalDays);
      continue;
    }
    if (!(hours > kLeastInterval)) {
      m.showError(kNotAfterError, kErrorMs);
      continue;
    }
    break;
  }
  nav.calculators.intervalFrom = from;
  nav.calculators.intervalTo = to;
  std::string text;
  if (hours > kShownInterval) {
    const HoursSplit split = splitHours(hours);
    text = fmt::sprintf("FM %s,TO %s, %4.3fhr=%dd,%02d:%02d", dateTimeText(from), dateTimeText(to), hours,
                        split.days, split.hours, split.minutes);
  } else {
    text = m.strings().prompt(kNoIntervalText);
  }
  m.appendLine(text);
  nav.calculators.intervalText = text;
  return text;
}

}  // namespace z5
