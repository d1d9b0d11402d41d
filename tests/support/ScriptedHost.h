#pragma once
// A host for tests: records every pop-up and window change, answers prompts
// and confirmations from queues, and can pretend the main window is minimised.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/Host.h"

namespace z5::test {

class ScriptedHost final : public Host {
 public:
  struct Popup {
    std::string text;
    int milliseconds;
    bool notice;
  };

  // Queue an answer: a text is typed and OK pressed; nullopt presses Cancel.
  void answer(std::optional<std::string> text) { answers.push_back(std::move(text)); }
  void answerConfirmation(Confirmation c) { confirmations.push_back(c); }

  void messageTextChanged(const std::string& text, std::string_view) override { windowText = text; }
  void showMessageWindow() override { ++windowShown; }
  void hideMessageWindow() override { ++windowHidden; }
  bool mainWindowMinimised() const override { return minimised; }
  bool popupShowing() const override { return popupOpen; }
  void closePopups() override { popupOpen = false; }
  void showTimedPopup(const std::string& text, int ms) override;
  void showNoticePopup(const std::string& text, int ms) override;
  PromptEnding runPrompt(const std::string& prompt, std::string& answer) override;
  Confirmation confirm(const std::string& text) override;
  void wait(int ms) override { waited += ms; }

  std::vector<Popup> popups;
  std::vector<std::string> prompts;  // every prompt text asked
  std::vector<std::string> offered;  // the default offered with each prompt
  std::deque<std::optional<std::string>> answers;
  std::deque<Confirmation> confirmations;
  std::string windowText;
  bool minimised = false;
  bool popupOpen = false;
  int windowShown = 0;
  int windowHidden = 0;
  int waited = 0;
};

}  // namespace z5::test
