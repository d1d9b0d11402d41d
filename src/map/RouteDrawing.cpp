#include "map/RouteDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <fmt/printf.h>

#include "geo/ArcUnits.h"
#include "geo/EarthModel.h"
#include "geo/LegGeometry.h"
#include "geo/Longitude.h"
#include "geo/Projection.h"

namespace z5 {
namespace {

// A start record holds a position once its latitude is at least this.
constexpr double kGivenPosition = -200;
constexpr int kLabelGap = 2;  // pixels between a point and its label
constexpr double kMeridianDirection = 0;
constexpr double kParallelDirection = 90;
constexpr double kHalfTurn = 180;

// A position in whole arc-seconds, the longitude relative to the map's meridian.
struct ArcPosition {
  int lat = 0, lon = 0;
};

ArcPosition arcPosition(const MapExtent& e, const Waypoint& w) {
  return {toArcSeconds(w.latitude), relativeLongitudeSeconds(toArcSeconds(w.longitude), e.referenceSeconds)};
}

bool insideView(const MapExtent& e, ArcPosition p) {
  return p.lat >= e.southSeconds && p.lat <= e.northSeconds && p.lon >= e.westSeconds && p.lon <= e.eastSeconds;
}

bool between(int value, int a, int b) { return std::min(a, b) <= value && value <= std::max(a, b); }
// Whether the range between a and b shares a point with low..high.
bool overlaps(int a, int b, int low, int high) { return std::min(a, b) <= high && std::max(a, b) >= low; }

// Whether `course` runs within the tolerance along a direction (either way).
bool alongDirection(double course, double direction) {
  const double difference = std::fmod(std::fabs(course - direction), kHalfTurn);
  return std::min(difference, kHalfTurn - difference) < kAlongEdgeTolerance;
}

double partsSeconds(int latitudeSeconds) {
  return meridionalParts(static_cast<double>(latitudeSeconds) / kSecondsPerDegree) * kArcSecondsPerMinute;
}

// Where a point of the leg lies along it, 0 at its start and 1 at its end.
// A rhumb line is straight in meridional parts and longitude, so either
// coordinate measures it; the one that changes more is the better measure.
class LegMeasure {
 public:
  LegMeasure(ArcPosition a, ArcPosition b)
      : a_(a), dLon_(static_cast<double>(b.lon) - a.lon), mpA_(partsSeconds(a.lat)), dParts_(partsSeconds(b.lat) - mpA_) {}

  double at(ArcPosition p) const {
    if (std::fabs(dLon_) >= std::fabs(dParts_)) return dLon_ == 0 ? 0 : (p.lon - a_.lon) / dLon_;
    return (partsSeconds(p.lat) - mpA_) / dParts_;
  }

 private:
  ArcPosition a_;
  double dLon_;
  double mpA_;
  double dParts_;
};

struct Spot {
  ArcPosition at;
  double along;
};

// A leg drawn across the map's back meridian ends short of it.
constexpr double kBackMeridianInset = 1e-7;  // degrees short of the back meridian
constexpr double kPartsTolerance = 0.01;     // minutes of meridional parts

}  // namespace

std::vector<LegPixels> legPieces(const MapExtent& e, const Waypoint& from, const Waypoint& to) {
  const double a = relativeLongitude(from.longitude, e.referenceMeridian);
  const double b = relativeLongitude(to.longitude, e.referenceMeridian);
  std::vector<LegPixels> pieces;
  if (std::fabs(b - a) <= kHalfTurn) {
    if (const auto leg = clipLeg(e, from, to)) pieces.push_back(*leg);
    return pieces;
  }
  // Straight on the chart: meridional parts run linearly with longitude.
  const double side = a > 0 ? 1 : -1;
  const double bUnwrapped = b + side * 2 * kHalfTurn;
  const double t = (side * kHalfTurn - a) / (bUnwrapped - a);
  const double mpFrom = meridionalParts(from.latitude);
  const double mpTo = meridionalParts(to.latitude);
  const double latitude =
      mpFrom == mpTo ? from.latitude : latitudeAtMeridionalParts(mpFrom + t * (mpTo - mpFrom), kPartsTolerance);
  Waypoint leaving = to;
  leaving.latitude = latitude;
  leaving.longitude = absoluteLongitude(side * (kHalfTurn - kBackMeridianInset), e.referenceMeridian);
  Waypoint entering = leaving;
  entering.longitude = absoluteLongitude(-side * (kHalfTurn - kBackMeridianInset), e.referenceMeridian);
  if (const auto leg = clipLeg(e, from, leaving)) pieces.push_back(*leg);
  if (const auto leg = clipLeg(e, entering, to)) pieces.push_back(*leg);
  return pieces;
}

std::vector<RoutePoint> routePoints(const Voyage& voyage) {
  std::vector<RoutePoint> points;
  int first = 0;
  const ToWaypointState& tw = voyage.toWaypoint;
  if (tw.active() && tw.index < voyage.count() && tw.start.latitude >= kGivenPosition) {
    points.push_back({&tw.start, tw.index - 1, true});
    first = tw.index;
  }
  for (int i = first; i < voyage.count(); ++i) points.push_back({&voyage.waypoints[i], i, false});
  return points;
}

std::string routeLabel(const RoutePoint& point, const RouteStyle& style) {
  const int number = style.firstNumber + point.index;
  if (!style.names) return fmt::sprintf("%d", number);
  std::string name = point.waypoint->name;
  name.erase(name.find_last_not_of(' ') + 1);
  return fmt::sprintf("%d-%s", number, name);
}

std::optional<LegPixels> clipLeg(const MapExtent& e, const Waypoint& from, const Waypoint& to) {
  const ArcPosition a = arcPosition(e, from);
  const ArcPosition b = arcPosition(e, to);
  const bool aInside = insideView(e, a);
  const bool bInside = insideView(e, b);
  std::vector<Spot> spots;
  const LegMeasure measure(a, b);
  if (aInside) spots.push_back({a, 0});
  if (bInside) spots.push_back({b, 1});
  if (!aInside || !bInside) {
    if ((a.lat > e.northSeconds && b.lat > e.northSeconds) || (a.lat < e.southSeconds && b.lat < e.southSeconds) ||
        (a.lon > e.eastSeconds && b.lon > e.eastSeconds) || (a.lon < e.westSeconds && b.lon < e.westSeconds)) {
      return std::nullopt;
    }
    const LegGeometry geometry(e.referenceMeridian);
    const double course = to.rhumbLineCourse;
    // An edge is crossed where the leg meets it inside the view, or, for a
    // leg lying on the edge's own line, where the two overlap. A leg running
    // within the tolerance along an edge it crosses is not drawn.
    for (const int parallel : {e.southSeconds, e.northSeconds}) {
      if (!between(parallel, a.lat, b.lat)) continue;
      const int x = geometry.rhumbLongitudeAtLatitude(parallel, from.position(), to.position(), to.rhumbLineCourse);
      const ArcPosition crossing{parallel, relativeLongitudeSeconds(x, e.referenceSeconds)};
      const bool meetsEdge = x != kNoCrossingSeconds && insideView(e, crossing);
      if (!meetsEdge && !(a.lat == b.lat && overlaps(a.lon, b.lon, e.westSeconds, e.eastSeconds))) continue;
      if (alongDirection(course, kParallelDirection)) return std::nullopt;
      if (meetsEdge) spots.push_back({crossing, measure.at(crossing)});
    }
    for (const int meridian : {e.westSeconds, e.eastSeconds}) {
      if (!between(meridian, a.lon, b.lon)) continue;
      const int y = geometry.rhumbLatitudeAtLongitude(absoluteLongitudeSeconds(meridian, e.referenceSeconds), from.position(),
                                                    to.position(), to.rhumbLineCourse);
      const ArcPosition crossing{y, meridian};
      const bool meetsEdge = y != kNoCrossingSeconds && insideView(e, crossing);
      if (!meetsEdge && !(a.lon == b.lon && overlaps(a.lat, b.lat, e.southSeconds, e.northSeconds))) continue;
      if (alongDirection(course, kMeridianDirection)) return std::nullopt;
      if (meetsEdge) spots.push_back({crossing, measure.at(crossing)});
    }
  }
  if (spots.empty()) return std::nullopt;
  const auto [first, last] =
      std::minmax_element(spots.begin(), spots.end(), [](const Spot& p, const Spot& q) { return p.along < q.along; });
  const LegPixels pixels{LonToX(e, first->at.lon), LatToY(e, first->at.lat), LonToX(e, last->at.lon),
                         LatToY(e, last->at.lat)};
  if (pixels.x1 == pixels.x2 && pixels.y1 == pixels.y2) return std::nullopt;
  return pixels;
}

std::vector<RouteLabel> placeRouteLabels(Surface& surface, const MapExtent& extent, const Voyage& voyage,
                                         const RouteStyle& style, LabelSpace& space) {
  const std::vector<RoutePoint> points = routePoints(voyage);
  std::vector<RouteLabel> labels;
  auto place = [&](const RoutePoint& point, bool always) {
    const ArcPosition p = arcPosition(extent, *point.waypoint);
    if (!insideView(extent, p)) return;
    const int x = LonToX(extent, p.lon);
    const int y = LatToY(extent, p.lat);
    const std::string text = routeLabel(point, style);
    const int width = surface.textWidth(text);
    const int height = style.textHeight;
    const int right = x + kLabelGap;
    const int left = x - width - kLabelGap;
    const bool rightFits = right + width <= extent.width;
    const int usual = rightFits ? right : left;
    const int other = rightFits ? left : right;
    struct Spot {
      int x, y;
    };
    const Spot usualSpots[] = {{usual, y}, {other, y}};
    const Spot moreSpots[] = {{usual, y - height},     {other, y - height},     {usual, y + height},
                              {other, y + height},     {usual, y + 2 * height}, {other, y + 2 * height}};
    auto fits = [&](Spot s) {
      return s.x >= 0 && s.x + width <= extent.width && s.y >= 0 && s.y + height <= extent.height &&
             space.isFree({s.x, s.y, s.x + width, s.y + height});
    };
    std::optional<Spot> chosen;
    for (const Spot s : usualSpots)
      if (!chosen && fits(s)) chosen = s;
    if (always) {
      for (const Spot s : moreSpots)
        if (!chosen && fits(s)) chosen = s;
      if (!chosen) chosen = usualSpots[0];
    }
    if (!chosen) return;
    space.take({chosen->x, chosen->y, chosen->x + width, chosen->y + height});
    labels.push_back({chosen->x, chosen->y, text});
  };
  // Great-circle points only mark the way; composite points are turning points.
  auto inserted = [](const RoutePoint& point) { return !point.start && point.waypoint->kind == kGcCalcPoint; };
  for (const RoutePoint& point : points)
    if (!inserted(point)) place(point, true);
  for (const RoutePoint& point : points)
    if (inserted(point)) place(point, false);
  return labels;
}

void DrawRoute(Surface& surface, const MapExtent& extent, const Voyage& voyage,
               const std::vector<RouteLabel>& labels) {
  const std::vector<RoutePoint> points = routePoints(voyage);
  for (std::size_t i = 1; i < points.size(); ++i) {
    for (const LegPixels& leg : legPieces(extent, *points[i - 1].waypoint, *points[i].waypoint)) {
      surface.moveTo(leg.x1, leg.y1);
      surface.lineTo(leg.x2, leg.y2);
    }
  }
  for (const RouteLabel& label : labels) surface.textOut(label.x, label.y, label.text);
  for (const RoutePoint& point : points) {
    const ArcPosition p = arcPosition(extent, *point.waypoint);
    if (!insideView(extent, p)) continue;
    const int x = LonToX(extent, p.lon);
    const int y = LatToY(extent, p.lat);
    if (point.start) {
      surface.moveTo(x - kStartCrossHalf, y);
      surface.lineTo(x + kStartCrossHalf, y);
      surface.moveTo(x, y - kStartCrossHalf);
      surface.lineTo(x, y + kStartCrossHalf);
    } else {
      surface.setPixel(x, y);
      surface.circle(x, y, kRouteMarkRadius);
    }
  }
}

void DrawRoute(Surface& surface, const MapExtent& extent, const Voyage& voyage, const RouteStyle& style) {
  LabelSpace space;
  DrawRoute(surface, extent, voyage, placeRouteLabels(surface, extent, voyage, style, space));
}

}  // namespace z5
