#include "base/TextUtil.h"

#include <fmt/format.h>

#include "base/Utf8Text.h"

namespace z5 {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAlnum(char c) { return isAlpha(c) || isDigit(c); }
char toUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string expandLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string escapedControls(std::string_view text) {
  constexpr char32_t kFirstPrintable = 0x20;
  constexpr char32_t kDelete = 0x7F;
  constexpr char32_t kLastC1 = 0x9F;
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    const std::optional<char32_t> c = nextCodePoint(text, at);
    if (!c) {
      out += fmt::format("\\x{:02X}", static_cast<unsigned char>(text[start]));
    } else if ((*c < kFirstPrintable && *c != '\n' && *c != '\r' && *c != '\t') || *c == kDelete) {
      out += fmt::format("\\x{:02X}", static_cast<unsigned>(*c));
    } else if (*c > kDelete && *c <= kLastC1) {
      out += fmt::format("\\u{:04X}", static_cast<unsigned>(*c));
    } else {
      out.append(text.substr(start, at - start));
    }
  }
  return out;
}

std::string toUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = toUpper(c);
  return out;
}

}  // namespace z5
