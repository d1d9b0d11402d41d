#include "world/LandIndex.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/index/rtree.hpp>

#include "geo/ArcUnits.h"
#include "geo/EarthModel.h"
#include "world/LineDataBuilder.h"
#include "world/LineFileNames.h"

namespace z5 {
namespace {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

using TreePoint = bg::model::point<double, 2, bg::cs::cartesian>;
using TreeBox = bg::model::box<TreePoint>;

// Edges per run: one R-tree entry covers this many consecutive edges, a few
// kilometres of coastline, which keeps the tree small and quick to pack
// while a query still tests few edges it does not need.
constexpr int kRunEdges = 8;
// Greatest entries per R-tree node.
constexpr int kNodeEntries = 16;
// Every this many edges one is measured for the typical point spacing.
constexpr std::size_t kSpacingSample = 37;
// Meridional parts are found again from a plane y to this many minutes.
constexpr double kLatitudeTolerance = 1e-6;
constexpr double kKilometresPerMile = 1.852;

double clampedLatitude(double latitude) {
  return std::clamp(latitude, -kPlaneLatitudeLimit, kPlaneLatitudeLimit);
}

TreeBox boxOf(std::span<const PlanePoint> run) {
  TreeBox box(TreePoint(run[0].x, run[0].y), TreePoint(run[0].x, run[0].y));
  for (const PlanePoint& p : run) {
    bg::set<bg::min_corner, 0>(box, std::min(bg::get<bg::min_corner, 0>(box), p.x));
    bg::set<bg::min_corner, 1>(box, std::min(bg::get<bg::min_corner, 1>(box), p.y));
    bg::set<bg::max_corner, 0>(box, std::max(bg::get<bg::max_corner, 0>(box), p.x));
    bg::set<bg::max_corner, 1>(box, std::max(bg::get<bg::max_corner, 1>(box), p.y));
  }
  return box;
}

}  // namespace

// A run: the points from `first`, `edges` + 1 of them.
struct Run {
  std::uint32_t first;
  std::uint32_t edges;
};

struct LandIndex::Tree {
  using Entry = std::pair<TreeBox, std::uint32_t>;  // a run's box and its number
  std::vector<Run> runs;
  bgi::rtree<Entry, bgi::quadratic<kNodeEntries>> rtree;
};

PlanePoint toPlane(double latitude, double longitude) {
  return {longitude * kMinutesPerDegree, meridionalParts(clampedLatitude(latitude))};
}

double planeMiles(PlanePoint a, PlanePoint b) {
  const double middle = (a.y + b.y) / 2 / earth::kMinutesPerRadian;
  return std::hypot(b.x - a.x, b.y - a.y) / std::cosh(middle);
}

double planeLatitude(double y) { return clampedLatitude(latitudeAtMeridionalParts(y, kLatitudeTolerance)); }

bool countsAsLand(int lineClass) { return lineClass != kGroundingLineClass; }

void LandChains::add(std::span<const ArcPoint> chain) {
  if (chain.size() < 2) return;
  starts.push_back(static_cast<std::uint32_t>(points.size()));
  for (const ArcPoint& p : chain) {
    points.push_back(toPlane(static_cast<double>(p.lat) / kSecondsPerDegree,
                             static_cast<double>(p.lon) / kSecondsPerDegree));
  }
}

LandIndex::LandIndex(LandChains chains) : chains_(std::move(chains)), tree_(std::make_unique<Tree>()) {
  std::vector<Tree::Entry> entries;
  std::vector<double> sample;
  const std::span<const PlanePoint> points(chains_.points);
  for (std::size_t k = 0; k < chains_.starts.size(); ++k) {
    const std::size_t start = chains_.starts[k];
    const std::size_t end = k + 1 < chains_.starts.size() ? chains_.starts[k + 1] : points.size();
    for (std::size_t first = start; first + 1 < end; first += kRunEdges) {
      const std::size_t edges = std::min<std::size_t>(kRunEdges, end - 1 - first);
      entries.emplace_back(boxOf(points.subspan(first, edges + 1)), static_cast<std::uint32_t>(tree_->runs.size()));
      tree_->runs.push_back({static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(edges)});
    }
    for (std::size_t i = start; i + 1 < end; ++i) {
      if (edgeCount_++ % kSpacingSample == 0) sample.push_back(planeMiles(points[i], points[i + 1]));
    }
  }
  for (const PlanePoint& p : points) top_ = std::max(top_, p.y);
  // The packing constructor sorts the entries into a balanced tree at once.
  tree_->rtree = decltype(tree_->rtree)(entries.begin(), entries.end());
  if (!sample.empty()) {
    const auto middle = sample.begin() + static_cast<std::ptrdiff_t>(sample.size() / 2);
    std::nth_element(sample.begin(), middle, sample.end());
    spacingKm_ = *middle * kKilometresPerMile;
  }
}

LandIndex::~LandIndex() = default;

void LandIndex::forEachRun(const PlaneBox& box, const std::function<void(std::span<const PlanePoint>)>& visit) const {
  const TreeBox query(TreePoint(box.xMin, box.yMin), TreePoint(box.xMax, box.yMax));
  const std::span<const PlanePoint> points(chains_.points);
  for (auto it = tree_->rtree.qbegin(bgi::intersects(query)); it != tree_->rtree.qend(); ++it) {
    const Run& run = tree_->runs[it->second];
    visit(points.subspan(run.first, run.edges + 1));
  }
}

LandIndexLoad loadLandIndex(const std::string& home, const StringTable& strings) {
  LandIndexLoad load;
  LandChains chains;
  std::vector<ArcPoint> points;
  for (int region = 0; region < kLineFileRegions; ++region) {
    const std::string path = lineFilePath(home, strings, region, kLandSuffixString);
    LineFileReader reader(path);
    reader.forEachSegment([](const DirectoryEntry& e) { return countsAsLand(e.lineClass); },
                          [&](const DirectoryEntry&, const SegmentHeader& h, std::span<const std::uint8_t> data) {
                            points.clear();
                            const bool whole =
                                decodePointData({h.lon, h.lat}, data.data(), data.size(), h.deltaCount, points);
                            chains.add(points);
                            return whole;
                          });
    if (!reader.ok()) {
      load.path = path;
      load.problem = reader.problem();
      return load;
    }
  }
  load.index = std::make_unique<LandIndex>(std::move(chains));
  return load;
}

}  // namespace z5
