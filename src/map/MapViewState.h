#pragma once
// Which part of the earth the map window shows: the whole voyage, a chosen
// waypoint, or a view point, and the height of a centred map.

#include "nav/ComputeMapExtent.h"

namespace z5 {

struct MapViewState {
  static constexpr double kDefaultSpan = kDefaultDegreeSpan;
  static constexpr double kSmallestSpan = 0.05;
  static constexpr double kLargestSpan = 150;

  bool viewPointMode = false;
  double viewLatitude = 0;
  double viewLongitude = 0;
  int centreIndex = kNoIndex;  // kNoIndex: whole voyage
  double degreeSpan = kDefaultSpan;
  bool redrawPending = false;
  // Size of the last map drawing, pixels: the leg pass fits the voyage's
  // extent (and so the chart search box) to its shape.
  int drawingWidth = kDefaultDrawingWidth;
  int drawingHeight = kDefaultDrawingHeight;
};

}  // namespace z5
