// The Calc menu: extraction and outputs, intercepts, great-circle sailing,
// the to-waypoint calculator and the switches of the calculation.

#include "commands/CommandActions.h"
#include "commands/SettingPrompts.h"
#include "commands/ToggleLabels.h"
#include "nav/GreatCircleSetup.h"
#include "nav/Intercepts.h"
#include "nav/ToWaypoint.h"

namespace z5::cmd {

void extractRoute(CommandContext& ctx) {
  ctx.extractActiveRoute(false);
  listWaypoints(ctx);
}

void showDefaultOutput(CommandContext& ctx) { ctx.writeOutput(ctx.settings().OUTPUT_FORMAT); }

void latitudeIntercept(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  NavContext nav = ctx.nav();
  askLatitudeIntercept(nav);
}

void longitudeIntercept(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  NavContext nav = ctx.nav();
  askLongitudeIntercept(nav);
}

void greatCirclePoints(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  NavContext nav = ctx.nav();
  bool turnOff = false;
  if (ctx.settings().greatCircle.mode) {
    const Host::Confirmation choice = confirmChange(ctx, kConfirmGreatCircle);
    if (choice == Host::Confirmation::Abort) return;
    turnOff = choice == Host::Confirmation::Disable;
  }
  if (setUpGreatCircle(nav, turnOff)) extractAgain(ctx);
  setPending(ctx, kAllPending);
}

void geodeticLength(CommandContext& ctx) {
  toggleWithMessage(ctx, ctx.settings().LEN_LAT_LON, kGeodeticLabel);
  extractAgain(ctx);
  setPending(ctx, kRouteReload);
}

void gcPointsGetGcData(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  toggleWithMessage(ctx, ctx.settings().GC_PT_GCD, kGcPointsLabel);
  ctx.gcPointsChoice() = ctx.settings().GC_PT_GCD;
  extractAgain(ctx);
  setPending(ctx, kRouteReload);
}

void backwardsRouting(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  toggleWithMessage(ctx, ctx.settings().backwardsRouting, kBackwardsLabel);
  extractAgain(ctx);
  setPending(ctx, kAllPending);
}

void toWaypoint(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  NavContext nav = ctx.nav();
  if (ctx.voyage().toWaypoint.active()) {
    switch (confirmChange(ctx, kConfirmToWaypoint)) {
      case Host::Confirmation::Abort:
        return;
      case Host::Confirmation::Disable:
        z5::toWaypoint(nav, false, true, false);
        extractAgain(ctx);
        setPending(ctx, kAllPending);
        return;
      case Host::Confirmation::Change:
        break;
    }
  }
  if (toWaypointCommand(nav, [&ctx] { return extractAgain(ctx) ? 0 : kNoIndex; })) setPending(ctx, kAllPending);
}

void delimitingCharacter(CommandContext& ctx) { askSeparatorCharacter(ctx.settings(), ctx.messages()); }

void checkRoute(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  ctx.listRouteCheck();
}

void extraPrecision(CommandContext& ctx) {
  toggleWithMessage(ctx, ctx.settings().EXTRA_PRECISION, kExtraPrecisionLabel);
  setPending(ctx, kRouteReload);
}

}  // namespace z5::cmd
