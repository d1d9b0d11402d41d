#include "report/OutputSink.h"

#include <algorithm>
#include <string>

namespace z5 {

int countLines(std::string_view text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

int OutputSink::appendOutput(std::string_view heading, std::string_view text, int lineCount, int linesInText,
                             bool noHeading) {
  const bool first = lineCount <= 0;
  const bool withHeading = first && !noHeading;
  const int headingLines = withHeading ? countLines(heading) : 0;
  if (window_ != nullptr) {
    if (!first) {
      window_->append(text);
    } else if (noHeading) {
      window_->append("\n" + std::string(text));
    } else {
      window_->append(std::string(heading) + std::string(text));
    }
    if (!window_->host().mainWindowMinimised()) window_->show();
  } else {
    if (withHeading) *file_ << heading;
    *file_ << text;
    if (!*file_) return 0;
  }
  return std::max(1, std::max(lineCount, 0) + headingLines + linesInText);
}

bool OutputSink::appendToLine(std::string_view fragment) {
  if (window_ != nullptr) {
    window_->append(fragment);
    return true;
  }
  *file_ << fragment;
  return static_cast<bool>(*file_);
}

}  // namespace z5
