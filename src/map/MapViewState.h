#pragma once
// Which part of the earth the map window shows: the whole voyage, a chosen
// waypoint, or a view point, and the height of a centred map.

#include "route/Voyage.h"

namespace z5 {

struct MapViewState {
  static constexpr double kDefaultSpan = 2.0;
  static constexpr double kSmallestSpan = 0.05;
  static constexpr double kLargestSpan = 150;

  bool viewPointMode = false;
  double viewLatitude = 0;
  double viewLongitude = 0;
  int centreIndex = kNoIndex;  // kNoIndex: whole voyage
  double degreeSpan = kDefaultSpan;
  bool redrawPending = false;
};

}  // namespace z5
