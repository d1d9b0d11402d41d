// Builds the five region line files of land, rivers and boundaries from text
// dumps of the GSHHG shorelines, WDBII rivers and borders as `gmt coast -M`
// writes them (tools/build_world_data.sh makes the dumps and runs this).
//
//   make_line_files DUMPS STRINGS OUTDIR
//   make_line_files --tier-areas     (the areas, km2, of the land_A dumps)
//
// DUMPS holds land.txt (shorelines without Antarctica), land_A<km2>.txt for
// each tier area of kTierAreas (the same limited to pieces of at least that
// area), antarctica_ice.txt and antarctica_ground.txt (Antarctica by its ice
// front and by its grounding line), rivers.txt and borders.txt. STRINGS is
// nav_info.dat, whose prompt strings 200-204 are the five base names and
// 205, 206, 207 the land, boundary and river suffixes. The files are written
// into OUTDIR as base name + suffix.
//
// The five files split the world by continents (see regionOf); within a file
// the segments keep the database order.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "base/StringTable.h"
#include "world/GmtCoastDump.h"
#include "world/LineDataBuilder.h"
#include "world/LineFileWriter.h"

namespace {

using namespace z5;

constexpr int kFirstBaseName = 200;
constexpr int kLandSuffix = 205;
constexpr int kBoundarySuffix = 206;
constexpr int kRiverSuffix = 207;

bool readDump(const std::string& path, std::vector<DumpPiece>& pieces) {
  std::ifstream in(path);
  if (!in) {
    std::fprintf(stderr, "make_line_files: cannot read %s\n", path.c_str());
    return false;
  }
  std::string error;
  if (!parseGmtDump(in, pieces, error)) {
    std::fprintf(stderr, "make_line_files: %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  return true;
}

void addPiece(std::vector<LineSegment>& into, int lineClass, const std::vector<ArcPoint>& points) {
  for (LineSegment& s : cutMeridianEdges({lineClass, points})) into.push_back(std::move(s));
}

bool landSegments(const std::string& dumps, std::vector<LineSegment>& out) {
  std::vector<DumpPiece> land, ice, ground;
  if (!readDump(dumps + "/land.txt", land) || !readDump(dumps + "/antarctica_ice.txt", ice) ||
      !readDump(dumps + "/antarctica_ground.txt", ground))
    return false;
  TierRuns runs;
  for (int area : kTierAreas) {
    std::vector<DumpPiece> limited;
    if (!readDump(dumps + "/land_A" + std::to_string(area) + ".txt", limited)) return false;
    runs.push_back(fingerprints(limited));
  }
  for (const DumpPiece& p : land) addPiece(out, landClass(p.level, landTier(p, runs)), p.points);
  for (const DumpPiece& p : ice)
    addPiece(out, p.level == kLevelLand ? kIceFrontClass : landClass(p.level, kLandTiers), p.points);
  // The grounding line repeats the ice front wherever there is no shelf.
  const auto iceFront = fingerprints(ice);
  for (const DumpPiece& p : ground)
    if (p.level == kLevelLand && !iceFront.count(pieceFingerprint(p.points)))
      addPiece(out, kGroundingLineClass, p.points);
  return true;
}

bool lineSegments(const std::string& path, int (*classOf)(int), std::vector<LineSegment>& out) {
  std::vector<DumpPiece> pieces;
  if (!readDump(path, pieces)) return false;
  for (const DumpPiece& p : pieces) addPiece(out, classOf(p.level), p.points);
  return true;
}

bool writeRegions(const std::vector<LineSegment>& segments, const StringTable& strings, int suffix,
                  const std::string& outDir) {
  const auto regions = splitIntoRegions(rejoinPieces(segments), SegmentLimits{});
  for (int r = 0; r < kRegionCount; ++r) {
    const std::string path = outDir + "/" + strings.text(StringFile::Prompt, kFirstBaseName + r) +
                             strings.text(StringFile::Prompt, suffix);
    if (const z5::FileWriteResult written = writeLineFile(path, regions[r]); !written) {
      std::fprintf(stderr, "make_line_files: %s\n", written.message(path).c_str());
      return false;
    }
    std::printf("%s: %zu segments\n", path.c_str(), regions[r].size());
  }
  return true;
}

bool validNames(const StringTable& strings, const char* path) {
  for (int n = kFirstBaseName; n <= kRiverSuffix; ++n) {
    const std::string& name = strings.text(StringFile::Prompt, n);
    if (name.find('/') != std::string::npos || (n <= kFirstBaseName + 4 && name.empty())) {
      // Strings are numbered from 0, lines from 1.
      std::fprintf(stderr, "make_line_files: %s line %d (prompt string %d) \"%s\" is not a file name part\n", path,
                   n + 1, n, name.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--tier-areas") {
    for (int area : kTierAreas) std::printf("%d\n", area);
    return 0;
  }
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_line_files DUMPS STRINGS OUTDIR\n");
    return 2;
  }
  const std::string dumps = argv[1], outDir = argv[3];
  StringTable strings;
  std::vector<int> replaced;
  int linesFound = 0;
  if (!strings.load(StringFile::Prompt, argv[2], replaced, &linesFound)) {
    std::fprintf(stderr, "make_line_files: cannot read the prompt strings in %s (%d lines found, %d needed)\n",
                 argv[2], std::max(linesFound, 0), StringTable::count(StringFile::Prompt));
    return 1;
  }
  if (!validNames(strings, argv[2])) return 1;
  std::vector<LineSegment> land, rivers, borders;
  if (!landSegments(dumps, land) || !lineSegments(dumps + "/rivers.txt", riverClass, rivers) ||
      !lineSegments(dumps + "/borders.txt", boundaryClass, borders))
    return 1;
  const bool written = writeRegions(land, strings, kLandSuffix, outDir) &&
                       writeRegions(rivers, strings, kRiverSuffix, outDir) &&
                       writeRegions(borders, strings, kBoundarySuffix, outDir);
  return written ? 0 : 1;
}
