#pragma once
// The great-circle set-up command: great-circle points on or off, their
// spacing in longitude, the least distance they must save and the limiting
// latitude of composite sailing.

#include "nav/NavContext.h"

namespace z5 {

// With `turnOff`, or an answer starting with n to the first question while
// the points are on, turns them off. Otherwise asks for the step (1..50
// degrees; empty keeps a current step), the least saving (0 NM or more;
// empty keeps it) and the limiting latitude (1..85 degrees as a latitude;
// empty gives 85), each again until in range, and turns the points on.
// The status text goes to the message window and the calculator state.
// Returns 1 when a setting changed, 0 otherwise (also when cancelled).
int setUpGreatCircle(NavContext& nav, bool turnOff);

}  // namespace z5
