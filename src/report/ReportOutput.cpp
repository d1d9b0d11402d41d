#include "report/ReportOutput.h"

namespace z5 {

bool ReportOutput::append(std::string_view text, bool noHeading) {
  if (failed_) return false;
  const int count = sink_.appendOutput(heading_, text, lineCount_, countLines(text), noHeading);
  if (count == 0) {
    failed_ = true;
    return false;
  }
  lineCount_ = count;
  return true;
}

bool ReportOutput::continueLine(std::string_view fragment) {
  if (failed_) return false;
  if (!sink_.appendToLine(fragment)) failed_ = true;
  return !failed_;
}

}  // namespace z5
