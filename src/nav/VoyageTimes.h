#pragma once
// The voyage's time totals: steaming hours from leg distances and speeds,
// stops added, and the total split into days, hours and minutes with the
// arrival text that shows it.

#include "base/SettingsRecord.h"
#include "base/StringTable.h"
#include "nav/NavContext.h"
#include "route/Voyage.h"

namespace z5 {

struct VoyageTotals {
  double totalHours = 0;     // steaming plus stops
  double steamingHours = 0;
};

// The totals from the start point to the last waypoint. Each leg is timed
// at its own speed when above 0.001 knots, else at the file speed when
// above 0.0001; a leg with neither gives no times at all (both 0).
VoyageTotals legTimeTotals(const Voyage& voyage);

// As legTimeTotals, after the arrival-time mode has recomputed its
// required speed (the mode ends when that speed cannot be applied).
VoyageTotals voyageTimes(Voyage& voyage, const SettingsRecord& settings);

// Stores the total and its days, hours and minutes in the voyage and writes
// the arrival text (the settings' `arrivalRemark`): the arrival time and the
// split total, or prompt string 83 without a departure time, or prompt
// string 82 for a total below 0.0001 hours.
void splitVoyageTime(Voyage& voyage, SettingsRecord& settings, const StringTable& strings, double totalHours);

// The time computation after every extraction and every change of the
// departure, arrival or speed: voyageTimes, then splitVoyageTime; the
// steaming hours are stored too.
void updateVoyageTimes(NavContext& nav);

}  // namespace z5
