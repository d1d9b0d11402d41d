#include "commands/IdleWork.h"

#include <utility>

#include "commands/CommandHelpers.h"

namespace z5 {
namespace {

bool take(bool& flag) { return std::exchange(flag, false); }

}  // namespace

bool runIdleWork(CommandContext& ctx) {
  PendingWork& pending = ctx.pending();
  const bool mapReload = take(pending.mapReload);
  const bool routeReload = take(pending.routeReload);
  bool redraw = false;
  {
    Lock hold(ctx.mapLock());
    redraw = take(ctx.mapView().redrawPending);
  }
  if (mapReload) ctx.reloadMap();
  if (routeReload) ctx.reloadRoute();
  if (redraw && !mapReload) ctx.redrawMap();
  const bool gpsNews = ctx.gps().running() && ctx.gps().takeUpdate();
  if (gpsNews) cmd::refreshGpsDialog(ctx);
  return mapReload || routeReload || redraw || gpsNews;
}

}  // namespace z5
