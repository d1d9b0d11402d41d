// The lines of an AMVER report read as route input: a letter, "/", and
// fields separated by "/". Positions are written DDMMH/DDDMMH.

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include <fmt/printf.h>

#include "base/DateTime.h"
#include "base/NumberReading.h"
#include "base/TextUtil.h"
#include "geo/ArcUnits.h"
#include "route/DecimalNumber.h"
#include "route/RouteReader.h"

namespace z5 {
namespace {

constexpr double kKnotsPerSpeedUnit = 0.1;  // AMVER speeds are in tenths of a knot
constexpr double kSmallestSpeed = 0.1;      // knots
constexpr double kLargestSpeed = 1000;
// The fields of an L/ line after its sailing method: "L/GC/" or "L/RL/".
constexpr std::size_t kLegFieldsStart = 5;
// A B/ day more than this many days before today is in the next month.
constexpr int kRollOverDays = 2;

using Handler = int (*)(RouteReader&, std::string_view line);

struct AmverLineKind {
  char letter;
  std::string AmverInput::*stored;  // nullptr: not kept for the AMVER output
  Handler handler;                  // nullptr: only stored
};

// The character in 1-based column `n`, or '\0' past the end.
char column(std::string_view line, std::size_t n) { return n - 1 < line.size() ? line[n - 1] : '\0'; }

// `count` digits at `at` as a whole number; -1 when they are not all digits.
int digitsAt(std::string_view text, std::size_t at, std::size_t count) {
  const std::string_view digits = at < text.size() ? text.substr(at, count) : std::string_view{};
  return digits.size() == count ? digitsOnly(digits).value_or(-1) : -1;
}

// Degrees of `degreeDigits` digits, two digits of minutes and the
// hemisphere letter, at the start of `text`, ending the field. Nullopt when
// malformed.
std::optional<double> layoutAngle(std::string_view text, int degreeDigits, char positive, char negative,
                                  double limit) {
  const int degrees = digitsAt(text, 0, degreeDigits);
  const int minutes = digitsAt(text, degreeDigits, 2);
  const char hemisphere = column(text, degreeDigits + 3);
  const char after = column(text, degreeDigits + 4);
  if (degrees < 0 || minutes < 0 || minutes >= kMinutesPerDegree) return std::nullopt;
  if (hemisphere != positive && hemisphere != negative) return std::nullopt;
  if (after != '\0' && after != '/' && !isSpace(after)) return std::nullopt;
  const double value = degrees + minutes / kMinutesPerDegree;
  if (value > limit) return std::nullopt;
  return hemisphere == negative ? -value : value;
}

constexpr int kLatitudeLength = 5;  // DDMMH

// Makes the waypoint of a G/, I/ or L/ line from its position "DDMMH/DDDMMH".
int placeWaypoint(RouteReader& reader, const std::string& name, std::string_view position) {
  if (!reader.roomForWaypoint()) return kReadCut;
  Waypoint waypoint = reader.newWaypoint();
  waypoint.name = paddedWaypointName(name);
  const auto latitude = layoutAngle(position, 2, 'N', 'S', 90);
  if (!latitude) return reader.failAtWaypoint(kBadLatitude);
  const auto longitude = column(position, kLatitudeLength + 1) == '/'
                             ? layoutAngle(position.substr(kLatitudeLength + 1), 3, 'E', 'W', 180)
                             : std::nullopt;
  if (!longitude) return reader.failAtWaypoint(kBadLongitude);
  waypoint.latitude = *latitude;
  waypoint.longitude = *longitude;
  return reader.addWaypoint(std::move(waypoint));
}

// G/ and I/: "X/NAME/DDMMH/DDDMMH".
int namedPosition(RouteReader& reader, std::string_view line) {
  const std::string_view fields = line.substr(2);
  const std::size_t slash = fields.find('/');
  if (slash == std::string_view::npos) {
    if (!reader.roomForWaypoint()) return kReadCut;
    return reader.failAtWaypoint(kBadLatitude);
  }
  return placeWaypoint(reader, std::string(fields.substr(0, slash)), fields.substr(slash + 1));
}

int departureLine(RouteReader& reader, std::string_view line) {
  const int status = namedPosition(reader, line);
  if (status == kReadOn) reader.state().amverDepartureRead = true;
  return status;
}

int destinationLine(RouteReader& reader, std::string_view line) {
  const int status = namedPosition(reader, line);
  if (status == kReadOn) reader.state().amverDestination = reader.voyage().count() - 1;
  return status;
}

// B/DDHHMM: the departure time, in this month or, when the day is more than
// two days past, in the next one.
int dateTimeGroupLine(RouteReader& reader, std::string_view line) {
  const ClockTime today = reader.clock().localNow();
  const int day = digitsAt(line, 2, 2);
  const int hour = digitsAt(line, 4, 2);
  const int minute = digitsAt(line, 6, 2);
  DateTime departure{today.year, today.month, day, hour, minute};
  if (day < today.day - kRollOverDays && ++departure.month > 12) {
    departure.month = 1;
    ++departure.year;
  }
  if (day < 1 || day > daysInMonth(departure.year, departure.month) || hour < 0 || hour > 23 || minute < 0 ||
      minute > 59) {
    reader.messages().appendLine(fmt::sprintf(
        "Line %d of %s: the B/ line gives no valid day, hour and minute; the departure time is unchanged.",
        reader.lineNumber(), reader.fileName()));
    return kReadOn;
  }
  SettingsRecord& settings = reader.settings();
  settings.departure = departure;
  settings.departureText = dateTimeText(departure);
  return kReadOn;
}

// The field of `line` that starts at `at` and ends before the next "/";
// `after` is set to the text after that "/" (empty when there is none).
std::string_view fieldAt(std::string_view line, std::size_t at, std::string_view& after) {
  const std::string_view rest = at < line.size() ? line.substr(at) : std::string_view{};
  const std::size_t slash = rest.find('/');
  after = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
  return rest.substr(0, slash);
}

// A speed field of tenths of a knot, in knots; nullopt unless the whole
// field is a number giving 0.1 to 1000 knots.
std::optional<double> amverSpeed(std::string_view field) {
  const auto units = field.empty() || !(isDigit(field.front()) || field.front() == '.') ? std::nullopt
                                                                                         : numberOnly(field);
  if (!units) return std::nullopt;
  const double speed = *units * kKnotsPerSpeedUnit;
  if (speed < kSmallestSpeed || speed > kLargestSpeed) return std::nullopt;
  return speed;
}

// F/: the speed in tenths of a knot.
int speedLine(RouteReader& reader, std::string_view line) {
  std::string_view after;
  const auto speed = amverSpeed(fieldAt(line, 2, after));
  if (!speed) return reader.failAtWaypoint(kBadAmverSpeed);
  reader.state().currentSpeed = *speed;
  return kReadOn;
}

// L/GC/SSS/DDMMH/DDDMMH (or L/RL/...): a leg of the route, its speed in
// tenths of a knot and the position it leads to; a "/" in place of the
// position gives the method and speed to the destination instead. Without
// a speed the leg keeps its position and is timed at the voyage's speed; a
// speed that is given must be one, or the line is refused: a waypoint is
// never dropped for its speed.
int legLine(RouteReader& reader, std::string_view line) {
  ReadingState& state = reader.state();
  const std::string_view mode = line.substr(2, 2);
  if (mode == "GC") state.greatCircle = true;
  if (mode == "RL") state.greatCircle = false;

  std::string_view position;
  const std::string_view speedField = fieldAt(line, kLegFieldsStart, position);
  std::optional<double> speed;
  if (!speedField.empty()) {
    speed = amverSpeed(speedField);
    if (!speed) return reader.failAtWaypoint(kBadAmverSpeed);
    state.currentSpeed = *speed;
  }

  if (position.starts_with('/')) {
    if (speed && state.amverDestination != kNoIndex) {
      Waypoint& destination = reader.voyage().waypoints[state.amverDestination];
      destination.greatCircle = state.greatCircle ? 1 : 0;
      destination.speed = *speed;
    }
    return kReadOn;
  }
  if (trim(position).empty()) return kReadOn;
  const int status = placeWaypoint(reader, fmt::sprintf("AMVER LINE %d", reader.lineNumber()), position);
  if (status == kReadOn && speed) reader.lastWaypoint()->speed = *speed;
  return status;
}

// Z/ ("Z/EOR//", end of report) closes every AMVER report; it carries
// nothing for the route.
constexpr std::array<AmverLineKind, 12> kAmverLines = {{
    {'A', &AmverInput::A, nullptr},
    {'B', &AmverInput::B, dateTimeGroupLine},
    {'E', &AmverInput::E, nullptr},
    {'F', &AmverInput::F, speedLine},
    {'G', &AmverInput::G, departureLine},
    {'I', &AmverInput::I, destinationLine},
    {'L', nullptr, legLine},
    {'M', &AmverInput::M, nullptr},
    {'V', &AmverInput::V, nullptr},
    {'X', &AmverInput::X, nullptr},
    {'Y', &AmverInput::Y, nullptr},
    {'Z', nullptr, nullptr},
}};

}  // namespace

int readAmverLine(RouteReader& reader, std::string_view line) {
  const auto kind = std::find_if(kAmverLines.begin(), kAmverLines.end(),
                                 [&](const AmverLineKind& k) { return k.letter == line.front(); });
  if (kind == kAmverLines.end()) return reader.failAtWaypoint(kUnknownAmverLine);
  if (kind->stored) reader.voyage().amver.*(kind->stored) = std::string(line);
  return kind->handler ? kind->handler(reader, line) : kReadOn;
}

}  // namespace z5
