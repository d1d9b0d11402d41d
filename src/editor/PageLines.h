#pragma once
// Printing a text: the header and footer lines of a page, where they and
// the text go on the page, and which lines fall on which page.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Clock.h"
#include "editor/PageSetup.h"

namespace z5 {

// A header or footer line holds at most this many characters.
inline constexpr std::size_t kMaxPageLine = 127;

// The line of `pageTemplate` for page `page` of the file `fileName` (its
// path, or its title when it has none): the first "&p" becomes the page
// number and then the first "&f" the file name; the result is the format
// of strftime on `time` (local time). Empty when `time` is nullopt (it
// could not be converted) or the line would be longer than kMaxPageLine.
std::string expandPageTemplate(std::string_view pageTemplate, int page, std::string_view fileName,
                               const std::optional<std::tm>& time);

// The times of the header and footer, fixed when printing begins: the last
// modification of the file at `path` in local time when the setting asks
// for file time and the file's status can be read, else the clock's local time.
struct PrintTimes {
  std::optional<std::tm> header;
  std::optional<std::tm> footer;
};
PrintTimes fixPrintTimes(const PageSetup& setup, const std::string& path, const Clock& clock);

// The clock's time as the C library's broken-down time (local time).
std::tm brokenDownTime(const ClockTime& time);

// Where things go on a page of rectangle `top`..`bottom` (device units,
// growing downwards) with the printer font's line height h and g = h / 4:
// a header at the top with its rule at top + h + g and the text from
// top + h + 2g; a footer at bottom - h with its rule at bottom - h - g and
// the text ending at bottom - h - 2g. No header or footer: no rule and no space.
struct PageLayout {
  bool header = false;
  int headerY = 0, headerRuleY = 0;
  int textTop = 0, textBottom = 0;
  bool footer = false;
  int footerY = 0, footerRuleY = 0;
  // How many whole lines of height h the text area holds (at least 1).
  int linesPerPage = 1;
};
PageLayout layoutPage(int top, int bottom, int lineHeight, bool hasHeader, bool hasFooter);

// The lines of a page: [first, first + count) of the text's lines.
struct PageSpan {
  int first = 0;
  int count = 0;
};

// The text's lines without their line ends ("\r\n", "\r" or "\n"); a line
// end at the very end begins an empty last line, as in the editor.
std::vector<std::string_view> textLines(std::string_view text);

// The text's lines (ended by "\r\n", "\r" or "\n") dealt out to pages of
// `linesPerPage`; an empty text is one empty page.
std::vector<PageSpan> paginate(std::string_view text, int linesPerPage);

// The page (counted from 1) that holds the caret at byte offset `caret`
// of `text`, pages of `linesPerPage`.
int pageOfCaret(std::string_view text, std::size_t caret, int linesPerPage);

// The byte offset of the start of `page` (counted from 1): where the caret
// goes when print preview ends on that page.
std::size_t pageStart(std::string_view text, int page, int linesPerPage);

}  // namespace z5
