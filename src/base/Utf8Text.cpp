#include "base/Utf8Text.h"

namespace z5 {
namespace {

constexpr unsigned char kAsciiEnd = 0x80;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationMark = 0x80;
constexpr unsigned kPayloadBits = 6;
constexpr char32_t kPayloadMask = 0x3F;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;
constexpr char32_t kLastCodePoint = 0x10FFFF;

// A lead byte: the number of continuation bytes it announces, the bits it
// carries and the smallest code point its sequence may encode (smaller is
// an overlong form).
struct LeadByte {
  unsigned char mask;
  unsigned char mark;
  int continuations;
  char32_t smallest;
};
constexpr LeadByte kLeadBytes[] = {
    {0xE0, 0xC0, 1, 0x80},
    {0xF0, 0xE0, 2, 0x800},
    {0xF8, 0xF0, 3, 0x10000},
};

bool isContinuation(unsigned char byte) { return (byte & kContinuationMask) == kContinuationMark; }

}  // namespace

std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < kAsciiEnd) return lead;
  for (const LeadByte& kind : kLeadBytes) {
    if ((lead & kind.mask) != kind.mark) continue;
    char32_t value = lead & static_cast<unsigned char>(~kind.mask);
    std::size_t next = at;
    for (int i = 0; i < kind.continuations; ++i, ++next) {
      if (next >= text.size() || !isContinuation(static_cast<unsigned char>(text[next]))) return std::nullopt;
      value = (value << kPayloadBits) | (static_cast<unsigned char>(text[next]) & kPayloadMask);
    }
    if (value < kind.smallest || value > kLastCodePoint || (value >= kSurrogateFirst && value <= kSurrogateLast)) {
      return std::nullopt;
    }
    at = next;
    return value;
  }
  return std::nullopt;
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    if (!nextCodePoint(text, at)) return false;
  }
  return true;
}

std::string latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < kAsciiEnd) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(kContinuationMask | (byte >> kPayloadBits)));
      out.push_back(static_cast<char>(kContinuationMark | (byte & kPayloadMask)));
    }
  }
  return out;
}

std::string asUtf8(std::string_view text) {
  return isValidUtf8(text) ? std::string(text) : latin1ToUtf8(text);
}

std::string linesAsUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    out += asUtf8(text.substr(0, length));
    text.remove_prefix(length);
  }
  return out;
}

std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++count) nextCodePoint(text, at);
  return count;
}

std::string_view firstCharacters(std::string_view text, std::size_t count) {
  std::size_t at = 0;
  for (std::size_t n = 0; n < count && at < text.size(); ++n) nextCodePoint(text, at);
  return text.substr(0, at);
}

std::string_view firstBytes(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  for (std::size_t at = 0; at < text.size();) {
    nextCodePoint(text, at);
    if (at > limit) break;
    end = at;
  }
  return text.substr(0, end);
}

std::string paddedToCharacters(std::string_view text, std::size_t count) {
  std::string padded(firstCharacters(text, count));
  padded.append(count - characterCount(padded), ' ');
  return padded;
}

}  // namespace z5
