#pragma once
// Where a report goes: an open output file (or standard output) or the
// message window. Every piece of report text passes through appendOutput,
// which writes the page heading before the first text.

#include <ostream>
#include <string_view>

#include "base/Messages.h"

namespace z5 {

class OutputSink {
 public:
  explicit OutputSink(std::ostream& file) : file_(&file) {}
  explicit OutputSink(Messages& window) : window_(&window) {}

  bool isMessageWindow() const { return window_ != nullptr; }

  // Appends `text` holding `linesInText` lines. A file receives `heading`
  // first when `lineCount` is 0 or less, unless `noHeading` is set; the
  // message window shows such a first text as the heading followed by the
  // text, or as "\n" and the text with `noHeading`, and is brought up
  // unless the main window is minimised.
  //
  // Returns the new line count: `lineCount` plus the lines of the text and
  // of a heading written now, and at least 1, so that the next append is
  // never taken for the first. 0 when writing failed.
  int appendOutput(std::string_view heading, std::string_view text, int lineCount, int linesInText, bool noHeading);

  // Appends a fragment to the current line, without the heading logic.
  // False when writing failed.
  bool appendToLine(std::string_view fragment);

 private:
  std::ostream* file_ = nullptr;
  Messages* window_ = nullptr;
};

// The number of line ends in `text`.
int countLines(std::string_view text);

}  // namespace z5
