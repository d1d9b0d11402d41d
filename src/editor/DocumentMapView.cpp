#include "editor/DocumentMapView.h"

namespace z5 {

void handToMapView(const DocumentMapView& own, MapViewState& state, std::recursive_mutex& lock, int waypointCount) {
  std::lock_guard<std::recursive_mutex> hold(lock);
  state.centreIndex = own.centreIndex < waypointCount ? own.centreIndex : kNoIndex;
  state.viewPointMode = own.viewPointMode;
  state.viewLatitude = own.viewLatitude;
  state.viewLongitude = own.viewLongitude;
  state.degreeSpan = own.degreeSpan;
}

DocumentMapView takeFromMapView(const MapViewState& state, std::recursive_mutex& lock) {
  std::lock_guard<std::recursive_mutex> hold(lock);
  return {state.centreIndex, state.viewPointMode, state.viewLatitude, state.viewLongitude, state.degreeSpan};
}

}  // namespace z5
