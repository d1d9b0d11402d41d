#include "world/PointFile.h"

#include "base/TextUtil.h"
#include "base/Utf8Text.h"

namespace z5 {
namespace {

// UTF-8 continuation bytes are 10xxxxxx; a character has at most three.
constexpr int kContinuationMask = 0xC0;
constexpr int kContinuationMark = 0x80;
constexpr std::size_t kMaxContinuationBytes = 3;

std::string_view withoutLeadingSpace(std::string_view s) {
  while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
  return s;
}

bool skipped(std::string_view line) {
  const std::string_view s = withoutLeadingSpace(line);
  return s.empty() || s.starts_with("//") || s.starts_with("!");
}

}  // namespace

bool PointFileReader::readLine(std::string& line) {
  line.clear();
  int c;
  bool any = false;
  while ((c = in_.get()) != std::char_traits<char>::eof()) {
    any = true;
    if (c == '\n') break;
    // A character that begins below the limit is kept whole.
    const bool continuesCharacter = (c & kContinuationMask) == kContinuationMark;
    if (line.size() < kMaxPointFileLineBytes || (continuesCharacter && line.size() < kMaxPointFileLineBytes + kMaxContinuationBytes)) {
      line.push_back(static_cast<char>(c));
    }
  }
  if (!any) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  line = std::string(firstCharacters(asUtf8(line), kMaxPointFileLine));
  ++lineNumber_;
  lastLine_ = line;
  return true;
}

bool PointFileReader::significantLine(std::string& line) {
  while (readLine(line))
    if (!skipped(line)) return true;
  return false;
}

bool PointFileReader::fail(int number) {
  error_ = {number, lineNumber_, entries_, lastLine_};
  stopped_ = true;
  return false;
}

bool PointFileReader::next(UserPoint& point) {
  if (stopped_) return false;
  std::string line;
  if (!significantLine(line)) {
    stopped_ = true;
    return false;
  }
  ++entries_;
  point.name = std::string(withoutLeadingSpace(line));
  if (!significantLine(line)) return fail(kPointFileEndsInGroup);
  point.latitude = parse_(line, PositionKind::Latitude);
  if (point.latitude < kRouteLineErrorBelow) return fail(kPointFileBadLatitude);
  if (!significantLine(line)) return fail(kPointFileEndsInGroup);
  point.longitude = parse_(line, PositionKind::Longitude);
  if (point.longitude < kRouteLineErrorBelow) return fail(kPointFileBadLongitude);
  return true;
}

}  // namespace z5
