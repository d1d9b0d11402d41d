#pragma once
// Drawing the line files (land, rivers, boundaries) of the home directory
// over the map, straight from disk.

#include <string>

#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "geo/MapExtent.h"
#include "map/Surface.h"
#include "world/LineFileNames.h"

namespace z5 {

// Results: the layer was drawn (files that could not be opened were
// reported and skipped), or it was ended by a file with a wrong magic or a
// damaged segment (reported).
inline constexpr int kLineFilesDrawn = 0;
inline constexpr int kLineFileBadMagic = 46;
inline constexpr int kLineFileSegmentTooLong = 47;

struct LineFileOptions {
  bool inColour = true;    // IN_COLOR: colour by class, else the current pen
  bool rivers = false;     // RIVERS
  bool boundaries = false; // BOUNDARIES
};

// For each region: its land file, then its river file and its boundary file
// when asked. `home` ends with '/'. The extent gives the view box, the
// reference meridian and the projection (its scale divisors set).
int DrawLineFiles(Surface& surface, Messages& messages, const std::string& home, const MapExtent& extent,
                  const LineFileOptions& options);

// The map's line layer: nothing when LAND is 0 (so rivers and boundaries
// are drawn only together with land), else DrawLineFiles from the home
// directory with IN_COLOR, RIVERS and BOUNDARIES.
int DrawLineLayer(Surface& surface, Messages& messages, const SettingsRecord& settings, const MapExtent& extent);

}  // namespace z5
