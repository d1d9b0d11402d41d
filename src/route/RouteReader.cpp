#include "route/RouteReader.h"

#include <utility>

#include <fmt/printf.h>

#include "base/TextUtil.h"
#include "base/Utf8Text.h"
#include "route/PositionText.h"
#include "route/RouteLineKind.h"
#include "route/WaypointSentence.h"

namespace z5 {
namespace {

// An interval from !GC is carried by the next waypoint when above this.
constexpr double kSmallestGcInterval = 0.00001;
// Characters kept of the texts of an error location.
constexpr std::size_t kErrorTextLimit = 255;
std::string capped(std::string_view text) { return std::string(firstCharacters(text, kErrorTextLimit)); }

}  // namespace

RouteReader::RouteReader(Voyage& voyage, SettingsRecord& settings, Messages& messages, const Clock& clock,
                         std::string fileName)
    : voyage_(voyage), settings_(settings), messages_(messages), clock_(clock), fileName_(std::move(fileName)) {}

int RouteReader::read(std::string_view text) {
  if (!isValidUtf8(text)) {
    utf8Text_ = linesAsUtf8(text);
    text = utf8Text_;
  }
  lines_ = RouteLines(text);
  while (const auto line = lines_.next()) {
    const int status = readLine(*line);
    if (status != kReadOn) return status;
  }
  return kReadOn;
}

int RouteReader::readLine(std::string_view line) {
  const std::string_view body = withoutLeadingSpace(line);
  switch (routeLineKind(line, state_.scanning, voyage_.amver.active)) {
    case RouteLineKind::Blank:
    case RouteLineKind::Ignored:
    case RouteLineKind::Comment:
      return kReadOn;
    case RouteLineKind::Directive:
      return runDirective(*this, body.substr(1));
    case RouteLineKind::AmverHeader:
      voyage_.amver.active = true;
      voyage_.amver.header = std::string(body);
      state_.amverFirstWaypoint = voyage_.count();
      return kReadOn;
    case RouteLineKind::AmverLine:
      return readAmverLine(*this, toUpper(body));
    case RouteLineKind::WaypointSentence:
      return readWaypointSentence(line);
    case RouteLineKind::WaypointName:
      break;
  }
  return readWaypoint(line);
}

std::optional<std::string_view> RouteReader::nextPositionLine() {
  while (const auto line = lines_.next()) {
    if (isPositionLine(*line)) return line;
  }
  return std::nullopt;
}

int RouteReader::readWaypoint(std::string_view nameLine) {
  if (!roomForWaypoint()) return kReadCut;
  Waypoint waypoint = newWaypoint();
  waypoint.name = paddedWaypointName(nameLine);

  const auto latitudeLine = nextPositionLine();
  if (!latitudeLine) return failAtWaypoint(kLatitudeMissing);
  waypoint.latitude = parsePosition(*latitudeLine, PositionKind::Latitude);
  if (waypoint.latitude < kRouteLineErrorBelow) return failAtWaypoint(kBadLatitude);

  const auto longitudeLine = nextPositionLine();
  if (!longitudeLine) return failAtWaypoint(kLongitudeMissing);
  waypoint.longitude = parsePosition(*longitudeLine, PositionKind::Longitude);
  if (waypoint.longitude < kRouteLineErrorBelow) return failAtWaypoint(kBadLongitude);

  return addWaypoint(std::move(waypoint));
}

int RouteReader::readWaypointSentence(std::string_view line) {
  if (!roomForWaypoint()) return kReadCut;
  Waypoint waypoint = newWaypoint();
  const WaypointSentence sentence = decodeWaypointSentence(line);
  switch (sentence.result) {
    case WaypointSentence::kMalformed:
      return failAtWaypoint(kBadSentence);
    case WaypointSentence::kBadLatitude:
      return failAtWaypoint(kBadLatitude);
    case WaypointSentence::kBadLongitude:
      return failAtWaypoint(kBadLongitude);
    case WaypointSentence::kBadName:
      return failAtWaypoint(kNoSentenceName);
    case WaypointSentence::kBadChecksum:
      return failWith(fmt::sprintf("Line %d of %s (waypoint %d): the $CCWPL sentence fails its checksum "
                                   "(*%02X written, *%02X computed from the sentence).",
                                   lineNumber(), fileName_, waypointNumber(), sentence.writtenChecksum,
                                   sentence.computedChecksum),
                      kBadSentence.milliseconds);
    default:
      break;
  }
  waypoint.name = sentence.name;
  waypoint.latitude = sentence.latitude;
  waypoint.longitude = sentence.longitude;
  return addWaypoint(std::move(waypoint));
}

bool RouteReader::roomForWaypoint() {
  if (voyage_.count() < kMaxWaypoints) return true;
  cutLine_ = lineNumber();
  return false;
}

Waypoint RouteReader::newWaypoint() {
  Waypoint waypoint;
  waypoint.kind = kOrdinaryPoint;
  waypoint.zoneDescription = voyage_.empty() ? state_.firstZone : state_.currentZone;
  waypoint.greatCircle = state_.greatCircle ? 1 : 0;
  if (state_.pendingGcInterval > kSmallestGcInterval) {
    waypoint.gcInterval = state_.pendingGcInterval;
    state_.pendingGcInterval = 0;
  }
  if (const Waypoint* previous = lastWaypoint(); previous && previous->speedFixed) {
    waypoint.speed = previous->speed;
    waypoint.speedFixed = 1;
  }
  if (state_.released && voyage_.arrivalTimeMode) state_.currentSpeed = 0;
  return waypoint;
}

int RouteReader::addWaypoint(Waypoint waypoint) {
  if (waypoint.latitude == state_.previousLatitude && waypoint.longitude == state_.previousLongitude) {
    return failAtWaypoint(kSamePosition);
  }
  state_.previousLatitude = waypoint.latitude;
  state_.previousLongitude = waypoint.longitude;
  voyage_.waypoints.push_back(std::move(waypoint));
  return kReadOn;
}

int RouteReader::failWith(const std::string& message, int milliseconds) {
  voyage_.recordError({capped(fileName_), lineNumber(), capped(message), capped(lines_.current())});
  messages_.showMessage(message, milliseconds);
  return kReadError;
}

}  // namespace z5
