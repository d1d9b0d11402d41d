// A text dump of the shoreline database as the world data builder reads it:
// any bytes parse or stop with the line named; what parses goes through the
// builder's steps (classes, cuts at the 180th meridian, rejoining, region
// split) and, when the format can hold it, is written as a line file that
// reads back to the same segments.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "WorldDataFuzz.h"
#include "world/GmtCoastDump.h"
#include "world/LineDataBuilder.h"
#include "world/LineFileReader.h"
#include "world/LineFileWriter.h"

using z5::fuzz::check;

namespace {

// Longitudes beyond this are refused as no position, arc-seconds.
constexpr std::int32_t kLargestLongitude = 720 * 3600;
constexpr std::int32_t kLargestLatitude = 90 * 3600;

void checkPieces(const std::vector<z5::DumpPiece>& pieces) {
  for (const z5::DumpPiece& piece : pieces) {
    check(piece.points.size() >= 2);
    for (std::size_t i = 0; i < piece.points.size(); ++i) {
      const z5::ArcPoint& p = piece.points[i];
      check(std::abs(p.lon) <= kLargestLongitude && std::abs(p.lat) <= kLargestLatitude);
      check(i == 0 || !(piece.points[i - 1] == p));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<z5::DumpPiece> pieces;
  std::string error;
  if (!z5::parseGmtDump(in, pieces, error)) {
    check(error.starts_with("line "));
    return 0;
  }
  checkPieces(pieces);
  std::vector<z5::LineSegment> segments;
  for (const z5::DumpPiece& piece : pieces) {
    const int lineClass = size % 2 ? z5::riverClass(piece.level) : z5::boundaryClass(piece.level);
    for (z5::LineSegment& s : z5::cutMeridianEdges({lineClass, piece.points})) segments.push_back(std::move(s));
  }
  const std::string path = z5::fuzz::scratchHome() + "dump.lin";
  for (const auto& region : z5::splitIntoRegions(z5::rejoinPieces(segments), z5::SegmentLimits{})) {
    std::vector<std::uint8_t> bytes;
    if (!z5::encodeLineFile(region, bytes) || region.empty()) continue;
    z5::fuzz::writeFile(path, bytes.data(), bytes.size());
    check(z5::readAllSegments(path) == region);
  }
  return 0;
}
