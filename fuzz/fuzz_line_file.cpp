// Any bytes as a line file: the reader reports or draws, never reads outside
// the file or its buffers, and never hands the surface a colour it lacks;
// the route check's land index built from it checks a voyage across the
// world and across the 180th meridian without harm.

#include <sys/stat.h>

#include "WorldDataFuzz.h"
#include "base/Messages.h"
#include "base/StringTable.h"
#include "map/DrawLineFiles.h"
#include "world/LandCheck.h"
#include "world/LandIndex.h"
#include "world/LineFileReader.h"
#include "world/LineFileWriter.h"

namespace {

// Legs everywhere: from the pole, over the 180th meridian, round the world.
z5::Voyage voyageAcrossTheWorld() {
  const double points[][2] = {{90, 0}, {45, 170}, {-30, -170}, {0, 10}, {-89.95, 179.9}, {10, -179.9}};
  z5::Voyage voyage;
  for (const auto& p : points) {
    z5::Waypoint w;
    w.latitude = p[0];
    w.longitude = p[1];
    voyage.waypoints.push_back(w);
  }
  return voyage;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace z5;
  static const StringTable strings;
  static const MapExtent world = fuzz::worldView();
  static const Voyage voyage = voyageAcrossTheWorld();
  const std::string home = fuzz::scratchHome();
  // The other regions' land files are there and empty.
  static const bool othersWritten = [&] {
    for (int region = 1; region < kLineFileRegions; ++region)
      writeLineFile(lineFilePath(home, strings, region, kLandSuffixString), {});
    return true;
  }();
  (void)othersWritten;
  const std::string path = lineFilePath(home, strings, 0, kLandSuffixString);
  fuzz::writeFile(path, data, size);
  readAllSegments(path);
  SilentHost host;
  Messages messages(host, strings);
  fuzz::CountingSurface surface;
  DrawLineFiles(surface, messages, home, world, {true, false, false});
  const LandIndexLoad land = loadLandIndex(home, strings);
  if (land.index) {
    LandCheckOptions options;
    options.clearanceMiles = 50;
    checkLegsAgainstLand(*land.index, voyage, options);
  }
  return 0;
}
