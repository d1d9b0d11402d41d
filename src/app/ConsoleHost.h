#pragma once
// The host of headless runs: message-window text goes to standard error and
// every prompt is answered "cancel".

#include <cstdio>

#include "base/Host.h"

namespace z5 {

class ConsoleHost final : public Host {
 public:
  explicit ConsoleHost(std::FILE* out = stderr) : out_(out) {}

  void messageTextChanged(const std::string& text, std::string_view appended) override;
  void showMessageWindow() override {}
  void hideMessageWindow() override {}
  bool mainWindowMinimised() const override { return false; }
  bool popupShowing() const override { return false; }
  void closePopups() override {}
  void showTimedPopup(const std::string&, int) override {}
  void showNoticePopup(const std::string&, int) override {}
  PromptEnding runPrompt(const std::string& prompt, std::string& answer) override;
  Confirmation confirm(const std::string& text) override;
  void wait(int) override {}

 private:
  void print(std::string_view text);
  std::FILE* out_;
  bool atLineStart_ = true;
};

}  // namespace z5
