#pragma once
// The map view settings a route document keeps for its own map: handed to
// the map view state when its map is drawn, taken back after every change
// made in its map window, both under the map lock (the GPS reader moves the
// view point).

#include <mutex>

#include "map/MapViewState.h"

namespace z5 {

struct DocumentMapView {
  int centreIndex = kNoIndex;  // kNoIndex: whole voyage
  bool viewPointMode = false;
  double viewLatitude = 0;     // degrees
  double viewLongitude = 0;
  double degreeSpan = MapViewState::kDefaultSpan;

  bool operator==(const DocumentMapView&) const = default;
};

// Copies `own` into `state` under `lock`; a centre index that names no
// waypoint of a voyage of `waypointCount` becomes kNoIndex.
void handToMapView(const DocumentMapView& own, MapViewState& state, std::recursive_mutex& lock, int waypointCount);

// The view settings of `state`, read under `lock`.
DocumentMapView takeFromMapView(const MapViewState& state, std::recursive_mutex& lock);

}  // namespace z5
