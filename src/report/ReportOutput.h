#pragma once
// One report being written through an output sink: the heading that a file
// receives first (and that page headings repeat), and the running line
// count. After a failed append nothing more is written.

#include <string>
#include <string_view>

#include "report/OutputSink.h"

namespace z5 {

// The characters a report may hold: UTF-8 as the program keeps its texts,
// or ASCII for a report that goes to a peer taking nothing else.
enum class ReportCharacters { Utf8, Ascii };

class ReportOutput {
 public:
  ReportOutput(OutputSink& sink, std::string heading, ReportCharacters characters = ReportCharacters::Utf8)
      : sink_(sink), heading_(std::move(heading)), characters_(characters) {}

  // Appends text (in ASCII for an ASCII report: see toAscii, a character
  // without an ASCII form becomes "?"); the first append brings the
  // heading. False once an append has failed.
  bool write(std::string_view text) { return append(text, false); }
  // The first append without the heading.
  bool writeWithoutHeading(std::string_view text) { return append(text, true); }
  // Continues the current line (no heading, no line counted).
  bool continueLine(std::string_view fragment);

  const std::string& heading() const { return heading_; }
  void setHeading(std::string heading) { heading_ = std::move(heading); }
  int lineCount() const { return lineCount_; }
  bool failed() const { return failed_; }

 private:
  bool append(std::string_view utf8, bool noHeading);

  OutputSink& sink_;
  std::string heading_;
  ReportCharacters characters_;
  int lineCount_ = 0;
  bool failed_ = false;
};

}  // namespace z5
