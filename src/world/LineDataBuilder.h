#pragma once
// Turning shoreline, river and border pieces into the segments of the five
// region line files: classes, rejoining the pieces a database cut at its
// bin edges, splitting at the 180th meridian, and the region split.

#include <array>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "world/GmtCoastDump.h"
#include "world/LineFileFormat.h"
#include "world/LineFileWriter.h"

namespace z5 {

// Shoreline levels of the database.
inline constexpr int kLevelLand = 1;
inline constexpr int kLevelLake = 2;
inline constexpr int kLevelIslandInLake = 3;
inline constexpr int kLevelPond = 4;

// Land classes (colour slot 10 + class): 1..7 land by size tier (green),
// 8 lakes and ponds (cyan), 9 the Antarctic ice front and 10 its grounding
// line (grey).
inline constexpr int kLandTiers = 7;
inline constexpr int kLakeClass = 8;
inline constexpr int kIceFrontClass = 9;
inline constexpr int kGroundingLineClass = 10;
// The areas, km², that part the land tiers: tier 1 is at least the first,
// tier 7 smaller than the last.
inline constexpr std::array<int, kLandTiers - 1> kTierAreas = {1000000, 100000, 10000, 1000, 100, 10};

// The fingerprints of the pieces kept by a run limited to each tier area, in
// the order of kTierAreas.
using TierRuns = std::vector<std::unordered_set<std::uint64_t>>;

std::unordered_set<std::uint64_t> fingerprints(const std::vector<DumpPiece>& pieces);

// The size tier 1..7 of a piece: the first run that kept it, else 7.
int landTier(const DumpPiece& piece, const TierRuns& runs);

// Land and islands in lakes by tier; lakes and ponds as water.
int landClass(int level, int tier);
// River levels 0..10 give classes 1..11; border levels 1..3 classes 1..3.
int riverClass(int level);
int boundaryClass(int level);

// Cuts a polyline where two consecutive points lie on the same 180th
// meridian (an edge where the database cut a polygon, not a shore) and where
// a step passes the 180th meridian (more than 180 degrees of longitude),
// which drawn as it stands would cross the whole map; a step to a point on
// the 180th meridian written with the other sign keeps to its own side.
std::vector<LineSegment> cutMeridianEdges(const LineSegment& segment);

// Joins pieces of the same class end to start (points equal to the
// arc-second) into the longest chains, closing rings where the pieces close.
// A chain never passes the 180th meridian, since points there differ by sign.
std::vector<LineSegment> rejoinPieces(std::vector<LineSegment> pieces);

// The five region files (base names 200-204: North America, South America,
// Europe and Africa, Asia, Oceania) split the world by the middle of each
// segment's box:
//   0 North America  west of 30 W, north of 12 N (Greenland, Hawaii, Aleutians)
//   1 South America  west of 30 W, south of 12 N (Caribbean, south-east Pacific)
//   2 Europe, Africa 30 W to 60 E (Middle East, both sides of the Atlantic's east)
//   3 Asia           east of 60 E, north of the equator (north-west Pacific)
//   4 Oceania        east of 60 E, south of the equator (Indonesia, Australia)
// Antarctica falls to the region of its longitudes. The reader opens every
// file, but a small view finds most files' directories without a kept entry.
inline constexpr int kRegionCount = 5;
int regionOf(const LineSegment& segment);

// Splits every segment to the limits and sorts the pieces into regions,
// keeping their order within a region.
std::array<std::vector<LineSegment>, kRegionCount> splitIntoRegions(const std::vector<LineSegment>& segments,
                                                                    const SegmentLimits& limits);

}  // namespace z5
