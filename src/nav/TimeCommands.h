#pragma once
// The departure-time and speed commands, and the time status they write.

#include "nav/NavContext.h"

namespace z5 {

// Asks for the departure time (GMT); the departure text, the voyage's time
// totals and the arrival text follow, and the time status goes to the
// message window. Returns 1 when a time was entered, 0 when cancelled.
int askDepartureTime(NavContext& nav);

// Clears the departure time; the voyage then has no times.
void clearDepartureTime(NavContext& nav);

// Asks for the file speed in knots (0.1..1000; an answer below 0.0001 clears
// it), offering the current speed. A speed given here replaces one derived
// from a required arrival time, ending that mode. Returns 1 when the speed
// was set or cleared, 0 when cancelled.
int askFileSpeed(NavContext& nav);

// Clears the file speed and with it the totals.
void clearFileSpeed(NavContext& nav);

// Writes the time status to the message window: the departure text with the
// split total (after a departure change, or as the voyage time otherwise)
// when both are known, then the arrival text.
enum class TimeStatus { Departure, VoyageTime };
void writeTimeStatus(NavContext& nav, TimeStatus which = TimeStatus::VoyageTime);

}  // namespace z5
