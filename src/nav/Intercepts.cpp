#include "nav/Intercepts.h"

#include <algorithm>
#include <cmath>

#include <fmt/printf.h>

#include "geo/ArcUnits.h"
#include "geo/EarthModel.h"
#include "geo/Longitude.h"
#include "nav/CurrentDateText.h"
#include "nav/VoyageLegs.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

// Courses within these of a multiple of 90 degrees are taken as cardinal.
constexpr double kCardinalForLongitude = 0.000001;
constexpr double kCardinalForLatitude = 0.0000001;
// The bisection for a latitude stops this close to the target's meridional parts.
constexpr double kMeridionalPartsTolerance = 0.01f;
constexpr double kQuarterTurn = 90;
constexpr double kHalfTurn = 180;
constexpr double kFullTurn = 360;
constexpr double kCotangentTurn = 450;  // tan(450 - course) is the cotangent of the course
// The values of the request lists end at one not above this.
constexpr double kEndOfRequests = -200;

constexpr int kChartInterceptText = 47;  // prompt: chart, latitude, longitude, two waypoint numbers
constexpr int kInterceptText = 48;
// Two crossings closer than this (degrees, about 0.2 m) are the same point.
constexpr double kSamePointDegrees = 1e-6;       // prompt: latitude, longitude, two waypoint numbers
constexpr int kEndOfOutput = 4;          // prompt: plain
constexpr int kMissMs = 1000;
constexpr const char* kProgram = "Z5";

// What differs between Lon? (a latitude is given) and Lat? (a longitude is given).
struct InterceptQuery {
  PositionKind given;
  const char* lineFormat;
  PromptNumber<std::string> askWithLast;  // last value text
  PromptNumber<> ask;
  PromptNumber<std::string> miss;  // given value text
  PromptNumber<> secondMiss;
  double CalculatorState::*last;
  std::vector<InterceptCrossing> (*crossings)(const Voyage&, const LegGeometry&, int, double, const InterceptBox*);
};

constexpr InterceptQuery kLongitudeQuery{PositionKind::Latitude, "\tLon? %s\n", 43, 44, 49, 50,
                                         &CalculatorState::lastInterceptLatitude, parallelCrossings};
constexpr InterceptQuery kLatitudeQuery{PositionKind::Longitude, "\tLat? %s\n", 45, 46, 51, 52,
                                        &CalculatorState::lastInterceptLongitude, meridianCrossings};

// True when the relative longitude `x` lies strictly inside the box's
// longitudes, taken eastwards from its west edge.
bool strictlyInsideLongitudes(double x, const InterceptBox& box, double reference) {
  const double west = relativeLongitude(box.west, reference);
  double east = relativeLongitude(box.east, reference);
  if (east < west) east += kFullTurn;
  if (x < west) x += kFullTurn;
  return x > west && x < east;
}

bool between(double value, double a, double b) { return value >= std::min(a, b) && value <= std::max(a, b); }

double cotangentOfCourse(double course) { return std::tan((kCotangentTurn - course) * kRadiansPerDegree); }

InterceptCrossing crossingOf(const VoyageLeg& leg, int firstRowNumber, double latitude, double longitude) {
  return {leg.toIndex - 1 + firstRowNumber, leg.toIndex + firstRowNumber, latitude, longitude};
}

std::string positionText(const NavContext& nav, double degrees, PositionKind kind) {
  return formatPosition(degrees, kind, nav.settings.EXTRA_PRECISION != 0);
}

std::string crossingText(const NavContext& nav, const InterceptCrossing& c, int chartNumber) {
  const StringTable& s = nav.messages.strings();
  const std::string lat = positionText(nav, c.latitude, PositionKind::Latitude);
  const std::string lon = positionText(nav, c.longitude, PositionKind::Longitude);
  if (chartNumber > 0) return s.prompt(kChartInterceptText, chartNumber, lat, lon, c.fromNumber, c.toNumber);
  return s.prompt(kInterceptText, lat, lon, c.fromNumber, c.toNumber);
}

// With the calculated great-circle points left out of the reports, the rows
// are numbered without them: a crossing on a piece of a divided leg is named
// by the waypoints shown before and after it, and a crossing at a hidden
// point (found on both pieces that meet there) is listed once.
void nameByShownWaypoints(const Voyage& voyage, int firstRowNumber, std::vector<InterceptCrossing>& crossings) {
  const int start = voyage.toWaypoint.active() ? voyage.toWaypoint.index : 0;
  const auto hidden = [&](int index) {
    return index >= start && index < voyage.count() && voyage.waypoints[index].kind == kGcCalcPoint;
  };
  const auto shownNumber = [&](int index) {
    int number = index + firstRowNumber;
    for (int j = start; j < index; ++j) number -= hidden(j) ? 1 : 0;
    return number;
  };
  std::vector<InterceptCrossing> named;
  for (InterceptCrossing c : crossings) {
    int from = c.fromNumber - firstRowNumber;
    int to = c.toNumber - firstRowNumber;
    while (hidden(from)) --from;
    while (hidden(to)) ++to;
    c.fromNumber = shownNumber(from);
    c.toNumber = shownNumber(to);
    const bool repeat = !named.empty() && named.back().fromNumber == c.fromNumber &&
                        named.back().toNumber == c.toNumber &&
                        std::fabs(named.back().latitude - c.latitude) < kSamePointDegrees &&
                        std::fabs(named.back().longitude - c.longitude) < kSamePointDegrees;
    if (!repeat) named.push_back(c);
  }
  crossings = std::move(named);
}

std::vector<InterceptCrossing> crossingsFor(const NavContext& nav, const InterceptQuery& query, double value,
                                            const InterceptBox* box) {
  const LegGeometry geometry(nav.extent.referenceMeridian);
  std::vector<InterceptCrossing> crossings =
      query.crossings(nav.voyage, geometry, nav.settings.firstRowNumber, value, box);
  if (nav.settings.NO_CALC_GC_OUT == 1) nameByShownWaypoints(nav.voyage, nav.settings.firstRowNumber, crossings);
  return crossings;
}

int writeIntercepts(NavContext& nav, const InterceptQuery& query, int chartNumber, double value,
                    const InterceptBox* box, bool quiet, const InterceptWriter& out) {
  const std::vector<InterceptCrossing> crossings = crossingsFor(nav, query, value, box);
  if (crossings.empty()) {
    if (quiet) return 1;
    return out(nav.messages.strings().prompt(query.miss, positionText(nav, value, query.given))) ? 1 : 0;
  }
  for (const InterceptCrossing& c : crossings) {
    if (!out(fmt::sprintf(query.lineFormat, crossingText(nav, c, chartNumber)))) return 0;
  }
  return 1;
}

// The asked value: the answer, or the last value for an empty or unreadable
// answer; nullopt when there is neither.
std::optional<double> askInterceptValue(NavContext& nav, const InterceptQuery& query) {
  const StringTable& s = nav.messages.strings();
  const double last = nav.calculators.*query.last;
  const bool haveLast = last > kNoPosition;
  std::string text = haveLast ? positionText(nav, last, query.given) : std::string();
  const std::string label = haveLast ? s.prompt(query.askWithLast, text) : s.prompt(query.ask);
  const double answer = askPosition(nav.messages, label, query.given, text);
  if (answer >= kPositionErrorBelow) return answer;
  if (haveLast) return last;
  return std::nullopt;
}

void askIntercept(NavContext& nav, const InterceptQuery& query) {
  if (voyageLegs(nav.voyage).empty()) return;
  Messages& m = nav.messages;
  const std::string heading =
      fmt::sprintf("%s - %s - %s\n", kProgram, nav.voyage.routeFileName, currentDateText(nav.clock));
  constexpr int kAttempts = 2;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::optional<double> value = askInterceptValue(nav, query);
    if (!value) return;
    nav.calculators.*query.last = *value;
    const std::vector<InterceptCrossing> crossings = crossingsFor(nav, query, *value, nullptr);
    if (crossings.empty()) {
      m.showMessage(m.strings().prompt(query.miss, positionText(nav, *value, query.given)), kMissMs);
      continue;
    }
    nav.calculators.interceptText = crossingText(nav, crossings.front(), 0);
    std::string lines = heading;
    for (const InterceptCrossing& c : crossings) lines += fmt::sprintf(query.lineFormat, crossingText(nav, c, 0));
    m.append(lines);
    m.appendLine(m.strings().prompt(kEndOfOutput));
    m.show();
    return;
  }
  nav.calculators.interceptText = m.strings().prompt(query.secondMiss);
}

}  // namespace

InterceptBox chartBox(const RouteChart& chart, double referenceMeridian) {
  const double first = relativeLongitude(chart.longitude1, referenceMeridian);
  const double second = relativeLongitude(chart.longitude2, referenceMeridian);
  double west = first <= second ? chart.longitude1 : chart.longitude2;
  double east = first <= second ? chart.longitude2 : chart.longitude1;
  if (std::fabs(second - first) > kHalfTurn) std::swap(west, east);
  return {chart.south, chart.north, west, east};
}

std::vector<InterceptCrossing> parallelCrossings(const Voyage& voyage, const LegGeometry& geometry, int firstRowNumber,
                                                 double latitude, const InterceptBox* box) {
  const double reference = geometry.referenceMeridian();
  std::vector<InterceptCrossing> crossings;
  for (const VoyageLeg& leg : voyageLegs(voyage)) {
    const double startLatitude = leg.from->latitude;
    if (!between(latitude, startLatitude, leg.to->latitude)) continue;
    const double course = leg.to->rhumbLineCourse;
    double relative = relativeLongitude(leg.from->longitude, reference);
    if (std::fabs(std::fmod(course, kQuarterTurn)) >= kCardinalForLongitude) {
      relative += (meridionalParts(latitude) - meridionalParts(startLatitude)) / cotangentOfCourse(course) /
                  kMinutesPerDegree;
    }
    if (box != nullptr && !strictlyInsideLongitudes(relative, *box, reference)) continue;
    crossings.push_back(crossingOf(leg, firstRowNumber, latitude, absoluteLongitude(relative, reference)));
  }
  return crossings;
}

std::vector<InterceptCrossing> meridianCrossings(const Voyage& voyage, const LegGeometry& geometry, int firstRowNumber,
                                                 double longitude, const InterceptBox* box) {
  const double reference = geometry.referenceMeridian();
  const double x = relativeLongitude(longitude, reference);
  std::vector<InterceptCrossing> crossings;
  for (const VoyageLeg& leg : voyageLegs(voyage)) {
    const double start = relativeLongitude(leg.from->longitude, reference);
    if (!between(x, start, relativeLongitude(leg.to->longitude, reference))) continue;
    const double course = leg.to->rhumbLineCourse;
    double latitude = leg.from->latitude;
    if (std::fabs(std::fmod(course, kQuarterTurn)) >= kCardinalForLatitude) {
      const double target =
          meridionalParts(latitude) + cotangentOfCourse(course) * (x - start) * kMinutesPerDegree;
      latitude = latitudeAtMeridionalParts(target, kMeridionalPartsTolerance);
    }
    if (box != nullptr && !(latitude > box->south && latitude < box->north)) continue;
    crossings.push_back(crossingOf(leg, firstRowNumber, latitude, longitude));
  }
  return crossings;
}

int longitudeIntercept(NavContext& nav, int chartNumber, double latitude, const InterceptBox* box, bool quiet,
                       const InterceptWriter& out) {
  return writeIntercepts(nav, kLongitudeQuery, chartNumber, latitude, box, quiet, out);
}

int latitudeIntercept(NavContext& nav, int chartNumber, double longitude, const InterceptBox* box, bool quiet,
                      const InterceptWriter& out) {
  return writeIntercepts(nav, kLatitudeQuery, chartNumber, longitude, box, quiet, out);
}

int writeFileIntercepts(NavContext& nav, const InterceptWriter& out) {
  for (const InterceptRequest& r : nav.voyage.latitudeRequests) {
    if (r.value <= kEndOfRequests) break;
    if (!longitudeIntercept(nav, r.chart, r.value, nullptr, false, out)) return 0;
  }
  for (const InterceptRequest& r : nav.voyage.longitudeRequests) {
    if (r.value <= kEndOfRequests) break;
    if (!latitudeIntercept(nav, r.chart, r.value, nullptr, false, out)) return 0;
  }
  return 1;
}

int writeChartEdgeIntercepts(NavContext& nav, const InterceptBox& chart, const InterceptWriter& out) {
  constexpr int kNoChart = 0;
  constexpr bool kQuiet = true;
  return longitudeIntercept(nav, kNoChart, chart.south, &chart, kQuiet, out) &&
                 latitudeIntercept(nav, kNoChart, chart.west, &chart, kQuiet, out) &&
                 longitudeIntercept(nav, kNoChart, chart.north, &chart, kQuiet, out) &&
                 latitudeIntercept(nav, kNoChart, chart.east, &chart, kQuiet, out)
             ? 1
             : 0;
}

void askLongitudeIntercept(NavContext& nav) { askIntercept(nav, kLongitudeQuery); }
void askLatitudeIntercept(NavContext& nav) { askIntercept(nav, kLatitudeQuery); }

}  // namespace z5
