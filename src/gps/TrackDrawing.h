#pragma once
// The GPS track on the map: the track log drawn as points, each labelled
// with its record's "GPS UTC" line, while no record can be appended.

#include <vector>

#include "app/Messages.h"
#include "gps/TrackLog.h"
#include "map/DrawPointFile.h"
#include "map/MapExtent.h"
#include "map/Surface.h"
#include "route/Voyage.h"

namespace z5 {

inline constexpr int kTrackColourIndex = 4;
inline constexpr int kTrackMarkRadius = 3;

// Draws the track log with the map's drawing size, colour flag and text
// height from `mapStyle`, in the track's colour and mark size, labelled when
// `labels` (GPS_LABEL_TRACK). Returns DrawPointFile's result: 0, or the
// error string shown for a damaged log.
int drawTrack(const TrackLog& log, bool labels, Surface& surface, Messages& messages,
              std::vector<ErrorLocation>& errors, const MapExtent& extent, PointFileStyle mapStyle);

}  // namespace z5
