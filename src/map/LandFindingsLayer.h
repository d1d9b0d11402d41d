#pragma once
// The route check's findings on the map: the leg of each finding drawn
// again over the route in the check's leg colour, and a cross in the
// colour of land met where the leg first meets land (for a clearance
// finding, where it passes nearest to it).

#include "geo/MapExtent.h"
#include "map/Surface.h"
#include "route/Voyage.h"
#include "world/LandCheck.h"

namespace z5 {

// Half the size of each stroke of the cross, pixels.
inline constexpr int kLandMetCrossHalf = 8;

// Draws the findings of `result` (whose rows are those of `voyage`). In
// colour the legs take colour slot kCheckedLegColour and the crosses
// kLandMetColour; without colour both are drawn in the current pen.
void DrawLandFindings(Surface& surface, const MapExtent& extent, const Voyage& voyage, const LandCheckResult& result,
                      bool inColour);

}  // namespace z5
