#include "charts/SetChartScaleLimits.h"

#include <string>

#include "base/NumberReading.h"
#include "route/Voyage.h"

namespace z5 {
namespace {

enum class Answer { Kept, Changed, Cancelled };

// Asks until the answer is empty (kept) or an integer accepted by `accept`.
template <class Accept>
Answer askLimit(Messages& messages, const std::string& question, int& limit, std::string& text, Accept accept) {
  while (true) {
    std::string answer = text;
    if (!messages.prompt(question, answer, true)) return Answer::Cancelled;
    if (answer.empty()) return Answer::Kept;
    // The number the answer starts with; text after it is ignored.
    const auto number = leadingInteger<int>(answer, Sign::Either);
    if (!number || !accept(number->value)) continue;
    const bool changed = number->value != limit;
    limit = number->value;
    text = std::to_string(limit);
    return changed ? Answer::Changed : Answer::Kept;
  }
}

}  // namespace

int SetChartScaleLimits(ChartScaleLimits& limits, Messages& messages, const std::function<int()>& extractRoute) {
  const StringTable& strings = messages.strings();
  const std::string smallest = std::to_string(ChartScaleLimits::kSmallest);
  const std::string largest = std::to_string(ChartScaleLimits::kLargest);

  const Answer lower =
      askLimit(messages, strings.prompt(kPromptLowerScale, smallest, limits.upperText, limits.lowerText),
               limits.lower, limits.lowerText,
               [&](long v) { return v >= ChartScaleLimits::kSmallest && v < limits.upper; });
  if (lower == Answer::Cancelled) return 0;
  const Answer upper =
      askLimit(messages, strings.prompt(kPromptUpperScale, limits.lowerText, largest, limits.upperText),
               limits.upper, limits.upperText,
               [&](long v) { return v > limits.lower && v <= ChartScaleLimits::kLargest; });
  if (upper == Answer::Cancelled) return lower == Answer::Changed ? 1 : 0;

  const bool changed = lower == Answer::Changed || upper == Answer::Changed;
  if (changed && extractRoute && extractRoute() == kFatal) return 1;
  messages.appendLine(messages.statusLine(strings.prompt(kLabelScaleLimits),
                                          fmt::sprintf("1/%s - 1/%s", limits.lowerText, limits.upperText)));
  return changed ? 1 : 0;
}

}  // namespace z5
