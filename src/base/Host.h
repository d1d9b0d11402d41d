#pragma once
// What the core asks of the window system: the message window's view, the
// two pop-ups, the prompt and confirmation dialogs, and a pause.
// The desktop program implements it with Qt; headless runs with the console;
// tests with a scripted host that records and answers.

#include <string>
#include <string_view>

namespace z5 {

class Host {
 public:
  virtual ~Host() = default;

  // The message window's text changed; `appended` is the part added at the
  // end (empty when the text was cleared or replaced).
  virtual void messageTextChanged(const std::string& text, std::string_view appended) = 0;
  virtual void showMessageWindow() = 0;
  virtual void hideMessageWindow() = 0;

  virtual bool mainWindowMinimised() const = 0;
  virtual bool popupShowing() const = 0;
  // Close the timed pop-up, the notice pop-up and the splash window.
  virtual void closePopups() = 0;
  // A pop-up that closes itself after the given time or at the next key or click.
  virtual void showTimedPopup(const std::string& text, int milliseconds) = 0;
  virtual void showNoticePopup(const std::string& text, int milliseconds) = 0;

  enum class PromptEnding { Ok, Cancel, Other };
  // The modal prompt dialog: `prompt` is shown read-only, `answer` holds the
  // offered default on entry and the edited text on return.
  virtual PromptEnding runPrompt(const std::string& prompt, std::string& answer) = 0;

  enum class Confirmation { Change, Disable, Abort };
  // The modal "Change / Disable / Abort" dialog shown before editing a value
  // that is already set.
  virtual Confirmation confirm(const std::string& text) = 0;

  virtual void wait(int milliseconds) = 0;
};

}  // namespace z5
