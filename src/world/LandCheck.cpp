#include "world/LandCheck.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "geo/ArcUnits.h"
#include "geo/EarthModel.h"
#include "geo/Longitude.h"
#include "report/ReportRows.h"

namespace z5 {
namespace {

constexpr double kFullTurn = 2 * kPlaneHalfTurn;  // plane minutes of 360 degrees
// A leg runs within one turn either side of the data's longitudes: its
// copies shifted by a turn meet the land across the 180th meridian.
constexpr double kTurnShifts[] = {-kFullTurn, 0, kFullTurn};
// The box searched for the clearance is widened by this much more than the
// plane's scale asks, for the ellipsoid's share of the meridional parts.
constexpr double kMarginSafety = 1.02;

// One point of the voyage as it is sailed: a table row, or the entered position.
struct SailedPoint {
  const Waypoint* waypoint;
  int row;
};

std::vector<SailedPoint> sailedPoints(const Voyage& voyage) {
  const ReportStart start = reportStart(voyage);
  std::vector<SailedPoint> points;
  if (start.point == nullptr) return points;
  points.push_back({start.point, start.index});
  for (int i = start.index + 1; i < voyage.count(); ++i) points.push_back({&voyage.waypoints[i], i});
  return points;
}

std::string trimmedName(const Waypoint& w) {
  std::string name = w.name;
  name.erase(name.find_last_not_of(' ') + 1);
  return name;
}

// A leg on the plane, its ends' longitudes taken relative to the reference
// meridian (so x may run beyond the 180th meridian, unwrapped).
struct PlaneLeg {
  PlanePoint a, b;

  PlaneLeg shifted(double dx) const { return {{a.x + dx, a.y}, {b.x + dx, b.y}}; }
  PlanePoint at(double t) const { return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}; }
};

// A rhumb line to or from a pole runs along the meridian of its other end.
PlaneLeg planeLeg(const Waypoint& from, const Waypoint& to, double reference) {
  double r1 = relativeLongitude(from.longitude, reference);
  double r2 = relativeLongitude(to.longitude, reference);
  if (std::fabs(to.latitude) >= kPlaneLatitudeLimit) {
    r2 = r1;
  } else if (std::fabs(from.latitude) >= kPlaneLatitudeLimit) {
    r1 = r2;
  }
  return {toPlane(from.latitude, reference + r1), toPlane(to.latitude, reference + r2)};
}

Position positionOf(PlanePoint p) { return {planeLatitude(p.y), wrapLongitude(p.x / kMinutesPerDegree)}; }

// Great-circle distance on the sphere of one nautical mile per minute of arc.
double greatCircleMiles(Position p, Position q) {
  const double lat1 = p.latitude * kRadiansPerDegree, lat2 = q.latitude * kRadiansPerDegree;
  const double sinLat = std::sin((lat2 - lat1) / 2);
  const double sinLon = std::sin((q.longitude - p.longitude) * kRadiansPerDegree / 2);
  const double h = sinLat * sinLat + std::cos(lat1) * std::cos(lat2) * sinLon * sinLon;
  return 2 * std::asin(std::min(1.0, std::sqrt(h))) * earth::kMinutesPerRadian;
}

// Twice the signed area of o, a, b: positive when b lies left of o -> a.
double orientation(PlanePoint o, PlanePoint a, PlanePoint b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Where the edge p -> q crosses the leg, as the leg's parameter t in 0..1.
// A point exactly on the other's line counts as lying on its right, so
// that a leg through a vertex of the coast counts the crossing once.
std::optional<double> crossingOf(const PlaneLeg& leg, PlanePoint p, PlanePoint q) {
  if ((orientation(leg.a, leg.b, p) > 0) == (orientation(leg.a, leg.b, q) > 0)) return std::nullopt;
  const double fromA = orientation(p, q, leg.a), fromB = orientation(p, q, leg.b);
  if ((fromA > 0) == (fromB > 0)) return std::nullopt;
  return fromA / (fromA - fromB);
}

// The part of the world's plane a box shares, or nothing.
std::optional<PlaneBox> onWorld(PlaneBox box) {
  box.xMin = std::max(box.xMin, -kPlaneHalfTurn);
  box.xMax = std::min(box.xMax, kPlaneHalfTurn);
  if (box.xMin > box.xMax) return std::nullopt;
  return box;
}

PlaneBox boxOf(const PlaneLeg& leg, double margin) {
  return {std::min(leg.a.x, leg.b.x) - margin, std::min(leg.a.y, leg.b.y) - margin,
          std::max(leg.a.x, leg.b.x) + margin, std::max(leg.a.y, leg.b.y) + margin};
}

// Calls visit(shifted leg, p, q) for every land edge near the leg or one of
// its copies a turn east or west.
template <class Visit>
void forEachEdgeNear(const LandIndex& land, const PlaneLeg& leg, double margin, Visit&& visit) {
  for (const double shift : kTurnShifts) {
    const PlaneLeg copy = leg.shifted(shift);
    const auto box = onWorld(boxOf(copy, margin));
    if (!box) continue;
    land.forEachRun(*box, [&](std::span<const PlanePoint> run) {
      for (std::size_t i = 1; i < run.size(); ++i) visit(copy, run[i - 1], run[i]);
    });
  }
}

// Whether a point lies on land: the parity of the land edges crossed by the
// ray from it due north, on the plane. Every ring of the data closes on the
// plane but Antarctica's, which runs from the 180th meridian round to it and
// which a northward ray from the sea never meets.
bool onLand(const LandIndex& land, PlanePoint p) {
  if (p.x >= kPlaneHalfTurn) p.x -= kFullTurn;
  if (p.x < -kPlaneHalfTurn) p.x += kFullTurn;
  if (p.y >= land.top()) return false;
  int crossed = 0;
  land.forEachRun({p.x, p.y, p.x, land.top()}, [&](std::span<const PlanePoint> run) {
    for (std::size_t i = 1; i < run.size(); ++i) {
      const PlanePoint a = run[i - 1], b = run[i];
      if ((a.x > p.x) == (b.x > p.x)) continue;
      if (a.y + (p.x - a.x) * (b.y - a.y) / (b.x - a.x) > p.y) ++crossed;
    }
  });
  return crossed % 2 == 1;
}

// The points where the leg crosses land, in the order it meets them.
std::vector<PlanePoint> crossings(const LandIndex& land, const PlaneLeg& leg) {
  std::vector<double> along;
  forEachEdgeNear(land, leg, 0, [&](const PlaneLeg& copy, PlanePoint p, PlanePoint q) {
    if (const auto t = crossingOf(copy, p, q)) along.push_back(*t);
  });
  std::sort(along.begin(), along.end());
  std::vector<PlanePoint> points;
  for (const double t : along) points.push_back(leg.at(t));
  return points;
}

PlanePoint nearestOnSegment(PlanePoint p, PlanePoint a, PlanePoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
  return {a.x + t * dx, a.y + t * dy};
}

// The nearest points of two segments that do not cross: one of them is an end.
struct NearestPair {
  PlanePoint onLeg, onLand;
  double miles;  // the plane distance at the plane's scale there
};

NearestPair nearestPair(const PlaneLeg& leg, PlanePoint p, PlanePoint q) {
  const NearestPair candidates[] = {
      {leg.a, nearestOnSegment(leg.a, p, q), 0}, {leg.b, nearestOnSegment(leg.b, p, q), 0},
      {nearestOnSegment(p, leg.a, leg.b), p, 0}, {nearestOnSegment(q, leg.a, leg.b), q, 0}};
  NearestPair best{};
  best.miles = HUGE_VAL;
  for (NearestPair c : candidates) {
    c.miles = planeMiles(c.onLeg, c.onLand);
    if (c.miles < best.miles) best = c;
  }
  return best;
}

struct Approach {
  Position onLeg;
  double miles;
};

// The leg's nearest approach to land when land lies within `clearance` NM.
std::optional<Approach> nearestLand(const LandIndex& land, const PlaneLeg& leg, double clearance) {
  // One NM spans sec(lat) minutes of the plane; land within the clearance
  // lies within clearance / 60 degrees of the leg's latitudes.
  const double highest = std::max(std::fabs(planeLatitude(leg.a.y)), std::fabs(planeLatitude(leg.b.y)));
  const double reach = std::min(kPlaneLatitudeLimit, highest + clearance / kMinutesPerDegree);
  const double margin = clearance / std::cos(reach * kRadiansPerDegree) * kMarginSafety;
  std::optional<NearestPair> best;
  forEachEdgeNear(land, leg, margin, [&](const PlaneLeg& copy, PlanePoint p, PlanePoint q) {
    const NearestPair pair = nearestPair(copy, p, q);
    if (!best || pair.miles < best->miles) best = pair;
  });
  if (!best) return std::nullopt;
  const Approach approach{positionOf(best->onLeg), greatCircleMiles(positionOf(best->onLeg), positionOf(best->onLand))};
  if (approach.miles >= clearance) return std::nullopt;
  return approach;
}

// The check of one leg of the reports, from sailed point `first` to `last`
// through the points between them.
class LegCheck {
 public:
  LegCheck(const LandIndex& land, const std::vector<SailedPoint>& points, const LandCheckOptions& options)
      : land_(land), points_(points), options_(options) {}

  std::optional<LandFinding> operator()(std::size_t first, std::size_t last) const {
    LandFinding finding;
    const Waypoint& start = *points_[first].waypoint;
    if (onLand(land_, planeLeg(start, start, options_.referenceMeridian).a)) {
      finding.kind = LandFindingKind::StartsOnLand;
      finding.at = start.position();
      return finding;
    }
    std::vector<PlanePoint> crossed;
    for (std::size_t i = first; i < last; ++i) {
      const std::vector<PlanePoint> more = crossings(land_, piece(i));
      crossed.insert(crossed.end(), more.begin(), more.end());
    }
    if (!crossed.empty()) {
      finding.kind = LandFindingKind::Crossing;
      finding.at = positionOf(crossed.front());
      finding.shortCrossing = onlyShortStretches(crossed);
      return finding;
    }
    if (options_.clearanceMiles <= 0) return std::nullopt;
    std::optional<Approach> nearest;
    for (std::size_t i = first; i < last; ++i) {
      const auto approach = nearestLand(land_, piece(i), options_.clearanceMiles);
      if (approach && (!nearest || approach->miles < nearest->miles)) nearest = approach;
    }
    if (!nearest) return std::nullopt;
    finding.kind = LandFindingKind::Clearance;
    finding.at = nearest->onLeg;
    finding.leastDistance = nearest->miles;
    return finding;
  }

 private:
  PlaneLeg piece(std::size_t i) const {
    return planeLeg(*points_[i].waypoint, *points_[i + 1].waypoint, options_.referenceMeridian);
  }

  // From water, the crossings alternate: onto land, off it. Short when the
  // leg ends off land and every stretch over land is short.
  static bool onlyShortStretches(const std::vector<PlanePoint>& crossed) {
    if (crossed.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < crossed.size(); i += 2) {
      if (greatCircleMiles(positionOf(crossed[i]), positionOf(crossed[i + 1])) > kShortCrossingMiles) return false;
    }
    return true;
  }

  const LandIndex& land_;
  const std::vector<SailedPoint>& points_;
  const LandCheckOptions& options_;
};

}  // namespace

int LandCheckResult::count(LandFindingKind kind) const {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                        [kind](const LandFinding& f) { return f.kind == kind; }));
}

LandCheckResult checkLegsAgainstLand(const LandIndex& land, const Voyage& voyage, const LandCheckOptions& options) {
  LandCheckResult result;
  result.clearanceMiles = options.clearanceMiles;
  result.pointSpacingKm = land.pointSpacingKm();
  const std::vector<SailedPoint> points = sailedPoints(voyage);
  if (points.size() < 2) return result;
  if (land.edgeCount() == 0) {
    result.status = LandCheckStatus::NoWorldData;
    return result;
  }
  result.status = LandCheckStatus::Checked;
  // The reports number every row they show; great-circle points they leave
  // out are passed through by the leg that spans them.
  auto shown = [&](std::size_t i) { return !(options.gcPointsHidden && points[i].waypoint->kind == kGcCalcPoint); };
  const LegCheck check(land, points, options);
  int number = points.front().row + options.firstRowNumber;
  std::size_t first = 0;
  for (std::size_t last = 1; last < points.size(); ++last) {
    if (!shown(last)) continue;
    ++result.legsChecked;
    if (auto finding = check(first, last)) {
      finding->fromRow = points[first].row;
      finding->toRow = points[last].row;
      finding->fromNumber = number;
      finding->toNumber = number + 1;
      finding->fromName = trimmedName(*points[first].waypoint);
      finding->toName = trimmedName(*points[last].waypoint);
      result.findings.push_back(std::move(*finding));
    }
    first = last;
    ++number;
  }
  return result;
}

}  // namespace z5
