#include "nav/LegPass.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>

#include <fmt/printf.h>

#include "charts/RouteCharts.h"
#include "geo/ArcUnits.h"
#include "geo/EarthModel.h"
#include "geo/LegGeometry.h"
#include "geo/Longitude.h"
#include "nav/ComputeMapExtent.h"

namespace z5 {
namespace {

// The index that stands for the to-waypoint start record.
constexpr int kStartRecord = -1;
// Step of the GC points when none is set, and the smallest valid step (degrees).
constexpr double kDefaultStep = 5;
constexpr double kSmallestStep = 1;
// A !GC interval counts from this value.
constexpr double kIntervalGiven = 0.99999;
// For steps of 5 degrees and more the GC points fall on multiples of 5 degrees.
constexpr double kStepGrid = 5;
// Legs whose ends are this close (degrees) in latitude sum or longitude get no GC point.
constexpr double kNoMovement = 0.00001;
// The start may lie this far (degrees) beyond the limiting parallel.
constexpr double kLimitTolerance = 0.000001;
// Composite sailing needs a limit and a vertex of at least this (degrees).
constexpr double kSmallestLimit = 0.0001;
constexpr double kSmallestVertex = 0.0001;
// Hemisphere tests of the composite sailing's ends (degrees).
constexpr double kStartNorthOf = 0.000001;
constexpr double kDestinationNorthFrom = 0.000000001;
// GC points beyond the limit move onto it only for limits above this (degrees).
constexpr double kParallelPointLimit = 1;
// Distances to go below this (NM) are stored as 0.
constexpr double kNoDistance = 0.000001;
// A start record holds a position once its latitude is at least this.
constexpr double kGivenPosition = -200;

constexpr const char* kComposite1Name = "composite-1       ";
constexpr const char* kComposite2Name = "composite-2       ";
constexpr const char* kGcCalcEast = "- GC calc  %6.2fE";
constexpr const char* kGcCalcWest = "- GC calc  %6.2fW";


bool toWaypointMode(const Voyage& voyage) {
  const ToWaypointState& tw = voyage.toWaypoint;
  return tw.active() && tw.index >= 0 && tw.index < voyage.count() && tw.start.latitude >= kGivenPosition;
}

// Both solutions of one leg.
struct LegSolution {
  RhumbLineLeg rhumb;
  GreatCircleLeg greatCircle;
};

// Where the next GC point of a leg goes when an earlier one was moved onto
// the limiting parallel.
struct PendingCrossing {
  bool due = false;
  double longitude = 0;
  double latitude = 0;
};

class LegPassRun {
 public:
  LegPassRun(const LegPassContext& pass, const LegGeometry& geometry, bool geodetic, bool gcPointsGetGcData)
      : voyage_(pass.voyage),
        settings_(pass.greatCircle),
        defaults_(pass.greatCircle),
        messages_(pass.messages),
        geometry_(geometry),
        geodetic_(geodetic),
        gcData_(gcPointsGetGcData) {}

  // The legs, the first leg in to-waypoint mode, the distances to go.
  bool run() {
    const bool fromStart = toWaypointMode(voyage_);
    if (!fromStart && voyage_.count() < 2) return true;
    previous_ = fromStart ? kStartRecord : 0;
    for (int j = fromStart ? voyage_.toWaypoint.index : 1; j < kMaxWaypoints && j < voyage_.count(); ++j) {
      if (!computeLeg(j)) return false;
    }
    if (fromStart) storeFirstLeg(voyage_.toWaypoint.index);
    storeDistancesToGo(fromStart);
    return true;
  }

 private:
  const Waypoint& point(int index) const {
    return index == kStartRecord ? voyage_.toWaypoint.start : voyage_.waypoints[index];
  }

  LegSolution solve(int from, int to) const {
    const Waypoint& a = point(from);
    const Waypoint& b = point(to);
    return {geometry_.rhumbLine(a.latitude, a.longitude, b.latitude, b.longitude, geodetic_),
            geometry_.greatCircleLeg(a.latitude, a.longitude, b.latitude, b.longitude, geodetic_)};
  }

  bool computeLeg(int j) {
    LegSolution leg = solve(previous_, j);
    bool divided = false;
    if (settingsFor(point(j))) {
      if (compositeApplies(j, leg)) {
        if (!insertCompositePoints(j, leg)) return false;
        leg = solve(previous_, j);
      }
      if (const std::optional<double> candidate = gcPointCandidate(j, leg)) {
        if (!insertGcPoint(j, *candidate, leg)) return false;
        divided = true;
      }
    }
    if (!divided) pending_ = {};
    store(j, leg);
    previous_ = j;
    return true;
  }

  // The great-circle settings of the leg ending at `destination`; true when
  // it may be divided.
  bool settingsFor(const Waypoint& destination) {
    if (destination.greatCircle && destination.kind != kComposite2) {
      settings_.mode = 1;
      settings_.minimumSaving = 0;
      if (destination.gcInterval >= kIntervalGiven) {
        settings_.step = destination.gcInterval;
      } else if (settings_.step < kSmallestStep) {
        settings_.step = kDefaultStep;
      }
    } else {
      settings_.mode = defaults_.mode;
      settings_.minimumSaving = defaults_.minimumSaving;
      settings_.step = defaults_.step;
    }
    return settings_.mode != 0;
  }

  bool compositeApplies(int j, const LegSolution& leg) const {
    const double limit = settings_.limit;
    const double vertex = std::fabs(leg.greatCircle.vertexLatitude);
    return leg.greatCircle.vertexOnLeg && vertex > limit && settings_.step >= kSmallestStep &&
           limit > kSmallestLimit && std::fabs(point(previous_).latitude) < limit &&
           std::fabs(point(j).latitude) < limit && vertex > kSmallestVertex && vertex < 90;
  }

  // Composite sailing: along the great circle up to the limiting parallel,
  // along the parallel, and down the great circle to the destination.
  bool insertCompositePoints(int j, const LegSolution& leg) {
    const Waypoint& a = point(previous_);
    const Waypoint& b = point(j);
    const double lat1 = a.latitude, lon1 = a.longitude, lat2 = b.latitude, lon2 = b.longitude;
    const double limit = settings_.limit;
    const double tanLimit = std::tan(limit * kRadiansPerDegree);
    const double reach1 = std::acos(std::tan(std::fabs(lat1) * kRadiansPerDegree) / tanLimit) * kDegreesPerRadian;
    const double reach2 = std::acos(std::tan(std::fabs(lat2) * kRadiansPerDegree) / tanLimit) * kDegreesPerRadian;
    const double course = leg.greatCircle.course;
    const bool north = course < 90 || course >= 270;
    const bool startOnSide = north ? lat1 > kStartNorthOf : lat1 <= kStartNorthOf;
    const bool destinationOnSide = north ? lat2 >= kDestinationNorthFrom : lat2 < kDestinationNorthFrom;
    const double t1 = startOnSide ? reach1 : 180 - reach1;
    const double t2 = destinationOnSide ? reach2 : 180 - reach2;
    const bool eastward = course < 180;
    const double longitude1 = wrapLongitude(eastward ? lon1 + t1 : lon1 - t1);
    const double longitude2 = wrapLongitude(eastward ? lon2 - t2 : lon2 + t2);
    const double parallel = north ? limit : -limit;
    return insertPoint(j, parallel, longitude2, kComposite2, kComposite2Name) &&
           insertPoint(j, parallel, longitude1, kComposite1, kComposite1Name);
  }

  // The longitude of the next GC point on the leg ending at j, when one is due.
  std::optional<double> gcPointCandidate(int j, const LegSolution& leg) const {
    const Waypoint& a = point(previous_);
    const Waypoint& b = point(j);
    const double s = settings_.step;
    const double lon1 = a.longitude, lon2 = b.longitude;
    const bool eastward = (lon2 >= lon1 && lon2 - lon1 <= 180) || (lon2 < lon1 && lon1 - lon2 > 180);
    double v = eastward ? std::ceil(lon1 + s) : std::floor(lon1 - s);
    if (s >= kStepGrid) v -= std::fmod(v, kStepGrid);
    bool tooClose;
    if (eastward) {
      tooClose = v > (lon2 < lon1 ? lon2 + 360 : lon2) - s / 2;
    } else {
      tooClose = v < (lon2 > lon1 ? lon2 - 360 : lon2) + s / 2;
    }
    const bool saves = leg.rhumb.distance - leg.greatCircle.distance >= settings_.minimumSaving ||
                       (a.kind != kOrdinaryPoint && j > 0);
    const bool due = std::fabs(a.latitude) + std::fabs(b.latitude) > kNoMovement &&
                     std::fabs(lon1 - lon2) > kNoMovement && !tooClose && b.kind != kComposite2 && saves &&
                     std::fabs(a.latitude) - settings_.limit < kLimitTolerance;
    if (!due) return std::nullopt;
    return wrapLongitude(v);
  }

  bool insertGcPoint(int j, double candidate, LegSolution& leg) {
    const Waypoint& a = point(previous_);
    const Waypoint& b = point(j);
    const double limit = settings_.limit;
    const GreatCirclePoint found =
        geometry_.greatCirclePointAtLongitude(leg.greatCircle, candidate, a.latitude, a.longitude, b.longitude, limit);
    double latitude = found.latitude;
    double longitude = candidate;
    if (pending_.due) {
      latitude = pending_.latitude;
      longitude = pending_.longitude;
      pending_ = {};
    } else if (limit > kParallelPointLimit && std::fabs(latitude) > limit && std::fabs(a.latitude) <= limit &&
               std::fabs(b.latitude) <= limit && found.crossesLimit) {
      latitude = latitude < 0 ? -limit : limit;
      longitude = found.firstCrossing;
      pending_ = {true, found.secondCrossing, latitude};
    }
    const std::string name = fmt::sprintf(longitude >= 0 ? kGcCalcEast : kGcCalcWest, std::fabs(longitude));
    if (!insertPoint(j, latitude, longitude, kGcCalcPoint, name)) return false;
    // The same great circle: the course of the undivided leg.
    const double course = leg.greatCircle.course;
    leg = solve(previous_, j);
    leg.greatCircle.course = course;
    return true;
  }

  // An inserted point sails on as the leg it divides: the speed and fixed
  // mark of the entry before it, no stop, no zone description of its own.
  bool insertPoint(int position, double latitude, double longitude, int kind, const std::string& name) {
    const Waypoint& before = position > 0 ? voyage_.waypoints[position - 1] : voyage_.toWaypoint.start;
    const double speed = before.speed;
    const int speedFixed = before.speedFixed;
    if (!insertWaypoint(voyage_, messages_, position, latitude, longitude)) return false;
    Waypoint& w = voyage_.waypoints[position];
    w.kind = kind;
    w.greatCircle = kind == kComposite2 ? 0 : 1;
    w.name = name;
    w.speed = speed;
    w.speedFixed = speedFixed;
    return true;
  }

  bool greatCircleDistanceFor(int j) const {
    const int kind = point(j).kind;
    return gcData_ && j != 0 && (kind == kGcCalcPoint || kind == kComposite1);
  }

  void store(int j, const LegSolution& leg) {
    const bool greatCircle = greatCircleDistanceFor(j);
    Waypoint& w = voyage_.waypoints[j];
    w.greatCircleCourse = leg.greatCircle.course;
    w.rhumbLineCourse = leg.rhumb.course;
    w.legDistance = greatCircle ? leg.greatCircle.distance : leg.rhumb.distance;
  }

  void storeFirstLeg(int k) { store(k, solve(kStartRecord, k)); }

  void storeDistancesToGo(bool fromStart) {
    const int first = fromStart ? voyage_.toWaypoint.index : 1;
    double total = 0;
    for (int i = first; i < voyage_.count(); ++i) total += voyage_.waypoints[i].legDistance;
    Waypoint& start = fromStart ? voyage_.toWaypoint.start : voyage_.waypoints.front();
    start.distanceToGo = total < kNoDistance ? 0 : total;
    double remaining = total;
    for (int i = first; i < voyage_.count(); ++i) {
      remaining -= voyage_.waypoints[i].legDistance;
      voyage_.waypoints[i].distanceToGo = remaining < kNoDistance ? 0 : remaining;
    }
  }

  Voyage& voyage_;
  GreatCircleSettings& settings_;
  const GreatCircleSettings defaults_;  // what a leg without !GC sails with
  Messages& messages_;
  const LegGeometry& geometry_;
  const bool geodetic_;
  const bool gcData_;
  int previous_ = 0;
  PendingCrossing pending_;
};

void searchCharts(const LegPassContext& pass, const std::string& homeDirectory, const LegGeometry& geometry) {
  Voyage& voyage = pass.voyage;
  const bool route = voyage.count() >= 2 || (toWaypointMode(voyage) && voyage.count() >= 1);
  if (!route) {
    pass.charts.clear();
    return;
  }
  const std::vector<const Waypoint*> points = chartRoutePoints(voyage);
  ChartSearch search;
  search.upperScale = pass.scaleLimits.upper;
  search.lowerScale = pass.scaleLimits.lower;
  search.box = {pass.extent.westSeconds, pass.extent.southSeconds, pass.extent.eastSeconds, pass.extent.northSeconds};
  search.route = &points;
  search.geometry = &geometry;
  FindRouteCharts(search, homeDirectory, pass.charts, pass.messages);
}

}  // namespace

bool insertWaypoint(Voyage& voyage, Messages& messages, int position, double latitude, double longitude) {
  if (voyage.count() >= kMaxWaypoints) {
    messages.showError(kErrorTableFull, kInsertionMessageMs, kMaxWaypoints);
    return false;
  }
  Waypoint w;
  w.latitude = latitude;
  w.longitude = longitude;
  const int at = std::clamp(position, 0, voyage.count());
  try {
    voyage.waypoints.insert(voyage.waypoints.begin() + at, std::move(w));
  } catch (const std::bad_alloc&) {
    messages.showError(kErrorNoMemory, kInsertionMessageMs, at + 1);
    return false;
  }
  return true;
}

int computeLegs(const LegPassContext& pass, const std::string& homeDirectory, double degreeSpan, int geodetic,
                int gcPointsGetGcData) {
  const GreatCircleSettings saved = pass.greatCircle;
  pass.extent = ComputeMapExtent(pass.voyage, wholeVoyageRequest(degreeSpan, pass.drawingWidth, pass.drawingHeight));
  const LegGeometry geometry(pass.extent.referenceMeridian);
  if (pass.greatCircle.mode && pass.greatCircle.step < kSmallestStep) pass.greatCircle.step = kDefaultStep;

  LegPassRun run(pass, geometry, geodetic != 0, gcPointsGetGcData != 0);
  const bool done = run.run();
  pass.greatCircle = saved;
  if (!done) return kFatal;

  if (!pass.voyage.empty() && toWaypointMode(pass.voyage) && pass.refreshToWaypoint) pass.refreshToWaypoint();
  searchCharts(pass, homeDirectory, geometry);
  return 0;
}

}  // namespace z5
