#include "commands/CommandHelpers.h"

#include "report/OutputSink.h"
#include "report/WaypointList.h"

namespace z5::cmd {

bool routeGuard(CommandContext& ctx) { return ctx.extractActiveRoute(false); }

bool extractAgain(CommandContext& ctx) { return ctx.extractActiveRoute(true); }

void listWaypoints(CommandContext& ctx) {
  if (ctx.voyage().empty()) return;
  OutputSink window(ctx.messages());
  writeWaypointList(ctx.report(), window);
}

Host::Confirmation confirmChange(CommandContext& ctx, PromptNumber<> promptNumber) {
  Messages& messages = ctx.messages();
  return messages.confirm(messages.strings().prompt(promptNumber));
}

void toggleWithMessage(CommandContext& ctx, int& flag, PromptNumber<> labelNumber) {
  Messages& messages = ctx.messages();
  messages.toggle(flag, messages.strings().prompt(labelNumber));
}

void setPending(CommandContext& ctx, unsigned flags) {
  PendingWork& pending = ctx.pending();
  if (flags & kMapReload) pending.mapReload = true;
  if (flags & kRouteReload) pending.routeReload = true;
  if (flags & kMapRedraw) {
    Lock hold(ctx.mapLock());
    ctx.mapView().redrawPending = true;
  }
}

void showGpsDialog(CommandContext& ctx, bool show) {
  GpsDialog& dialog = ctx.gpsDialog();
  dialog.setVisible(show);
  if (show) dialog.refresh(ctx.gps(), ctx.settings());
  ctx.gpsDialogChanged();
}

void refreshGpsDialog(CommandContext& ctx) {
  ctx.gpsDialog().refresh(ctx.gps(), ctx.settings());
  ctx.gpsDialogChanged();
}

}  // namespace z5::cmd
