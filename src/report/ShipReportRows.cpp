#include "report/ShipReportRows.h"

#include <algorithm>
#include <cmath>

#include <fmt/printf.h>

#include "nav/DateTimeGroups.h"
#include "nav/VoyageLegs.h"
#include "report/ReportRows.h"

namespace z5 {
namespace {

constexpr int kNoLegSpeed = 26;  // error string, shown for 3000 ms
constexpr int kNoLegSpeedMs = 3000;
constexpr double kEast = 90;
constexpr double kWest = 270;
constexpr double kTenthsPerKnot = 10;
constexpr const char* kNoSpeedText = "<speed>";

// The two-decimal position text split at its hyphen: "37", "48", 'N'.
struct PositionParts {
  std::string degrees;
  std::string minutes;
  char hemisphere = 'N';
};

PositionParts positionParts(double degrees, PositionKind kind) {
  const std::string text = formatPosition(degrees, kind, false);
  const std::size_t hyphen = text.find('-');
  PositionParts parts;
  parts.degrees = text.substr(0, hyphen);
  parts.minutes = text.substr(hyphen + 1, 2);
  parts.hemisphere = text.back();
  return parts;
}

}  // namespace

std::vector<ShipReportRow> shipReportRows(const ReportContext& context) {
  const Voyage& voyage = context.voyage();
  const bool hideGcPoints = context.settings().NO_CALC_GC_OUT == 1;
  const int last = std::min(voyage.count(), kMaxWaypoints) - 1;
  const Waypoint* start = voyageStart(voyage);
  std::vector<ShipReportRow> rows;
  if (start == nullptr) return rows;
  double hours = start->stopHours;
  for (int i = firstLegEndIndex(voyage); i >= 0 && i <= last; ++i) {
    const Waypoint& w = voyage.waypoints[i];
    const double speed = rowSpeed(voyage, i, false, w);
    if (speed > kTimingSpeed) {
      hours += w.legDistance / speed;
    } else {
      context.messages().showError(kNoLegSpeed, kNoLegSpeedMs);
    }
    const bool shown = !(hideGcPoints && w.kind == kGcCalcPoint);
    if (shown) rows.push_back({&w, hours, speed, sailsGreatCircle(w), i == last});
    hours += w.stopHours;
    // As in the voyage table, a stop lists its waypoint again when the ship
    // leaves it: the departure time and the leg sailed from there on.
    if (shown && i < last && w.stopHours > kListedStopHours) {
      const Waypoint& next = voyage.waypoints[i + 1];
      rows.push_back({&w, hours, rowSpeed(voyage, i + 1, false, next), sailsGreatCircle(next), false});
    }
  }
  return rows;
}

bool sailsGreatCircle(const Waypoint& destination) {
  return (destination.greatCircle == 1 || destination.kind == kGcCalcPoint) && destination.kind != kComposite2 &&
         destination.rhumbLineCourse != kEast && destination.rhumbLineCourse != kWest;
}

std::string amverPosition(double degrees, PositionKind kind) {
  const PositionParts p = positionParts(degrees, kind);
  return p.degrees + p.minutes + p.hemisphere;
}

std::string moverepPosition(double degrees, PositionKind kind) {
  const PositionParts p = positionParts(degrees, kind);
  std::string text = p.degrees + "-" + p.minutes + p.hemisphere;
  appendCheckDigit(text);
  return text;
}

std::string amverSpeedText(double knots) {
  if (!(knots > kTimingSpeed)) return kNoSpeedText;
  const int tenths = static_cast<int>(std::floor(knots * kTenthsPerKnot + 0.5));
  return fmt::sprintf("%03d", tenths);
}

std::string moverepSpeedText(double knots) {
  std::string text = fmt::sprintf("%3.1fK", knots);
  appendCheckDigit(text);
  return text;
}

}  // namespace z5
