// The Time/Speed menu: speed, departure and arrival times, the interval
// calculator, the DR position and the rounding of report times.

#include "commands/CommandActions.h"
#include "commands/SettingPrompts.h"
#include "nav/ArrivalTime.h"
#include "nav/DrPosition.h"
#include "nav/IntervalCalculator.h"
#include "nav/TimeCommands.h"

namespace z5::cmd {
namespace {

// A speed above this is one the user set; one above kLeastSpeed makes times.
constexpr double kSpeedSet = 0.0001;
constexpr double kLeastSpeed = 0.001;

}  // namespace

void speed(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  NavContext nav = ctx.nav();
  if (ctx.voyage().fileSpeed > kSpeedSet) {
    switch (confirmChange(ctx, kConfirmSpeed)) {
      case Host::Confirmation::Abort:
        return;
      case Host::Confirmation::Disable:
        clearFileSpeed(nav);
        setPending(ctx, kRouteReload);
        return;
      case Host::Confirmation::Change:
        break;
    }
  }
  if (!ctx.settings().departure.valid()) askDepartureTime(nav);
  askFileSpeed(nav);
  setPending(ctx, kRouteReload);
}

void departureTime(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  NavContext nav = ctx.nav();
  const Host::Confirmation choice =
      ctx.settings().departure.valid() ? confirmChange(ctx, kConfirmDeparture) : Host::Confirmation::Change;
  if (choice == Host::Confirmation::Abort) return;
  if (choice == Host::Confirmation::Disable) {
    clearDepartureTime(nav);
  } else {
    askDepartureTime(nav);
  }
  if (ctx.voyage().fileSpeed <= kLeastSpeed && ctx.settings().departure.valid()) askFileSpeed(nav);
  setPending(ctx, kRouteReload);
}

void arrivalTime(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  NavContext nav = ctx.nav();
  const Host::Confirmation choice =
      ctx.settings().arrival.valid() ? confirmChange(ctx, kConfirmArrival) : Host::Confirmation::Change;
  if (choice == Host::Confirmation::Abort) return;
  if (choice == Host::Confirmation::Disable) {
    clearArrivalTime(nav);
  } else {
    askArrivalTime(nav);
  }
  setPending(ctx, kRouteReload);
}

void interval(CommandContext& ctx) {
  NavContext nav = ctx.nav();
  intervalCalculator(nav);
}

void drPosition(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  NavContext nav = ctx.nav();
  drPositionCommand(nav);
}

void rounding(CommandContext& ctx) {
  askRounding(ctx.settings(), ctx.messages());
  setPending(ctx, kRouteReload);
}

}  // namespace z5::cmd
