#pragma once
// Reading the text dumps of the shoreline, river and border database that
// `gmt coast -M` writes: segments introduced by a header line starting with
// ">" that names the level ("> Shore Bin # 74, Level 1"), then one
// "longitude latitude" pair of decimal degrees per line.

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "world/LineFileFormat.h"

namespace z5 {

struct DumpPiece {
  int level = 0;
  std::vector<ArcPoint> points;  // whole arc-seconds, no point repeated twice in a row
};

// Degrees to whole arc-seconds, rounded to the nearest.
std::int32_t roundToArcSeconds(double degrees);

// Parses a dump. Points are rounded to whole arc-seconds and repeated points
// dropped; pieces left with fewer than two points are dropped. Returns false
// with `error` set ("line N: ...") on a line that is neither a header nor a
// coordinate pair, or a header without a level.
bool parseGmtDump(std::istream& in, std::vector<DumpPiece>& pieces, std::string& error);

// A fingerprint of a piece's points, to find the same piece in another dump.
std::uint64_t pieceFingerprint(const std::vector<ArcPoint>& points);

}  // namespace z5
