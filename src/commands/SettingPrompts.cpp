#include "commands/SettingPrompts.h"

#include <optional>

#include <fmt/printf.h>

#include "base/SettingsKeys.h"
#include "base/TextUtil.h"
#include "nav/DateTimePrompt.h"

namespace z5 {
namespace {

constexpr IntKey kSeparator = *findIntegerKey(&SettingsRecord::SEPARATOR_CHAR);
constexpr IntKey kRounding = *findIntegerKey(&SettingsRecord::ROUNDING);
constexpr int kNoRounding = 1;
constexpr int kBlank = 0x20;
constexpr int kDelete = 0x7F;

// A printing ASCII character other than the blank.
bool isGraphic(int code) { return code > kBlank && code < kDelete; }

// The separator as the question offers it: the character itself when it
// can be seen, else its code.
std::string offeredSeparator(int code) {
  return isGraphic(code) ? std::string(1, static_cast<char>(code)) : std::to_string(code);
}

// The code an answer names: a single character that is not a digit, or a
// whole number.
std::optional<long> separatorCode(const std::string& answer) {
  if (answer.size() == 1 && !isDigit(answer[0]))
    return static_cast<unsigned char>(answer[0]);
  return wholeNumber(answer);
}

}  // namespace

bool askSeparatorCharacter(SettingsRecord& settings, Messages& messages) {
  const StringTable& s = messages.strings();
  while (true) {
    std::string answer = offeredSeparator(settings.SEPARATOR_CHAR);
    if (!messages.prompt(s.prompt(kSeparatorQuestion), answer, false) || answer.empty()) return false;
    const std::optional<long> code = separatorCode(answer);
    if (!code || *code < kSeparator.minimum || *code > kSeparator.maximum) continue;
    const int value = static_cast<int>(*code);
    if (!kSeparator.accepts(value)) continue;
    if (value == settings.SEPARATOR_CHAR) return false;
    settings.SEPARATOR_CHAR = value;
    const std::string shown = isGraphic(value) ? fmt::sprintf("%c (%d)", static_cast<char>(value), value)
                                               : fmt::sprintf("(%d)", value);
    messages.appendLine(messages.statusLine(s.prompt(kSeparatorLabel), shown));
    return true;
  }
}

bool askRounding(SettingsRecord& settings, Messages& messages) {
  if (!messages.integerPrompt(kNoRounding, settings.ROUNDING, kRounding.minimum, kRounding.maximum, kRoundingQuestion,
                              kRoundingLabel))
    return false;
  settings.roundingText = std::to_string(settings.ROUNDING);
  return true;
}

bool askNumberLabelStart(SettingsRecord& settings, Messages& messages) {
  return messages.integerPrompt(kDefaultLabelStart, settings.firstRowNumber, kLeastLabelStart, kGreatestLabelStart,
                                kLabelStartQuestion, kLabelStartLabel) != 0;
}

}  // namespace z5
