#include "nav/VoyageTimes.h"

#include <fmt/printf.h>

#include "nav/ArrivalTime.h"
#include "nav/Calendar.h"
#include "nav/FileSpeed.h"
#include "nav/TimeText.h"
#include "nav/VoyageLegs.h"

namespace z5 {
namespace {

// A file speed at or below this times no leg.
constexpr double kNoFileSpeed = 0.0001;
// Totals below this are no totals.
constexpr double kNoTotal = 0.0001;
// The arrival time in the arrival text is not rounded.
constexpr int kUnrounded = 1;

constexpr int kNoTotalText = 82;         // prompt: plain text
constexpr int kTotalWithoutDeparture = 83;  // prompt: total, days, hours, minutes

}  // namespace

VoyageTotals legTimeTotals(const Voyage& voyage) {
  VoyageTotals totals;
  for (const VoyageLeg& leg : voyageLegs(voyage)) {
    double speed = 0;
    if (leg.ownSpeed > kNoSpeed) speed = leg.ownSpeed;
    else if (voyage.fileSpeed > kNoFileSpeed) speed = voyage.fileSpeed;
    else return {};
    totals.steamingHours += leg.distance / speed;
  }
  totals.totalHours = totals.steamingHours + totalStopHours(voyage);
  return totals;
}

VoyageTotals voyageTimes(Voyage& voyage, const SettingsRecord& settings) {
  if (voyage.arrivalTimeMode && applyRequiredSpeed(voyage, settings) != ArrivalCheck::Applied) {
    endArrivalTimeMode(voyage);
  }
  return legTimeTotals(voyage);
}

void splitVoyageTime(Voyage& voyage, SettingsRecord& settings, const StringTable& strings, double totalHours) {
  if (!(totalHours >= kNoTotal)) {
    voyage.totalHours = 0;
    voyage.totalDays = voyage.totalHoursPart = voyage.totalMinutes = 0;
    settings.arrivalRemark = strings.prompt(kNoTotalText);
    return;
  }
  const HoursSplit split = splitHours(totalHours);
  voyage.totalHours = totalHours;
  voyage.totalDays = split.days;
  voyage.totalHoursPart = split.hours;
  voyage.totalMinutes = split.minutes;
  if (settings.departure.valid()) {
    settings.arrivalRemark = fmt::sprintf(" -%s, %4.3f hr=%dd,%02d:%02d",
                                          formatTimeText(settings.departure, totalHours, kUnrounded),
                                          totalHours, split.days, split.hours, split.minutes);
  } else {
    settings.arrivalRemark = strings.prompt(kTotalWithoutDeparture, totalHours, split.days, split.hours, split.minutes);
  }
}

void updateVoyageTimes(NavContext& nav) {
  const VoyageTotals totals = voyageTimes(nav.voyage, nav.settings);
  nav.voyage.steamingHours = totals.steamingHours;
  splitVoyageTime(nav.voyage, nav.settings, nav.messages.strings(), totals.totalHours);
}

}  // namespace z5
