#include "report/ReportOutput.h"

#include "base/AsciiText.h"

namespace z5 {
namespace {
constexpr std::string_view kNoAsciiForm = "?";
}  // namespace

bool ReportOutput::append(std::string_view utf8, bool noHeading) {
  if (failed_) return false;
  const std::string ascii = characters_ == ReportCharacters::Ascii ? toAscii(utf8, kNoAsciiForm) : std::string();
  const std::string_view text = characters_ == ReportCharacters::Ascii ? std::string_view(ascii) : utf8;
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
  const bool ascii = characters_ == ReportCharacters::Ascii;
  if (!sink_.appendToLine(ascii ? toAscii(fragment, kNoAsciiForm) : std::string(fragment))) failed_ = true;
  return !failed_;
}

}  // namespace z5
