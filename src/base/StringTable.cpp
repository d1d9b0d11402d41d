#include "base/StringTable.h"

#include <fstream>

#include <fmt/args.h>

#include "base/NumberReading.h"
#include "base/TextUtil.h"

namespace z5 {
namespace {

// A string file line is read up to this many characters; the rest of a
// longer line is dropped, so that it cannot shift the numbering of the
// strings after it.
constexpr std::size_t kMaxLineLength = 1999;

// No conversion may be wider or more precise than a string line is long: a
// width of a billion would fill gigabytes at every use of the string.
constexpr std::size_t kMaxConversionWidth = kMaxLineLength;

// False when a conversion's width, precision or argument number is above
// kMaxConversionWidth, or its width or precision is taken from an argument
// ('*': a line number or a chart scale would become the width).
bool conversionsBounded(std::string_view text) {
  constexpr std::string_view kConversionFlagCharacters = "-+ #0123456789.$*hlLjzt";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    for (++i; i < text.size() && kConversionFlagCharacters.find(text[i]) != std::string_view::npos; ++i) {
      if (text[i] == '*') return false;
      if (!isDigit(text[i])) continue;
      const auto number = leadingInteger<std::size_t>(text.substr(i), Sign::None);
      if (!number || number->value > kMaxConversionWidth) return false;
      i += number->length - 1;
    }
  }
  return true;
}

std::vector<std::string> defaults(StringFile file) {
  std::vector<std::string> texts;
  const int n = StringTable::count(file);
  texts.reserve(n);
  for (int i = 0; i < n; ++i) texts.emplace_back(StringTable::entry(file, i).text);
  return texts;
}

// Formats `text` with sample values of the argument list; false when the
// conversions don't fit the arguments.
bool fitsArguments(const std::string& text, std::string_view arguments) {
  fmt::dynamic_format_arg_store<fmt::printf_context> store;
  for (char letter : arguments) {
    switch (letter) {
      case 'd': store.push_back(1); break;
      case 'f': store.push_back(1.5); break;
      case 'c': store.push_back('x'); break;
      default: store.push_back(std::string("x")); break;
    }
  }
  try {
    fmt::vsprintf(fmt::string_view(text), fmt::basic_format_args<fmt::printf_context>(store));
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool fitsEveryList(const std::string& text, std::string_view lists) {
  if (lists.empty()) return true;  // a plain text is never formatted
  if (!conversionsBounded(text)) return false;
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = lists.find('|', start);
    const std::string_view list = lists.substr(start, bar == std::string_view::npos ? bar : bar - start);
    if (!fitsArguments(text, list)) return false;
    if (bar == std::string_view::npos) return true;
    start = bar + 1;
  }
}

// Reads up to `count` lines, each without its line end (LF or CR LF) and cut
// to kMaxLineLength characters.
std::vector<std::string> readLines(std::istream& in, int count) {
  std::vector<std::string> lines;
  std::string line;
  bool started = false;
  char last = '\0';
  const auto finish = [&] {
    if (last == '\r' && !line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kMaxLineLength) line.resize(kMaxLineLength);
    lines.push_back(std::move(line));
    line.clear();
    started = false;
    last = '\0';
  };
  char c;
  while (static_cast<int>(lines.size()) < count && in.get(c)) {
    if (c == '\n') {
      finish();
      continue;
    }
    started = true;
    last = c;
    // One character more than the limit is kept: it may be the CR of a CR LF.
    if (line.size() <= kMaxLineLength) line += c;
  }
  if (started && static_cast<int>(lines.size()) < count) finish();
  return lines;
}

}  // namespace

std::string decodeStringLine(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\') {
      out += line[i];
      continue;
    }
    if (++i == line.size()) break;  // a lone backslash at the end yields nothing
    switch (line[i]) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      default: out += line[i]; break;
    }
  }
  return out;
}

StringTable::StringTable() : errors_(defaults(StringFile::Error)), prompts_(defaults(StringFile::Prompt)) {}

int StringTable::count(StringFile file) {
  return file == StringFile::Error ? kErrorStringCount : kPromptStringCount;
}

const CatalogueEntry& StringTable::entry(StringFile file, int number) {
  return file == StringFile::Error ? kErrorStrings.at(number) : kPromptStrings.at(number);
}

const std::string& StringTable::text(StringFile file, int number) const {
  return file == StringFile::Error ? errors_.at(number) : prompts_.at(number);
}

bool StringTable::load(StringFile file, const std::string& path, std::vector<int>& replaced, int* linesFound) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (linesFound != nullptr) *linesFound = -1;
    return false;
  }
  return load(file, in, replaced, linesFound);
}

bool StringTable::load(StringFile file, std::istream& in, std::vector<int>& replaced, int* linesFound) {
  const int n = count(file);
  std::vector<std::string> lines = readLines(in, n);
  if (linesFound != nullptr) *linesFound = static_cast<int>(lines.size());
  if (static_cast<int>(lines.size()) < n) return false;
  for (int i = 0; i < n; ++i) {
    lines[i] = decodeStringLine(lines[i]);
    if (!fitsEveryList(lines[i], entry(file, i).arguments)) {
      lines[i] = std::string(entry(file, i).text);
      replaced.push_back(i);
    }
  }
  (file == StringFile::Error ? errors_ : prompts_) = std::move(lines);
  return true;
}

}  // namespace z5
