#include "nav/ArrivalTime.h"

#include "nav/Calendar.h"
#include "nav/DateTimePrompt.h"
#include "nav/FileSpeed.h"
#include "nav/TimeCommands.h"
#include "nav/VoyageLegs.h"
#include "nav/VoyageTimes.h"

namespace z5 {
namespace {

// A leg's own speed above this is kept; the others share the required speed.
constexpr double kOwnSpeed = 0.0001;
// The legs to be sped up must be longer than this in all, NM.
constexpr double kLeastDistance = 0.001;
constexpr double kLeastSpeed = 0.001;
constexpr double kGreatestSpeed = 1000;
// The arrival must be more than this after the departure, hours.
constexpr double kLeastHours = 0.0001;

constexpr int kArrivalPrompt = 7;          // prompt: plain, caller text of the arrival date-time
constexpr int kNoSpeedError = 27;          // error: plain
constexpr int kNotAfterDepartureError = 28;  // error: plain
constexpr int kTooFarError = 29;           // error: days
constexpr int kErrorMs = 3000;

void showArrivalError(Messages& messages, ArrivalCheck check) {
  switch (check) {
    case ArrivalCheck::Applied: return;
    case ArrivalCheck::NotAfterDeparture: messages.showError(kNotAfterDepartureError, kErrorMs); return;
    case ArrivalCheck::TooFar: messages.showError(kTooFarError, kErrorMs, kLongestIntervalDays); return;
    case ArrivalCheck::NoSpeed: messages.showError(kNoSpeedError, kErrorMs); return;
  }
}

ArrivalCheck hoursCheck(double hours) {
  if (!(hours > kLeastHours)) return ArrivalCheck::NotAfterDeparture;
  if (hours >= kLongestIntervalHours) return ArrivalCheck::TooFar;
  return ArrivalCheck::Applied;
}

}  // namespace

std::optional<double> requiredSpeed(const Voyage& voyage, double hours) {
  double remaining = hours - totalStopHours(voyage);
  double distance = 0;
  for (const VoyageLeg& leg : voyageLegs(voyage)) {
    if (leg.ownSpeed > kOwnSpeed) remaining -= leg.distance / leg.ownSpeed;
    else distance += leg.distance;
  }
  if (!(distance > kLeastDistance) || !(remaining > 0)) return std::nullopt;
  const double speed = distance / remaining;
  if (!(speed >= kLeastSpeed && speed <= kGreatestSpeed)) return std::nullopt;
  return speed;
}

ArrivalCheck applyRequiredSpeed(Voyage& voyage, const SettingsRecord& settings) {
  const double hours = hoursBetween(settings.departure, settings.arrival);
  if (const ArrivalCheck check = hoursCheck(hours); check != ArrivalCheck::Applied) return check;
  const std::optional<double> speed = requiredSpeed(voyage, hours);
  if (!speed) return ArrivalCheck::NoSpeed;
  if (!voyage.arrivalTimeMode) {
    voyage.savedFileSpeed = voyage.fileSpeed;
    voyage.arrivalTimeMode = true;
  }
  setFileSpeed(voyage, *speed);
  return ArrivalCheck::Applied;
}

void endArrivalTimeMode(Voyage& voyage) {
  if (voyage.arrivalTimeMode) setFileSpeed(voyage, voyage.savedFileSpeed > kNoSpeed ? voyage.savedFileSpeed : 0);
  voyage.arrivalTimeMode = false;
  voyage.savedFileSpeed = 0;
}

void checkArrivalTime(NavContext& nav) {
  if (!nav.voyage.arrivalTimeMode) return;
  const ArrivalCheck check = applyRequiredSpeed(nav.voyage, nav.settings);
  if (check == ArrivalCheck::Applied) return;
  showArrivalError(nav.messages, check);
  endArrivalTimeMode(nav.voyage);
}

int askArrivalTime(NavContext& nav) {
  if (!nav.settings.departure.valid() && !askDepartureTime(nav)) return 0;
  if (!nav.settings.departure.valid()) return 0;
  DateTime arrival = nav.settings.arrival;
  const std::string callerText = nav.messages.strings().prompt(kArrivalPrompt);
  while (true) {
    bool declined = false;
    if (!askDateTime(nav.messages, callerText, arrival, &declined)) {
      if (!declined) return 0;
      clearArrivalTime(nav);
      writeTimeStatus(nav);
      return 1;
    }
    const ArrivalCheck check = hoursCheck(hoursBetween(nav.settings.departure, arrival));
    if (check == ArrivalCheck::Applied) break;
    showArrivalError(nav.messages, check);
  }
  nav.settings.arrival = arrival;
  const ArrivalCheck check = applyRequiredSpeed(nav.voyage, nav.settings);
  if (check != ArrivalCheck::Applied) {
    showArrivalError(nav.messages, check);
    endArrivalTimeMode(nav.voyage);
  }
  updateVoyageTimes(nav);
  writeTimeStatus(nav);
  return 1;
}

void clearArrivalTime(NavContext& nav) {
  nav.settings.arrival = DateTime{};
  endArrivalTimeMode(nav.voyage);
  updateVoyageTimes(nav);
}

}  // namespace z5
