#include "charts/RouteCharts.h"

#include <array>
#include <cmath>
#include <fstream>
#include <limits>

#include "base/Settings.h"
#include "geo/ArcUnits.h"
#include "geo/Longitude.h"

namespace z5 {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kCardinalTolerance = 1e-9;
constexpr int kQuarterTurnSeconds = 324000;  // 90 degrees
constexpr double kGivenPosition = -200;

// A leg that crosses an edge in one of the edge's end quarters is refused
// when the slope t of its track (on a north-up chart) lies strictly inside
// the quarter's interval: it only clips the chart's corner.
struct QuarterRule {
  double slopeAbove;
  double slopeBelow;
};
struct EdgeRule {
  QuarterRule first;  // crossing in the quarter at the south or west end
  QuarterRule last;   // crossing in the quarter at the north or east end
};
constexpr std::array<EdgeRule, 4> kEdgeRules = {{
    /* South */ {{-1, 0}, {0, 1}},
    /* North */ {{0, 1}, {-1, 0}},
    /* West  */ {{-kInfinity, -1}, {1, kInfinity}},
    /* East  */ {{1, kInfinity}, {-kInfinity, -1}},
}};

// Slopes this close to a bound count as the bound: tan 45 degrees is 1 - 1e-16.
constexpr double kSlopeTolerance = 1e-9;

bool inside(const QuarterRule& rule, double slope) {
  return slope > rule.slopeAbove + kSlopeTolerance && slope < rule.slopeBelow - kSlopeTolerance;
}

bool between(int value, int a, int b) { return (a <= value && value <= b) || (b <= value && value <= a); }

// One leg with its ends in arc-seconds, longitudes relative and wrapped.
struct Leg {
  const Waypoint* from;
  const Waypoint* to;
  int latA, latB, lonA, lonB;
};

class ChartSearchRun {
 public:
  explicit ChartSearchRun(const ChartSearch& search) : search_(search) {
    reference_ = toArcSeconds(search.geometry->referenceMeridian());
    const auto& points = *search.route;
    for (std::size_t i = 1; i < points.size(); ++i) {
      const Waypoint* a = points[i - 1];
      const Waypoint* b = points[i];
      legs_.push_back({a, b, toArcSeconds(a->latitude), toArcSeconds(b->latitude), relative(a->longitude),
                       relative(b->longitude)});
    }
  }

  // The chart's rectangle when the record qualifies before any leg is
  // tested: scale within the limits, a real rectangle on the earth, and an
  // overlap with the search box.
  bool rectangleOf(const ChartRecord& r, ChartRectangle& chart) const {
    if (r.scale < search_.lowerScale || r.scale > search_.upperScale) return false;
    if (r.south == r.north || r.longitude1 == r.longitude2) return false;
    if (!plausible(r)) return false;
    int w = relativeLongitudeSeconds(r.longitude1, reference_);
    int e = relativeLongitudeSeconds(r.longitude2, reference_);
    if (w > e) std::swap(w, e);
    if (e - w > kHalfTurnSeconds) {
      const int westAcross = e;
      e = w + kFullTurnSeconds;
      w = westAcross;
    }
    chart = {r.south, r.north, w, e};
    const ChartSearchBox& box = search_.box;
    return chart.south <= box.north && chart.north >= box.south && chart.west <= box.east && chart.east >= box.west;
  }

  bool anyLegCrosses(const ChartRectangle& chart) const {
    for (const Leg& leg : legs_) {
      if (legCrosses(leg, chart)) return true;
    }
    return false;
  }

 private:
  // Records with edges off the earth or upside down are damaged; skipped.
  static bool plausible(const ChartRecord& r) {
    auto latitude = [](std::int32_t s) { return s >= -kQuarterTurnSeconds && s <= kQuarterTurnSeconds; };
    auto longitude = [](std::int32_t s) { return s >= -kHalfTurnSeconds && s <= kHalfTurnSeconds; };
    return latitude(r.south) && latitude(r.north) && r.south < r.north && longitude(r.longitude1) &&
           longitude(r.longitude2);
  }

  int relative(double longitude) const { return relativeLongitudeSeconds(toArcSeconds(longitude), reference_); }

  bool legCrosses(const Leg& leg, const ChartRectangle& c) const {
    if ((leg.latA > c.north && leg.latB > c.north) || (leg.latA < c.south && leg.latB < c.south) ||
        (leg.lonA > c.east && leg.lonB > c.east) || (leg.lonA < c.west && leg.lonB < c.west)) {
      return false;
    }
    if (between(leg.latB, c.south, c.north) && between(leg.lonB, c.west, c.east)) return true;
    const LegGeometry& geometry = *search_.geometry;
    const double course = leg.to->rhumbLineCourse;
    for (ChartEdge edge : {ChartEdge::South, ChartEdge::North}) {
      const int latitude = edge == ChartEdge::South ? c.south : c.north;
      if (!between(latitude, leg.latA, leg.latB)) continue;
      const int x = geometry.rhumbLongitudeAtLatitude(latitude, leg.from->position(), leg.to->position(), course);
      if (x != kNoCrossingSeconds && AcceptEdgeCrossing(edge, relativeLongitudeSeconds(x, reference_), c, course)) {
        return true;
      }
    }
    for (ChartEdge edge : {ChartEdge::West, ChartEdge::East}) {
      const int longitude = edge == ChartEdge::West ? c.west : c.east;
      if (!between(longitude, leg.lonA, leg.lonB)) continue;
      const int y = geometry.rhumbLatitudeAtLongitude(absoluteLongitudeSeconds(longitude, reference_),
                                                      leg.from->position(), leg.to->position(), course);
      if (y != kNoCrossingSeconds && AcceptEdgeCrossing(edge, y, c, course)) return true;
    }
    return false;
  }

  const ChartSearch& search_;
  int reference_ = 0;
  std::vector<Leg> legs_;
};

RouteChart routeChartOf(const ChartRecord& r) {
  RouteChart chart;
  chart.number = r.number;
  chart.carried = r.carried;
  chart.title = r.title();
  chart.scale = r.scale;
  chart.southSeconds = r.south;
  chart.northSeconds = r.north;
  chart.longitude1Seconds = r.longitude1;
  chart.longitude2Seconds = r.longitude2;
  chart.south = r.south / static_cast<double>(kSecondsPerDegree);
  chart.north = r.north / static_cast<double>(kSecondsPerDegree);
  chart.longitude1 = r.longitude1 / static_cast<double>(kSecondsPerDegree);
  chart.longitude2 = r.longitude2 / static_cast<double>(kSecondsPerDegree);
  return chart;
}

}  // namespace

bool AcceptEdgeCrossing(ChartEdge edge, int crossing, const ChartRectangle& c, double course) {
  const bool latitudeEdge = edge == ChartEdge::South || edge == ChartEdge::North;
  const int low = latitudeEdge ? c.west : c.south;
  const int high = latitudeEdge ? c.east : c.north;
  if (crossing < low || crossing > high) return false;
  if (std::fabs(std::fmod(course, 90)) < kCardinalTolerance) return true;
  double angle = 450 - course;
  if (angle > 360) angle -= 360;
  const double slope = std::tan(angle * kRadiansPerDegree);
  const int middle = (low + high) / 2;
  const int lowQuarter = (middle + low) / 2;
  const int highQuarter = (high + middle) / 2;
  const EdgeRule& rule = kEdgeRules[static_cast<int>(edge)];
  if (crossing < lowQuarter && inside(rule.first, slope)) return false;
  if (crossing > highQuarter && inside(rule.last, slope)) return false;
  return true;
}

std::vector<const Waypoint*> chartRoutePoints(const Voyage& voyage) {
  std::vector<const Waypoint*> points;
  int first = 0;
  const ToWaypointState& tw = voyage.toWaypoint;
  if (tw.active() && tw.index < voyage.count() && tw.start.latitude >= kGivenPosition) {
    points.push_back(&tw.start);
    first = tw.index;
  }
  for (int i = first; i < voyage.count(); ++i) points.push_back(&voyage.waypoints[i]);
  return points;
}

int searchChartCatalogue(std::istream& in, const std::string& path, const ChartSearch& search,
                         RouteChartTable& table, Messages& messages) {
  table.clear();
  std::int32_t magic = 0;
  ChartCatalogueReader reader(in);
  if (!reader.readHeader(magic)) {
    if (reader.cutShort()) {
      messages.showMessage(reader.cutShortMessage(path), kChartMessageMs);
    } else {
      messages.showError(kErrorBadMagic, kChartMessageMs, path, static_cast<int>(magic),
                         static_cast<int>(kChartCatalogueMagic));
    }
    return kChartFileUnreadable;
  }
  const ChartSearchRun run(search);
  while (true) {
    const std::vector<ChartRecord>& block = reader.nextBlock();
    if (block.empty()) break;
    for (const ChartRecord& record : block) {
      ChartRectangle chart;
      if (!run.rectangleOf(record, chart) || !run.anyLegCrosses(chart)) continue;
      if (table.full()) {
        messages.showError(kErrorTooManyCharts, kChartMessageMs, RouteChartTable::kCapacity);
        return kChartTableOverflow;
      }
      table.charts.push_back(routeChartOf(record));
    }
  }
  if (reader.cutShort()) messages.showMessage(reader.cutShortMessage(path), kChartMessageMs);
  return table.count();
}

int FindRouteCharts(const ChartSearch& search, const std::string& homeDirectory, RouteChartTable& table,
                    Messages& messages) {
  const std::string path = homeFile(homeDirectory, kChartCatalogueFileName);
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    messages.showError(kErrorCannotOpen, kChartMessageMs, path);
    return kChartFileUnreadable;
  }
  return searchChartCatalogue(in, path, search, table, messages);
}

}  // namespace z5
