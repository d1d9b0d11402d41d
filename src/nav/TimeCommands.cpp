#include "nav/TimeCommands.h"

#include <cmath>

#include <fmt/printf.h>

#include "nav/DateTimePrompt.h"
#include "nav/FileSpeed.h"
#include "nav/TimeText.h"
#include "nav/VoyageTimes.h"

namespace z5 {
namespace {

constexpr int kDepartureCallerText = 5;  // prompt: plain
constexpr int kSpeedPrompt = 6;          // prompt: plain
// Status lines: departure text, total hours, days, hours, minutes.
// Departure text, hours, days, hours and minutes of the voyage.
constexpr PromptNumber<std::string, double, int, int, int> kDepartureStatus = 177;
constexpr PromptNumber<std::string, double, int, int, int> kVoyageTimeStatus = 178;

constexpr double kClearSpeed = 0.0001;
constexpr double kLeastSpeed = 0.1;
constexpr double kGreatestSpeed = 1000;
constexpr double kNoTotal = 0.0001;

// A speed the user gives replaces the one derived from an arrival time.
void leaveArrivalTimeMode(Voyage& voyage) {
  voyage.arrivalTimeMode = false;
  voyage.savedFileSpeed = 0;
}

}  // namespace

int askDepartureTime(NavContext& nav) {
  DateTime departure = nav.settings.departure;
  if (!askDateTime(nav.messages, nav.messages.strings().prompt(kDepartureCallerText), departure)) return 0;
  nav.settings.departure = departure;
  nav.settings.departureText = formatTimeText(departure, 0, nav.settings.ROUNDING);
  updateVoyageTimes(nav);
  writeTimeStatus(nav, TimeStatus::Departure);
  return 1;
}

void clearDepartureTime(NavContext& nav) {
  nav.settings.departure = DateTime{};
  nav.settings.departureText = kNoDepartureText;
  updateVoyageTimes(nav);
}

int askFileSpeed(NavContext& nav) {
  const std::string question = nav.messages.strings().prompt(kSpeedPrompt);
  std::string answer = fmt::sprintf("%7.4f", nav.voyage.fileSpeed);
  while (true) {
    if (!nav.messages.prompt(question, answer, true)) return 0;
    const std::optional<double> speed = decimalNumber(answer);
    if (!speed) continue;
    if (std::fabs(*speed) < kClearSpeed) {
      clearFileSpeed(nav);
      writeTimeStatus(nav);
      return 1;
    }
    if (*speed < kLeastSpeed || *speed > kGreatestSpeed) continue;
    leaveArrivalTimeMode(nav.voyage);
    setFileSpeed(nav.voyage, *speed);
    updateVoyageTimes(nav);
    writeTimeStatus(nav);
    return 1;
  }
}

void clearFileSpeed(NavContext& nav) {
  leaveArrivalTimeMode(nav.voyage);
  setFileSpeed(nav.voyage, 0);
  nav.voyage.steamingHours = 0;
  splitVoyageTime(nav.voyage, nav.settings, nav.messages.strings(), 0);
}

void writeTimeStatus(NavContext& nav, TimeStatus which) {
  const StringTable& s = nav.messages.strings();
  const Voyage& v = nav.voyage;
  if (nav.settings.departure.valid() && v.totalHours >= kNoTotal) {
    const auto line = which == TimeStatus::Departure ? kDepartureStatus : kVoyageTimeStatus;
    nav.messages.appendLine(
        s.prompt(line, nav.settings.departureText, v.totalHours, v.totalDays, v.totalHoursPart, v.totalMinutes));
  }
  nav.messages.appendLine(nav.settings.arrivalRemark);
}

}  // namespace z5
