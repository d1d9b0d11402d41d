#include "ScriptedHost.h"

#include <gtest/gtest.h>

namespace z5::test {

void ScriptedHost::showTimedPopup(const std::string& text, int ms) {
  popups.push_back({text, ms, false});
  popupOpen = true;
}

void ScriptedHost::showNoticePopup(const std::string& text, int ms) {
  popups.push_back({text, ms, true});
  popupOpen = true;
}

Host::PromptEnding ScriptedHost::runPrompt(const std::string& prompt, std::string& answer) {
  prompts.push_back(prompt);
  offered.push_back(answer);
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected prompt: " << prompt;
    return PromptEnding::Cancel;
  }
  const std::optional<std::string> next = answers.front();
  answers.pop_front();
  if (!next) return PromptEnding::Cancel;
  answer = *next;
  return PromptEnding::Ok;
}

Host::Confirmation ScriptedHost::confirm(const std::string&) {
  if (confirmations.empty()) {
    ADD_FAILURE() << "unexpected confirmation dialog";
    return Confirmation::Abort;
  }
  const Confirmation c = confirmations.front();
  confirmations.pop_front();
  return c;
}

}  // namespace z5::test
