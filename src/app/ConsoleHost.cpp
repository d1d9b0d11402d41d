#include "app/ConsoleHost.h"

namespace z5 {

void ConsoleHost::print(std::string_view text) {
  for (char c : text) {
    if (c == '\r') continue;  // the window's line ends; the terminal wants bare line feeds
    std::fputc(c, out_);
    atLineStart_ = (c == '\n');
  }
  std::fflush(out_);
}

void ConsoleHost::messageTextChanged(const std::string&, std::string_view appended) {
  // Messages arrive as "\r\n<text>": start each on its own line, end it there.
  while (!appended.empty() && appended.front() == '\r') appended.remove_prefix(1);
  if (!appended.empty() && appended.front() == '\n' && atLineStart_) appended.remove_prefix(1);
  if (appended.empty()) return;
  print(appended);
  if (!atLineStart_) print("\n");
}

Host::PromptEnding ConsoleHost::runPrompt(const std::string& prompt, std::string& answer) {
  if (!atLineStart_) print("\n");
  print(prompt);
  print(" [no answer in a headless run]\n");
  answer.clear();
  return PromptEnding::Cancel;
}

Host::Confirmation ConsoleHost::confirm(const std::string&) { return Confirmation::Abort; }

}  // namespace z5
