#pragma once
// Talking to the user: the message window's text, the timed and notice
// pop-ups, the prompt dialog, numbered error messages, and the shared
// command helpers (toggle message, integer prompt, confirmation).

#include <string>
#include <string_view>

#include "base/Host.h"
#include "base/StringTable.h"

namespace z5 {

class Messages {
 public:
  Messages(Host& host, const StringTable& strings) : host_(host), strings_(strings) {}

  Host& host() { return host_; }
  const StringTable& strings() const { return strings_; }

  // The message window.
  const std::string& text() const { return text_; }
  void clear();
  void setText(std::string_view text);
  void append(std::string_view text);
  void appendLine(std::string_view text);  // "\n%s", then bring the window up
  void show();
  void hide();
  // The window is shown from start-up on; hide() hides it until the next
  // show or appended line.
  bool windowShown() const { return windowShown_; }

  // While the map is being built the timed pop-up is suppressed.
  void setQuiet(bool quiet) { quiet_ = quiet; }
  bool quiet() const { return quiet_; }

  // The timed message: appended to the window and shown in a pop-up for the
  // given time (unless quiet or minimised).
  void showMessage(std::string_view text, int milliseconds);
  // The notice: appended as "\n%s\n" and shown in the notice pop-up.
  void showNotice(std::string_view text);

  template <class... A>
  void showError(ErrorNumber<A...> number, int milliseconds, const A&... args) {
    showMessage(strings_.error(number, args...), milliseconds);
  }

  // The prompt dialog. Returns true when the user confirmed; `value` then
  // holds the answer (trimmed when asked). Cancel empties `value`; a
  // minimised main window returns false at once without asking.
  bool prompt(std::string_view promptText, std::string& value, bool trimAnswer);

  // flag := not flag, and "label: on/off" in the message window.
  void toggle(int& flag, std::string_view label);

  // Asks for an integer within [minimum, maximum]: the number the answer
  // starts with (text after it is ignored); an answer of n sets
  // `resetValue`, one without a number or out of bounds is asked again.
  // Returns 1 when `current` changed.
  int integerPrompt(int resetValue, int& current, int minimum, int maximum, PromptNumber<int, int, int> question,
                    PromptNumber<> label);

  Host::Confirmation confirm(std::string_view text) { return host_.confirm(std::string(text)); }
  void wait(int milliseconds) { host_.wait(milliseconds); }

  // The status-line form "label: value" of prompt string 217.
  std::string statusLine(std::string_view label, std::string_view value) const;

  static constexpr const char* kTitle = "Z5 - Brelland";
  static constexpr int kNoticeMilliseconds = 10000;
  // Prompt strings of the toggle and status texts.
  static constexpr int kStatusLineFormat = 217;
  static constexpr PromptNumber<> kOffText = 208;
  static constexpr PromptNumber<> kOnText = 209;

 private:
  void appendExpanded(std::string_view text);

  Host& host_;
  const StringTable& strings_;
  void showWindow();

  std::string text_;
  bool quiet_ = false;
  bool windowShown_ = true;
};

}  // namespace z5
