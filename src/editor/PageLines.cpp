#include "editor/PageLines.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>


namespace z5 {
namespace {

constexpr std::string_view kPageCode = "&p";
constexpr std::string_view kFileCode = "&f";
constexpr int kYearBase = 1900;

void replaceFirst(std::string& text, std::string_view code, std::string_view by) {
  const std::size_t at = text.find(code);
  if (at != std::string::npos) text.replace(at, code.size(), by);
}

std::optional<std::tm> localTime(std::time_t when) {
  std::tm time{};
  if (localtime_r(&when, &time) == nullptr) return std::nullopt;
  return time;
}

std::optional<std::tm> chosenTime(int choice, const std::string& path, const Clock& clock) {
  struct stat status {};
  if (choice == kFileTime && !path.empty() && stat(path.c_str(), &status) == 0) return localTime(status.st_mtime);
  return brokenDownTime(clock.localNow());
}

// The offsets at which the text's lines begin; a line end ("\r\n", "\r" or
// "\n") at the very end begins an empty last line, as in the editor.
std::vector<std::size_t> lineStarts(std::string_view text) {
  std::vector<std::size_t> starts{0};
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\r' && text[at] != '\n') continue;
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    starts.push_back(at + 1);
  }
  return starts;
}

}  // namespace

std::string expandPageTemplate(std::string_view pageTemplate, int page, std::string_view fileName,
                               const std::optional<std::tm>& time) {
  if (!time) return {};
  std::string format(pageTemplate);
  replaceFirst(format, kPageCode, std::to_string(page));
  replaceFirst(format, kFileCode, fileName);
  if (format.empty()) return {};
  std::array<char, kMaxPageLine + 1> line{};
  const std::size_t length = std::strftime(line.data(), line.size(), format.c_str(), &*time);
  return std::string(line.data(), length);
}

PrintTimes fixPrintTimes(const PageSetup& setup, const std::string& path, const Clock& clock) {
  return {chosenTime(setup.HeaderTime, path, clock), chosenTime(setup.FooterTime, path, clock)};
}

std::tm brokenDownTime(const ClockTime& time) {
  std::tm tm{};
  tm.tm_year = time.year - kYearBase;
  tm.tm_mon = time.month - 1;
  tm.tm_mday = time.day;
  tm.tm_hour = time.hour;
  tm.tm_min = time.minute;
  tm.tm_sec = static_cast<int>(time.second);
  tm.tm_isdst = -1;
  // The day of the week and of the year, for the codes that show them.
  std::tm normalised = tm;
  if (std::mktime(&normalised) == static_cast<std::time_t>(-1)) tm.tm_wday = time.weekday;
  else tm = normalised;
  return tm;
}

PageLayout layoutPage(int top, int bottom, int lineHeight, bool hasHeader, bool hasFooter) {
  const int h = lineHeight;
  const int g = h / 4;
  PageLayout page;
  page.textTop = top;
  page.textBottom = bottom;
  if (hasHeader) {
    page.header = true;
    page.headerY = top;
    page.headerRuleY = top + h + g;
    page.textTop = top + h + 2 * g;
  }
  if (hasFooter) {
    page.footer = true;
    page.footerY = bottom - h;
    page.footerRuleY = bottom - h - g;
    page.textBottom = bottom - h - 2 * g;
  }
  page.linesPerPage = h > 0 ? std::max(1, (page.textBottom - page.textTop) / h) : 1;
  return page;
}

std::vector<std::string_view> textLines(std::string_view text) {
  const std::vector<std::size_t> starts = lineStarts(text);
  std::vector<std::string_view> lines;
  lines.reserve(starts.size());
  for (std::size_t i = 0; i < starts.size(); ++i) {
    std::size_t end = i + 1 < starts.size() ? starts[i + 1] : text.size();
    while (end > starts[i] && (text[end - 1] == '\r' || text[end - 1] == '\n')) --end;
    lines.push_back(text.substr(starts[i], end - starts[i]));
  }
  return lines;
}

std::vector<PageSpan> paginate(std::string_view text, int linesPerPage) {
  const int perPage = std::max(1, linesPerPage);
  const int lines = static_cast<int>(lineStarts(text).size());
  std::vector<PageSpan> pages;
  for (int first = 0; first < lines; first += perPage) pages.push_back({first, std::min(perPage, lines - first)});
  return pages;
}

int pageOfCaret(std::string_view text, std::size_t caret, int linesPerPage) {
  const std::vector<std::size_t> starts = lineStarts(text);
  const auto after = std::upper_bound(starts.begin(), starts.end(), caret);
  const int line = static_cast<int>(after - starts.begin()) - 1;
  return line / std::max(1, linesPerPage) + 1;
}

std::size_t pageStart(std::string_view text, int page, int linesPerPage) {
  const std::vector<std::size_t> starts = lineStarts(text);
  const std::size_t line = static_cast<std::size_t>(std::max(0, page - 1)) * std::max(1, linesPerPage);
  return line < starts.size() ? starts[line] : text.size();
}

}  // namespace z5
