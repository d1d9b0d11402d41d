#include "gps/TrackDrawing.h"

namespace z5 {

int drawTrack(const TrackLog& log, bool labels, Surface& surface, Messages& messages,
              std::vector<ErrorLocation>& errors, const MapExtent& extent, PointFileStyle mapStyle) {
  mapStyle.labels = labels;
  mapStyle.colourIndex = kTrackColourIndex;
  mapStyle.markRadius = kTrackMarkRadius;
  return log.read(
      [&](const std::string& path) { return DrawPointFile(surface, messages, errors, path, extent, mapStyle); });
}

}  // namespace z5
