#include "base/Messages.h"

#include "base/NumberReading.h"
#include "base/TextUtil.h"

namespace z5 {
namespace {

// Text as the window and the pop-ups show it: messages carry names and
// lines of the user's files, whose control characters are shown escaped.
std::string windowText(std::string_view text) { return expandLineEnds(escapedControls(text)); }

}  // namespace

void Messages::clear() {
  text_.clear();
  host_.messageTextChanged(text_, {});
}

void Messages::setText(std::string_view text) {
  text_ = windowText(text);
  host_.messageTextChanged(text_, {});
}

void Messages::appendExpanded(std::string_view text) {
  const std::string expanded = windowText(text);
  text_ += expanded;
  host_.messageTextChanged(text_, expanded);
}

void Messages::append(std::string_view text) { appendExpanded(text); }

void Messages::showWindow() {
  windowShown_ = true;
  host_.showMessageWindow();
}

void Messages::show() { showWindow(); }

void Messages::hide() {
  windowShown_ = false;
  host_.hideMessageWindow();
}

void Messages::appendLine(std::string_view text) {
  appendExpanded("\n" + std::string(text));
  if (!host_.mainWindowMinimised() && !host_.popupShowing()) showWindow();
}

void Messages::showMessage(std::string_view text, int milliseconds) {
  appendExpanded("\n" + std::string(text));
  if (quiet_ || host_.mainWindowMinimised()) return;
  showWindow();
  host_.closePopups();
  host_.showTimedPopup(escapedControls(text), milliseconds);
}

void Messages::showNotice(std::string_view text) {
  appendExpanded("\n" + std::string(text) + "\n");
  if (host_.mainWindowMinimised() || host_.popupShowing()) return;
  host_.showNoticePopup(std::string(kTitle) + "\n" + escapedControls(text), kNoticeMilliseconds);
}

bool Messages::prompt(std::string_view promptText, std::string& value, bool trimAnswer) {
  const std::string shown = windowText(promptText);
  if (host_.mainWindowMinimised()) return false;
  host_.closePopups();
  std::string answer = value;
  switch (host_.runPrompt(shown, answer)) {
    case Host::PromptEnding::Ok:
      value = trimAnswer ? trim(answer) : answer;
      return true;
    case Host::PromptEnding::Cancel:
      value.clear();
      return false;
    case Host::PromptEnding::Other:
      return false;
  }
  return false;
}

std::string Messages::statusLine(std::string_view label, std::string_view value) const {
  return strings_.prompt(kStatusLineFormat, std::string(label), std::string(value));
}

void Messages::toggle(int& flag, std::string_view label) {
  flag = flag ? 0 : 1;
  appendLine(statusLine(label, strings_.prompt(flag ? kOnText : kOffText)));
}

int Messages::integerPrompt(int resetValue, int& current, int minimum, int maximum,
                            PromptNumber<int, int, int> questionNumber, PromptNumber<> label) {
  const std::string question = strings_.prompt(questionNumber, minimum, maximum, current);
  while (true) {
    std::string answer = std::to_string(current);
    if (!prompt(question, answer, false)) return 0;
    std::size_t i = 0;
    while (i < answer.size() && isSpace(answer[i])) ++i;
    if (i == answer.size()) return 0;
    if (answer[i] == 'n' || answer[i] == 'N') {
      if (current == resetValue) return 0;
      current = resetValue;
      return 1;
    }
    // The number the answer starts with; text after it is ignored.
    const auto number = leadingInteger<int>(std::string_view(answer).substr(i), Sign::Either);
    if (!number || number->value > maximum || number->value < minimum) continue;
    if (number->value == current) return 0;
    current = number->value;
    appendLine(statusLine(strings_.prompt(label), fmt::sprintf(" %d", current)));
    return 1;
  }
}

}  // namespace z5
