#pragma once
// Planning to a required arrival time: the speed that makes the voyage
// arrive on time becomes the file speed (the arrival-time mode), and the
// file speed it replaced comes back when the mode ends.

#include <optional>

#include "base/SettingsRecord.h"
#include "nav/NavContext.h"
#include "route/Voyage.h"

namespace z5 {

// The speed that covers the legs without a speed of their own in the hours
// left after every stop and every leg with its own speed (above 0.0001
// knots). nullopt unless those legs sum to more than 0.001 NM and the speed
// lies within 0.001..1000 knots.
std::optional<double> requiredSpeed(const Voyage& voyage, double hours);

enum class ArrivalCheck {
  Applied,
  NotAfterDeparture,  // the arrival is not after the departure
  TooFar,             // 362 days or more after the departure
  NoSpeed,            // no speed in range gives that arrival
};

// Computes the required speed from the settings' departure and arrival
// times and, when it can be applied, makes it the file speed and turns the
// mode on (saving the file speed it replaces once). Shows nothing.
ArrivalCheck applyRequiredSpeed(Voyage& voyage, const SettingsRecord& settings);

// Ends the mode: the saved file speed comes back (or the speed is cleared).
void endArrivalTimeMode(Voyage& voyage);

// The check after every extraction in the mode: the required speed is
// recomputed for the new route; when it cannot be applied the error is
// shown and the mode ends.
void checkArrivalTime(NavContext& nav);

// The arrival-time command: asks for the required arrival time (again while
// it is not after the departure or too far after it) and applies the
// required speed; a year answer starting with n ends the planning and
// clears the arrival time. Asks for the departure time first when there is
// none. Returns 1 when the arrival time was entered or cleared, 0 when the
// user cancelled (nothing changed).
int askArrivalTime(NavContext& nav);

// Clears the required arrival time and ends the mode.
void clearArrivalTime(NavContext& nav);

}  // namespace z5
