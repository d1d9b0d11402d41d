// The Suppress menu's own commands: the GC-waypoint switch, which holds
// "GC points get GC data" on while it is on, and the chart scale limits.

#include "charts/SetChartScaleLimits.h"
#include "commands/CommandActions.h"
#include "commands/ToggleLabels.h"

namespace z5::cmd {

// Leaving the GC points out of the output needs their GC data; the switch
// turns it on, remembering that the user had it off, and turns it off again
// when the points come back.
void noGcWaypoints(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  SettingsRecord& s = ctx.settings();
  toggleWithMessage(ctx, s.NO_CALC_GC_OUT, kNoGcWaypointsLabel);
  int& choice = ctx.gcPointsChoice();
  if (s.NO_CALC_GC_OUT == 1 && s.GC_PT_GCD == 0) {
    toggleWithMessage(ctx, s.GC_PT_GCD, kGcPointsLabel);
    choice = 0;
    extractAgain(ctx);
  } else if (s.NO_CALC_GC_OUT == 0 && s.GC_PT_GCD == 1 && choice == 0) {
    toggleWithMessage(ctx, s.GC_PT_GCD, kGcPointsLabel);
    extractAgain(ctx);
  }
  setPending(ctx, kRouteReload);
}

void chartScaleLimits(CommandContext& ctx) {
  SetChartScaleLimits(ctx.settings().chartScale, ctx.messages(),
                      [&ctx] { return extractAgain(ctx) ? 0 : kNoIndex; });
  setPending(ctx, kAllPending);
}

}  // namespace z5::cmd
