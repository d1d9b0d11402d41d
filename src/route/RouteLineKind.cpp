#include "route/RouteLineKind.h"

#include "base/TextUtil.h"
#include "base/Utf8Text.h"
#include "route/PositionText.h"
#include "route/Waypoint.h"
#include "route/WaypointSentence.h"

namespace z5 {
namespace {

constexpr std::string_view kAmverHeader = "AMVER";
constexpr std::string_view kComment = "//";
constexpr char kDirectiveMark = '!';
constexpr char kAmverSeparator = '/';
constexpr std::string_view kResumeKeyword = "ON";
constexpr std::string_view kStopKeyword = "OFF";

// The bits of RouteLineContext::toInt.
constexpr int kScanningOffBit = 1;
constexpr int kAmverBit = 2;
constexpr int kExpectShift = 2;

bool isComment(std::string_view body) { return body.starts_with(kComment); }

RouteLineClass directiveLine(std::string_view line, RouteLineContext& context) {
  const std::string_view body = withoutLeadingSpace(line);
  const std::size_t markAt = line.size() - body.size();
  const auto word = directiveWord(body.substr(1));
  if (!context.scanning) {
    if (!word || word->keyword != kResumeKeyword) return {RouteLineRole::Ignored};
    context.scanning = true;
  }
  if (!word) return {RouteLineRole::UnknownDirective};
  if (word->keyword == kStopKeyword) context.scanning = false;
  return {RouteLineRole::Directive, markAt + 1 + word->argumentStart};
}

RouteLineClass positionLine(std::string_view line, RouteLineContext& context) {
  const bool latitude = context.expect == RouteLineContext::Expect::Latitude;
  context.expect = latitude ? RouteLineContext::Expect::Longitude : RouteLineContext::Expect::Name;
  const double degrees = parsePosition(line, latitude ? PositionKind::Latitude : PositionKind::Longitude);
  if (degrees < kRouteLineErrorBelow) return {latitude ? RouteLineRole::BadLatitude : RouteLineRole::BadLongitude};
  return {latitude ? RouteLineRole::Latitude : RouteLineRole::Longitude};
}

}  // namespace

std::string_view withoutLeadingSpace(std::string_view line) {
  std::size_t first = 0;
  while (first < line.size() && isSpace(line[first])) ++first;
  return line.substr(first);
}

bool isPositionLine(std::string_view line) {
  const std::string_view body = withoutLeadingSpace(line);
  return !body.empty() && !isComment(body);
}

RouteLineKind routeLineKind(std::string_view line, bool scanning, bool amverInput) {
  const std::string_view body = withoutLeadingSpace(line);
  if (body.empty()) return RouteLineKind::Blank;
  if (body.front() == kDirectiveMark) return RouteLineKind::Directive;
  if (!scanning) return RouteLineKind::Ignored;
  if (isComment(body)) return RouteLineKind::Comment;
  if (!amverInput && toUpper(body.substr(0, kAmverHeader.size())) == kAmverHeader) return RouteLineKind::AmverHeader;
  if (amverInput) {
    return body.size() > 1 && body[1] == kAmverSeparator ? RouteLineKind::AmverLine : RouteLineKind::Ignored;
  }
  if (line.starts_with(kWaypointSentenceTag)) return RouteLineKind::WaypointSentence;
  return RouteLineKind::WaypointName;
}

int RouteLineContext::toInt() const {
  return (scanning ? 0 : kScanningOffBit) | (amverInput ? kAmverBit : 0) | (static_cast<int>(expect) << kExpectShift);
}

RouteLineContext RouteLineContext::fromInt(int value) {
  if (value < 0) return {};
  RouteLineContext context;
  context.scanning = (value & kScanningOffBit) == 0;
  context.amverInput = (value & kAmverBit) != 0;
  const int expect = value >> kExpectShift;
  context.expect = expect <= static_cast<int>(Expect::Longitude) ? static_cast<Expect>(expect) : Expect::Name;
  return context;
}

RouteLineClass classifyRouteLine(std::string_view line, RouteLineContext& context) {
  if (context.expect != RouteLineContext::Expect::Name) {
    if (!isPositionLine(line)) {
      return {isComment(withoutLeadingSpace(line)) ? RouteLineRole::Comment : RouteLineRole::Blank};
    }
    return positionLine(line, context);
  }
  switch (routeLineKind(line, context.scanning, context.amverInput)) {
    case RouteLineKind::Blank:
      return {RouteLineRole::Blank};
    case RouteLineKind::Directive:
      return directiveLine(line, context);
    case RouteLineKind::Ignored:
      return {RouteLineRole::Ignored};
    case RouteLineKind::Comment:
      return {RouteLineRole::Comment};
    case RouteLineKind::AmverHeader:
      context.amverInput = true;
      return {RouteLineRole::AmverHeader};
    case RouteLineKind::AmverLine:
      return {RouteLineRole::AmverLine};
    case RouteLineKind::WaypointSentence:
      return {decodeWaypointSentence(line).result == WaypointSentence::kValid ? RouteLineRole::WaypointSentence
                                                                               : RouteLineRole::BadWaypointSentence};
    case RouteLineKind::WaypointName:
      break;
  }
  context.expect = RouteLineContext::Expect::Latitude;
  RouteLineClass name{RouteLineRole::WaypointName};
  name.nameEnd = firstCharacters(line, static_cast<std::size_t>(kWaypointNameLength)).size();
  return name;
}

}  // namespace z5
