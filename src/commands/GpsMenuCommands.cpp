// The GPS menu: the monitor, its sampling and logging settings, the goto
// waypoint and the GPS dialog.

#include "commands/CommandActions.h"
#include "commands/ToggleLabels.h"

namespace z5::cmd {
namespace {

// A port or baud change while the monitor runs: it is stopped (the dialog
// hidden) around the question and started again, also after a cancel.
template <void (GpsMonitor::*Ask)()>
void withMonitorStopped(CommandContext& ctx) {
  const bool ran = ctx.gps().running();
  if (ran) gpsEnable(ctx);
  (ctx.gps().*Ask)();
  if (ran) gpsEnable(ctx);
}

}  // namespace

// An open route is brought up to date for the goto waypoint, but neither a
// route that does not extract nor the lack of one keeps the monitor from
// starting.
void gpsEnable(CommandContext& ctx) {
  if (ctx.documents().active != DocumentConditions::Kind::None) routeGuard(ctx);
  ctx.gps().toggle();
  showGpsDialog(ctx, ctx.gps().running());
}

void unitSmgCmg(CommandContext& ctx) {
  ctx.gps().toggleUnitSmgCmg();
  refreshGpsDialog(ctx);
}

void numberSamples(CommandContext& ctx) {
  ctx.gps().setNumberOfSamples();
  refreshGpsDialog(ctx);
}

void sampleInterval(CommandContext& ctx) {
  ctx.gps().setSampleInterval();
  refreshGpsDialog(ctx);
}

void viewLog(CommandContext& ctx) {
  ctx.gps().viewLog([&ctx](const std::string& path) { return ctx.openInEditor(path); },
                    [&ctx](const std::string& path) { return ctx.openOnDesktop(path); });
}

void gotoWaypoint(CommandContext& ctx) {
  ctx.gps().selectGotoWaypoint();
  refreshGpsDialog(ctx);
}

void logTrack(CommandContext& ctx) { ctx.gps().toggleLog(); }

void labelLogTrack(CommandContext& ctx) {
  ctx.gps().labelTrackCommand();
  setPending(ctx, kMapReloadAndRedraw);
}

void logInterval(CommandContext& ctx) {
  ctx.gps().setLogInterval();
  refreshGpsDialog(ctx);
}

void displayTrack(CommandContext& ctx) {
  ctx.gps().displayTrackCommand();
  setPending(ctx, kMapReloadAndRedraw);
}

void resetLog(CommandContext& ctx) { ctx.gps().resetLog(); }

void hideGpsDialog(CommandContext& ctx) { showGpsDialog(ctx, !ctx.gpsDialog().visible()); }

void gpsAtStartUp(CommandContext& ctx) { toggleWithMessage(ctx, ctx.settings().GPS_AT_START, kGpsAtStartLabel); }

void serialPort(CommandContext& ctx) { withMonitorStopped<&GpsMonitor::setPortPrompt>(ctx); }

void baudRate(CommandContext& ctx) { withMonitorStopped<&GpsMonitor::setBaudPrompt>(ctx); }

}  // namespace z5::cmd
