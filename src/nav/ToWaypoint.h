#pragma once
// The to-waypoint calculator: from an entered position to a chosen waypoint
// of the route, by rhumb line and great circle, with the vertex and the
// computed altitude; it also puts the voyage into to-waypoint mode, in which
// the leg pass, the times and the reports start from that position.

#include <functional>
#include <string>

#include "base/Messages.h"
#include "nav/NavContext.h"

namespace z5 {

// Asks for a waypoint number between the numbers of table index
// `firstIndex` and of the last waypoint (`firstRowNumber` numbers index 0),
// offering `defaultIndex` when it names one of them; asked again until the
// answer does. Returns the table index, the default for an empty answer, or
// kNoIndex when cancelled (or there is nothing to choose).
int askWaypointNumber(Messages& messages, int firstRowNumber, int count, int defaultIndex, int firstIndex);

// The calculation. The mode ends when the stored index no longer names a
// waypoint, or with `turnOff` (which also forgets the start position).
// Unless `refreshOnly`, asks for the waypoint, by its number among the
// route's own waypoints (the index stored is its index in the table the
// next extraction builds), and then the start position (a cancelled or
// invalid answer leaves everything as it was). A refresh takes the index as
// the table entry that ends the first leg. In the mode,
// computes the leg from the start position to the waypoint, stores its
// courses and distance on both (the distance to go of the start follows),
// and unless `noOutput` writes the result text to the calculator state.
// Returns 1 when the to-waypoint index changed.
int toWaypoint(NavContext& nav, bool refreshOnly, bool turnOff, bool noOutput);

// The "To Waypoint" command after its confirmation: the calculation with
// questions; when it leaves the mode on with a start position, the route is
// extracted again (`reextract`) and the result text written to the message
// window. Returns 1 when the mode or its target changed.
int toWaypointCommand(NavContext& nav, const std::function<int()>& reextract);

}  // namespace z5
