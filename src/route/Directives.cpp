// The route directives: lines beginning with "!". Each keyword is
// recognised by its leading letters (!SPEEDS is !SPEED); the table is
// searched in order and the first match wins.

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <optional>
#include <string_view>

#include <fmt/printf.h>

#include "base/TextUtil.h"
#include "base/Utf8Text.h"
#include "route/DecimalNumber.h"
#include "route/PositionText.h"
#include "route/RouteLineKind.h"
#include "route/RouteReader.h"

namespace z5 {
namespace {

constexpr double kSmallestSpeed = 0.01;   // knots
constexpr double kLargestSpeed = 1000;
constexpr double kSpeedGiven = 0.0001;    // a waypoint speed above this is a speed
constexpr double kWestmostZone = -13;     // hours
constexpr double kEastmostZone = 12;
constexpr double kLongestStop = 10000;    // hours
constexpr double kLargestGcInterval = 50; // degrees of longitude
constexpr double kDefaultGcInterval = 1;
constexpr double kSmallestGcInterval = 1; // the closest spacing of great-circle points
constexpr double kSmallestChart = 1;
constexpr double kLargestChart = 99000;
constexpr int kLatitudeRequestsFullShown = 1000;   // the number error string 8 shows
constexpr int kLongitudeRequestsFullShown = 1000;  // and error string 10
// Header texts keep at most this many characters.
constexpr std::size_t kVesselNameLimit = 100;
constexpr std::size_t kCallSignLimit = 50;
constexpr std::size_t kRemarkLimit = 250;
constexpr std::size_t kPortNameLimit = 255;

using Handler = int (*)(RouteReader&, std::string_view argument);

struct Directive {
  std::string_view keyword;
  Handler handler;
};

// The argument after white space and "=" characters in any mix.
std::string_view separated(std::string_view argument) {
  std::size_t at = 0;
  while (at < argument.size() && (isSpace(argument[at]) || argument[at] == '=')) ++at;
  return argument.substr(at);
}

// The argument when its first character is a digit or one of `starts`: it
// is then meant as a number. Nullopt otherwise.
std::optional<std::string_view> numericText(std::string_view argument, std::string_view starts) {
  const std::string_view text = separated(argument);
  if (text.empty() || (!isDigit(text.front()) && starts.find(text.front()) == std::string_view::npos)) {
    return std::nullopt;
  }
  return text;
}

// The number that is the whole argument (white space and a "//" comment may
// follow it); nullopt when there is none, or anything else is there
// ("12abc", "1e308"), so that no value is silently read as a part of itself.
std::optional<double> numberArgument(std::string_view argument, std::string_view starts) {
  const auto text = numericText(argument, starts);
  return text ? numberOnly(*text) : std::nullopt;
}

bool within(double value, double lowest, double highest) { return value >= lowest && value <= highest; }

bool isControl(char c) {
  constexpr unsigned char kDelete = 0x7F;
  const auto u = static_cast<unsigned char>(c);
  return u < ' ' || u == kDelete;
}

// Text directives take the rest of the line, trimmed, unless it is empty or
// begins with a control character. Whatever the user wrote is kept as
// written: punctuation, quotes and "%" included. A text over `limit` bytes
// is cut before the character that crosses it.
std::optional<std::string> textArgument(std::string_view argument, std::size_t limit) {
  const std::string_view text = separated(argument);
  if (text.empty() || isControl(text.front())) return std::nullopt;
  const std::string value = trim(text);
  return std::string(firstBytes(value, limit));
}

int onDirective(RouteReader& reader, std::string_view) {
  reader.state().scanning = true;
  return kReadOn;
}

int offDirective(RouteReader& reader, std::string_view) {
  reader.state().scanning = false;
  return kReadOn;
}

int averageDirective(RouteReader& reader, std::string_view) {
  reader.state().released = true;
  return kReadOn;
}

int setDirective(RouteReader& reader, std::string_view) {
  if (Waypoint* last = reader.lastWaypoint()) {
    last->speedFixed = 1;
    if (last->speed > kSpeedGiven) reader.state().currentSpeed = last->speed;
  }
  reader.state().released = false;
  return kReadOn;
}

int unsetDirective(RouteReader& reader, std::string_view) {
  if (Waypoint* last = reader.lastWaypoint()) {
    last->speedFixed = 0;
    last->speed = 0;
  }
  reader.state().released = true;
  if (reader.voyage().arrivalTimeMode) reader.state().currentSpeed = 0;
  return kReadOn;
}

int speedDirective(RouteReader& reader, std::string_view argument) {
  const auto speed = numberArgument(argument, ".");
  if (!speed || !within(*speed, kSmallestSpeed, kLargestSpeed)) return reader.failAtWaypoint(kBadSpeed);
  reader.state().currentSpeed = *speed;
  if (Waypoint* last = reader.lastWaypoint()) last->speed = *speed;
  return kReadOn;
}

int zoneDirective(RouteReader& reader, std::string_view argument) {
  const auto zone = numberArgument(argument, "+-");
  if (!zone || !within(*zone, kWestmostZone, kEastmostZone)) return reader.failAtWaypoint(kBadZone);
  ReadingState& state = reader.state();
  state.currentZone = *zone;
  if (state.firstZone > kZoneGivenLimit) {
    // The first waypoint takes the first zone description of the file,
    // even when it is given after it.
    state.firstZone = *zone;
    if (!reader.voyage().empty()) reader.voyage().waypoints.front().zoneDescription = *zone;
  }
  return kReadOn;
}

int stopDirective(RouteReader& reader, std::string_view argument) {
  Waypoint* last = reader.lastWaypoint();
  const auto hours = numberArgument(argument, ".");
  if (!last || !hours || !within(*hours, 0, kLongestStop)) return reader.failAtWaypoint(kBadStop);
  last->stopHours = *hours;
  return kReadOn;
}

int latitudeDirective(RouteReader& reader, std::string_view argument) {
  const double latitude = parsePosition(separated(argument), PositionKind::Latitude);
  if (latitude < kPositionErrorBelow) return reader.failAtLine(kBadLatitudeRequest);
  auto& requests = reader.voyage().latitudeRequests;
  if (static_cast<int>(requests.size()) >= kMaxInterceptRequests) {
    return reader.fail(kLatitudeRequestsFull, kLatitudeRequestsFullShown, reader.lineNumber(), reader.fileName());
  }
  requests.push_back({latitude, reader.state().currentChart});
  return kReadOn;
}

int longitudeDirective(RouteReader& reader, std::string_view argument) {
  const double longitude = parsePosition(separated(argument), PositionKind::Longitude);
  if (longitude < kPositionErrorBelow) return reader.failAtLine(kBadLongitudeRequest);
  auto& requests = reader.voyage().longitudeRequests;
  if (static_cast<int>(requests.size()) >= kMaxInterceptRequests) {
    return reader.fail(kLongitudeRequestsFull, kLongitudeRequestsFullShown, reader.lineNumber(),
                       reader.fileName());
  }
  requests.push_back({longitude, reader.state().currentChart});
  return kReadOn;
}

int vesselDirective(RouteReader& reader, std::string_view argument) {
  if (auto text = textArgument(argument, kVesselNameLimit)) reader.settings().VESSEL = std::move(*text);
  return kReadOn;
}

int arrivingDirective(RouteReader& reader, std::string_view argument) {
  if (auto text = textArgument(argument, kPortNameLimit)) reader.voyage().arrivalPort = std::move(*text);
  return kReadOn;
}

int departingDirective(RouteReader& reader, std::string_view argument) {
  if (auto text = textArgument(argument, kPortNameLimit)) reader.voyage().departurePort = std::move(*text);
  return kReadOn;
}

int remarkDirective(RouteReader& reader, std::string_view argument) {
  if (auto text = textArgument(argument, kRemarkLimit)) reader.settings().REMARK = std::move(*text);
  return kReadOn;
}

int callDirective(RouteReader& reader, std::string_view argument) {
  if (auto text = textArgument(argument, kCallSignLimit)) reader.settings().CALL = std::move(*text);
  return kReadOn;
}

int noteDirective(RouteReader& reader, std::string_view argument) {
  auto& notes = reader.voyage().notes;
  if (static_cast<int>(notes.size()) >= kMaxNotes) {
    return reader.fail(kTooManyNotes, kMaxNotes, reader.lineNumber(), reader.fileName());
  }
  try {
    notes.emplace_back(argument);
  } catch (const std::bad_alloc&) {
    reader.messages().showError(kNoNoteMemory.number, kNoNoteMemory.milliseconds,
                                static_cast<int>(notes.size()) + 1);
    return kReadFatal;
  }
  return kReadOn;
}

int chartDirective(RouteReader& reader, std::string_view argument) {
  const auto text = numericText(argument, ".-");
  if (!text) return kReadOn;  // a chart line without a number names no chart
  const auto number = numberOnly(*text);
  if (!number || !within(*number, kSmallestChart, kLargestChart) || *number != std::floor(*number)) {
    return reader.failAtLine(kBadChart);
  }
  const int chart = static_cast<int>(*number);
  reader.state().currentChart = chart;
  auto& charts = reader.voyage().charts;
  if (std::find(charts.begin(), charts.end(), chart) != charts.end()) return kReadOn;
  if (static_cast<int>(charts.size()) < kMaxCharts) {
    charts.push_back(chart);
  } else {
    reader.messages().appendLine(fmt::sprintf("Line %d of %s: the chart list is full at %d charts; chart %d is not listed.",
                                              reader.lineNumber(), reader.fileName(), kMaxCharts, chart));
  }
  return kReadOn;
}

// "!GC" alone (or followed by a word) takes the default interval; a
// number must be an interval the leg pass can use.
int greatCircleDirective(RouteReader& reader, std::string_view argument) {
  double interval = kDefaultGcInterval;
  if (const auto text = numericText(argument, ".+-")) {
    const auto number = numberOnly(*text);
    if (!number || !within(*number, kSmallestGcInterval, kLargestGcInterval)) {
      return reader.fail(kBadGcInterval, reader.lineNumber(), reader.fileName(), reader.waypointNumber(),
                         static_cast<int>(kLargestGcInterval));
    }
    interval = *number;
  }
  reader.state().greatCircle = true;
  reader.state().pendingGcInterval = interval;
  return kReadOn;
}

int rhumbLineDirective(RouteReader& reader, std::string_view) {
  reader.state().greatCircle = false;
  return kReadOn;
}

constexpr std::array<Directive, 19> kDirectives = {{
    {"ON", onDirective},
    {"OFF", offDirective},
    {"AVE", averageDirective},
    {"SET", setDirective},
    {"UNSET", unsetDirective},
    {"SPEED", speedDirective},
    {"ZD", zoneDirective},
    {"STOP", stopDirective},
    {"LAT", latitudeDirective},
    {"LON", longitudeDirective},
    {"VESSEL", vesselDirective},
    {"ARRIVING", arrivingDirective},
    {"DEPARTING", departingDirective},
    {"REMARK", remarkDirective},
    {"NOTE", noteDirective},
    {"CALL", callDirective},
    {"CHART", chartDirective},
    {"GC", greatCircleDirective},
    {"RL", rhumbLineDirective},
}};

// Scanning resumes only through this one.
constexpr Handler kResumeScanning = onDirective;

}  // namespace

std::optional<DirectiveWord> directiveWord(std::string_view afterMark) {
  std::size_t start = 0;
  while (start < afterMark.size() && isSpace(afterMark[start])) ++start;
  const std::string word = toUpper(afterMark.substr(start));
  const auto match = std::find_if(kDirectives.begin(), kDirectives.end(),
                                  [&](const Directive& d) { return word.starts_with(d.keyword); });
  if (match == kDirectives.end()) return std::nullopt;
  // The argument follows the whole word: the letters after the keyword
  // ("!CHARTS 1234") belong to it.
  std::size_t end = start + match->keyword.size();
  while (end < afterMark.size() && isAlpha(afterMark[end])) ++end;
  return DirectiveWord{match->keyword, end};
}

int runDirective(RouteReader& reader, std::string_view afterMark) {
  const auto word = directiveWord(afterMark);
  const Directive* match =
      word ? &*std::find_if(kDirectives.begin(), kDirectives.end(),
                            [&](const Directive& d) { return d.keyword == word->keyword; })
           : nullptr;
  if (!reader.state().scanning) {
    return match && match->handler == kResumeScanning ? kResumeScanning(reader, {}) : kReadOn;
  }
  if (!match) return reader.failAtLine(kUnknownDirective);
  return match->handler(reader, afterMark.substr(word->argumentStart));
}

}  // namespace z5
