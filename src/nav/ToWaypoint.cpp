#include "nav/ToWaypoint.h"

#include <cmath>

#include <fmt/printf.h>

#include "base/TextUtil.h"
#include "geo/LegGeometry.h"
#include "nav/CourseText.h"
#include "nav/DateTimePrompt.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

constexpr int kNumberQuestion = 18;             // prompt: first, last number
constexpr int kNumberQuestionWithDefault = 19;  // prompt: first, last, default number
constexpr PromptNumber<> kOffNoStart = 37;
constexpr PromptNumber<> kOffStartKnown = 38;
constexpr PromptNumber<std::string> kStartLatitudeWithCurrent = 39;  // latitude text
constexpr PromptNumber<> kStartLatitude = 40;
constexpr PromptNumber<std::string> kStartLongitudeWithCurrent = 41;  // longitude text
constexpr PromptNumber<> kStartLongitude = 42;
constexpr int kNoTargetLabel = 113;             // prompt: plain

constexpr const char* kStartName = "POS";
// Entered positions below this are not valid.
constexpr double kInvalidBelow = -200;

struct ToWaypointLeg {
  RhumbLineLeg rhumbLine;
  GreatCircleLeg greatCircle;
};

bool positionKnown(const Waypoint& w) { return w.latitude >= kInvalidBelow && w.longitude >= kInvalidBelow; }

ToWaypointLeg legTo(const NavContext& nav, int index) {
  const Waypoint& start = nav.voyage.toWaypoint.start;
  const Waypoint& target = nav.voyage.waypoints[index];
  const LegGeometry geometry(nav.extent.referenceMeridian);
  const bool geodetic = nav.settings.LEN_LAT_LON != 0;
  return {geometry.rhumbLine(start.latitude, start.longitude, target.latitude, target.longitude, geodetic),
          geometry.greatCircleLeg(start.latitude, start.longitude, target.latitude, target.longitude, geodetic)};
}

// The computed altitude (90 degrees less the great-circle arc) in the
// latitude form without its hemisphere letter; negative below the horizon.
std::string altitudeText(double altitude, bool extra) {
  std::string text = formatPosition(std::fabs(altitude), PositionKind::Latitude, extra);
  text.pop_back();
  return altitude < 0 ? "-" + text : text;
}

// The result text for the leg to table entry `entry`, shown as route
// waypoint `index`.
std::string resultText(const NavContext& nav, int index, int entry, const ToWaypointLeg& leg) {
  const bool extra = nav.settings.EXTRA_PRECISION != 0;
  const Waypoint& start = nav.voyage.toWaypoint.start;
  const Waypoint& target = nav.voyage.waypoints[entry];
  const auto lat = [extra](double v) { return formatPosition(v, PositionKind::Latitude, extra); };
  const auto lon = [extra](double v) { return formatPosition(v, PositionKind::Longitude, extra); };
  return fmt::sprintf(
      "From %s %s to file WP#%d %s %s\n           CN=%s D=%4.2f ZN=%s DGC=%4.2f \t\t\t\n"
      "           HC=%s LATV=%s LONV=%s ",
      lat(start.latitude), lon(start.longitude), index + nav.settings.firstRowNumber, lat(target.latitude),
      lon(target.longitude), courseText(leg.rhumbLine.course), leg.rhumbLine.distance,
      courseText(leg.greatCircle.course), leg.greatCircle.distance, altitudeText(leg.greatCircle.altitude, extra),
      lat(leg.greatCircle.vertexLatitude), lon(leg.greatCircle.vertexLongitude));
}

// Stores the leg on the start record and the target. The leg's distance is
// the great-circle distance where the leg pass would take it (GC points get
// GC data and the target is a GC calc or composite-1 point), else the
// rhumb-line distance.
void storeLeg(NavContext& nav, int index, const ToWaypointLeg& leg) {
  Waypoint& start = nav.voyage.toWaypoint.start;
  Waypoint& target = nav.voyage.waypoints[index];
  const bool greatCircleData =
      nav.settings.GC_PT_GCD != 0 && (target.kind == kGcCalcPoint || target.kind == kComposite1);
  start.rhumbLineCourse = target.rhumbLineCourse = leg.rhumbLine.course;
  start.greatCircleCourse = target.greatCircleCourse = leg.greatCircle.course;
  target.legDistance = greatCircleData ? leg.greatCircle.distance : leg.rhumbLine.distance;
  start.distanceToGo = target.distanceToGo + target.legDistance;
}

void clearLeg(Waypoint& start) {
  start.rhumbLineCourse = start.greatCircleCourse = start.legDistance = start.distanceToGo = 0;
}

// Asks for one coordinate of the start position; below kInvalidBelow when
// none was given.
double askStartCoordinate(NavContext& nav, PositionKind kind, double current) {
  const bool latitude = kind == PositionKind::Latitude;
  const bool known = current >= kInvalidBelow;
  std::string text = known ? formatPosition(current, kind, nav.settings.EXTRA_PRECISION != 0) : std::string();
  const StringTable& s = nav.messages.strings();
  const std::string label = known ? s.prompt(latitude ? kStartLatitudeWithCurrent : kStartLongitudeWithCurrent, text)
                                  : s.prompt(latitude ? kStartLatitude : kStartLongitude);
  return askPosition(nav.messages, label, kind, text);
}

// The route's own waypoints, without the points the leg pass inserted: the
// table the next extraction rebuilds, in which the to-waypoint index counts.
int routePointCount(const Voyage& voyage) {
  int n = 0;
  for (const Waypoint& w : voyage.waypoints) n += w.kind == kOrdinaryPoint ? 1 : 0;
  return n;
}

// The table index of route waypoint `index` (counted as in routePointCount);
// kNoIndex when there is none.
int routePointEntry(const Voyage& voyage, int index) {
  int n = 0;
  for (int i = 0; i < voyage.count(); ++i) {
    if (voyage.waypoints[i].kind != kOrdinaryPoint) continue;
    if (n++ == index) return i;
  }
  return kNoIndex;
}

struct Outcome {
  int changed = 0;
  bool positionGiven = false;
};

// The mode is off: the leg results go, the target label and the status say so.
void showModeOff(NavContext& nav) {
  ToWaypointState& tw = nav.voyage.toWaypoint;
  clearLeg(tw.start);
  tw.label = nav.messages.strings().prompt(kNoTargetLabel);
  nav.calculators.toWaypointStatus =
      nav.messages.strings().prompt(positionKnown(tw.start) ? kOffStartKnown : kOffNoStart);
}

// Asks for the start position; false, with nothing changed, unless both
// coordinates are given.
bool askStartPosition(NavContext& nav) {
  Waypoint& start = nav.voyage.toWaypoint.start;
  const double latitude = askStartCoordinate(nav, PositionKind::Latitude, start.latitude);
  if (latitude < kInvalidBelow) return false;
  const double longitude = askStartCoordinate(nav, PositionKind::Longitude, start.longitude);
  if (longitude < kInvalidBelow) return false;
  start.latitude = latitude;
  start.longitude = longitude;
  return true;
}

Outcome calculate(NavContext& nav, bool refreshOnly, bool turnOff, bool noOutput) {
  ToWaypointState& tw = nav.voyage.toWaypoint;
  Waypoint& start = tw.start;
  const int previous = tw.index;
  if (tw.index >= nav.voyage.count() || tw.index < 0) tw.index = kNoIndex;
  const int current = tw.index;
  if (turnOff) {
    tw.index = kNoIndex;
    start.latitude = start.longitude = kNoPosition;
  } else if (!refreshOnly) {
    // The numbers asked for are those of the route's own waypoints (as the
    // waypoint list shows them), so that the choice names the same waypoint
    // after the next extraction, whatever points the leg pass inserted.
    tw.index = askWaypointNumber(nav.messages, nav.settings.firstRowNumber, routePointCount(nav.voyage), current, 0);
    if (tw.index == kNoIndex) {
      tw.index = current;
      return {};
    }
  }
  start.name = paddedWaypointName(kStartName);

  const bool positionGiven = tw.active() && !refreshOnly;
  if (positionGiven && !askStartPosition(nav)) {
    tw.index = current;
    return {};
  }
  // The mode cannot go on without a start position.
  if (tw.active() && !positionKnown(start)) tw.index = kNoIndex;
  if (!tw.active()) {
    showModeOff(nav);
    return {tw.index != previous ? 1 : 0, false};
  }

  // A refresh runs on the table as the extraction left it, where the index
  // names the end of the first leg; a choice just made names a route waypoint.
  const int entry = refreshOnly ? tw.index : routePointEntry(nav.voyage, tw.index);
  tw.label = trim(nav.voyage.waypoints[entry].name);
  const ToWaypointLeg leg = legTo(nav, entry);
  if (!noOutput) {
    nav.calculators.toWaypointText = resultText(nav, tw.index, entry, leg);
    nav.calculators.toWaypointStatus = nav.calculators.toWaypointText;
  }
  storeLeg(nav, entry, leg);
  return {tw.index != previous ? 1 : 0, positionGiven};
}

}  // namespace

int askWaypointNumber(Messages& messages, int firstRowNumber, int count, int defaultIndex, int firstIndex) {
  if (count <= firstIndex) return kNoIndex;
  const int first = firstRowNumber + firstIndex;
  const int last = firstRowNumber + count - 1;
  const bool haveDefault = defaultIndex >= firstIndex && defaultIndex < count;
  const StringTable& s = messages.strings();
  const std::string question = haveDefault
                                   ? s.prompt(kNumberQuestionWithDefault, first, last, defaultIndex + firstRowNumber)
                                   : s.prompt(kNumberQuestion, first, last);
  while (true) {
    std::string answer;
    if (!messages.prompt(question, answer, true)) return kNoIndex;
    if (answer.empty()) {
      if (haveDefault) return defaultIndex;
      continue;
    }
    const std::optional<long> number = wholeNumber(answer);
    if (!number) continue;
    const long index = *number - firstRowNumber;
    if (index >= firstIndex && index < count) return static_cast<int>(index);
  }
}

int toWaypoint(NavContext& nav, bool refreshOnly, bool turnOff, bool noOutput) {
  return calculate(nav, refreshOnly, turnOff, noOutput).changed;
}

int toWaypointCommand(NavContext& nav, const std::function<int()>& reextract) {
  const Outcome outcome = calculate(nav, false, false, false);
  if (!outcome.positionGiven) return outcome.changed;
  if (reextract) reextract();
  nav.messages.appendLine(nav.calculators.toWaypointText);
  return 1;
}

}  // namespace z5
