#include "world/LineDataBuilder.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <unordered_map>

namespace z5 {
namespace {

constexpr std::int32_t kMeridian180 = 180 * 3600;
enum Region { kNorthAmerica, kSouthAmerica, kEuropeAfrica, kAsia, kOceania };
constexpr std::int64_t kAmericasEast = -30 * 3600;
constexpr std::int64_t kNorthAmericaSouth = 12 * 3600;
constexpr std::int64_t kAsiaWest = 60 * 3600;

std::uint64_t pointKey(ArcPoint p, int lineClass) {
  // Latitude and longitude fit 21 bits each after the offset; the class the rest.
  const auto lon = static_cast<std::uint64_t>(p.lon + 2 * kMeridian180) & 0x1FFFFF;
  const auto lat = static_cast<std::uint64_t>(p.lat + kMeridian180) & 0x1FFFFF;
  return (static_cast<std::uint64_t>(lineClass) << 42) | (lon << 21) | lat;
}

bool cutBetween(ArcPoint a, ArcPoint b) {
  const bool alongMeridian180 = a.lon == b.lon && (a.lon == kMeridian180 || a.lon == -kMeridian180);
  return alongMeridian180 || std::abs(std::int64_t{b.lon} - a.lon) > kMeridian180;
}

}  // namespace

std::unordered_set<std::uint64_t> fingerprints(const std::vector<DumpPiece>& pieces) {
  std::unordered_set<std::uint64_t> set;
  for (const DumpPiece& p : pieces) set.insert(pieceFingerprint(p.points));
  return set;
}

int landTier(const DumpPiece& piece, const TierRuns& runs) {
  const std::uint64_t key = pieceFingerprint(piece.points);
  for (std::size_t i = 0; i < runs.size(); ++i)
    if (runs[i].count(key)) return static_cast<int>(i) + 1;
  return kLandTiers;
}

int landClass(int level, int tier) {
  if (level == kLevelLake || level == kLevelPond) return kLakeClass;
  return std::clamp(tier, 1, kLandTiers);
}

int riverClass(int level) { return std::clamp(level, 0, 10) + 1; }
int boundaryClass(int level) { return std::clamp(level, 1, 3); }

std::vector<LineSegment> cutMeridianEdges(const LineSegment& segment) {
  std::vector<LineSegment> pieces;
  LineSegment current{segment.lineClass, {}};
  for (std::size_t i = 0; i < segment.points.size(); ++i) {
    ArcPoint p = segment.points[i];
    if (!current.points.empty()) {
      const ArcPoint last = current.points.back();
      // A step to the 180th meridian written with the other sign ends on this side.
      if (std::abs(p.lon) == kMeridian180 && std::abs(std::int64_t{p.lon} - last.lon) > kMeridian180) p.lon = -p.lon;
      if (cutBetween(last, p)) {
        if (current.points.size() >= 2) pieces.push_back(std::move(current));
        current = {segment.lineClass, {}};
      }
    }
    current.points.push_back(p);
  }
  if (current.points.size() >= 2) pieces.push_back(std::move(current));
  return pieces;
}

std::vector<LineSegment> rejoinPieces(std::vector<LineSegment> pieces) {
  std::unordered_multimap<std::uint64_t, std::size_t> byStart, byEnd;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].points.size() < 2 || pieces[i].points.front() == pieces[i].points.back()) continue;
    byStart.emplace(pointKey(pieces[i].points.front(), pieces[i].lineClass), i);
    byEnd.emplace(pointKey(pieces[i].points.back(), pieces[i].lineClass), i);
  }
  std::vector<bool> used(pieces.size(), false);
  // An unused piece that starts (or ends) at p, if any.
  auto take = [&](std::unordered_multimap<std::uint64_t, std::size_t>& map, ArcPoint p, int cls) -> long {
    auto [first, last] = map.equal_range(pointKey(p, cls));
    for (auto it = first; it != last; ++it) {
      if (!used[it->second]) {
        used[it->second] = true;
        return static_cast<long>(it->second);
      }
    }
    return -1;
  };
  std::vector<LineSegment> chains;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (used[i]) continue;
    used[i] = true;
    const int cls = pieces[i].lineClass;
    std::deque<ArcPoint> chain(pieces[i].points.begin(), pieces[i].points.end());
    auto closed = [&] { return chain.size() > 2 && chain.front() == chain.back(); };
    for (long next; !closed() && (next = take(byStart, chain.back(), cls)) >= 0;)
      chain.insert(chain.end(), pieces[next].points.begin() + 1, pieces[next].points.end());
    for (long prev; !closed() && (prev = take(byEnd, chain.front(), cls)) >= 0;)
      chain.insert(chain.begin(), pieces[prev].points.begin(), pieces[prev].points.end() - 1);
    chains.push_back({cls, std::vector<ArcPoint>(chain.begin(), chain.end())});
  }
  return chains;
}

int regionOf(const LineSegment& segment) {
  if (segment.points.empty()) return 0;
  auto [west, east] = std::minmax_element(segment.points.begin(), segment.points.end(),
                                          [](ArcPoint a, ArcPoint b) { return a.lon < b.lon; });
  auto [south, north] = std::minmax_element(segment.points.begin(), segment.points.end(),
                                            [](ArcPoint a, ArcPoint b) { return a.lat < b.lat; });
  const std::int64_t lon = (std::int64_t{west->lon} + east->lon) / 2;
  const std::int64_t lat = (std::int64_t{south->lat} + north->lat) / 2;
  if (lon < kAmericasEast) return lat >= kNorthAmericaSouth ? kNorthAmerica : kSouthAmerica;
  if (lon < kAsiaWest) return kEuropeAfrica;
  return lat >= 0 ? kAsia : kOceania;
}

std::array<std::vector<LineSegment>, kRegionCount> splitIntoRegions(const std::vector<LineSegment>& segments,
                                                                    const SegmentLimits& limits) {
  std::array<std::vector<LineSegment>, kRegionCount> regions;
  for (const LineSegment& s : segments)
    for (LineSegment& piece : splitSegment(s, limits)) {
      const int region = regionOf(piece);
      regions[region].push_back(std::move(piece));
    }
  return regions;
}

}  // namespace z5
