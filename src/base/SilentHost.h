#pragma once
// A host that shows nothing and answers every question with Cancel: for
// benchmarks, fuzzing and batch work where no one is there to answer.

#include <string>
#include <string_view>

#include "base/Host.h"

namespace z5 {

class SilentHost final : public Host {
 public:
  void messageTextChanged(const std::string&, std::string_view) override {}
  void showMessageWindow() override {}
  void hideMessageWindow() override {}
  bool mainWindowMinimised() const override { return false; }
  bool popupShowing() const override { return false; }
  void closePopups() override {}
  void showTimedPopup(const std::string&, int) override {}
  void showNoticePopup(const std::string&, int) override {}
  PromptEnding runPrompt(const std::string&, std::string&) override { return PromptEnding::Cancel; }
  Confirmation confirm(const std::string&) override { return Confirmation::Abort; }
  void wait(int) override {}
};

}  // namespace z5
