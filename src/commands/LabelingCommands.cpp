// The Labeling menu: the names the reports carry and the number of the
// first waypoint.

#include "commands/CommandActions.h"
#include "commands/SettingPrompts.h"
#include "route/VoyageHeader.h"

namespace z5::cmd {

void vesselName(CommandContext& ctx) {
  askVesselName(ctx.settings(), ctx.messages());
  setPending(ctx, kRouteReload);
}

void callSign(CommandContext& ctx) {
  askCallSign(ctx.settings(), ctx.messages());
  setPending(ctx, kRouteReload);
}

void remark(CommandContext& ctx) {
  askRemark(ctx.settings(), ctx.messages());
  setPending(ctx, kRouteReload);
}

void numberLabelStart(CommandContext& ctx) {
  askNumberLabelStart(ctx.settings(), ctx.messages());
  listWaypoints(ctx);
  setPending(ctx, kRouteReload);
}

}  // namespace z5::cmd
