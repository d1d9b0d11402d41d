// The Map menu's own commands (its layer switches are toggles of the table):
// the map window, its centre, view point and span, the user points and the
// colours.

#include "commands/CommandActions.h"
#include "commands/ToggleLabels.h"
#include "route/VoyageHeader.h"

namespace z5::cmd {
namespace {

// The centre waypoint of the active map, or without one the settings'.
bool centreWaypointSet(CommandContext& ctx) {
  const std::optional<int> ofMap = ctx.documents().activeMapCentreIndex;
  if (ofMap) return *ofMap != kNoIndex;
  Lock hold(ctx.mapLock());
  return ctx.mapView().centreIndex != kNoIndex;
}

bool viewPointMode(CommandContext& ctx) {
  Lock hold(ctx.mapLock());
  return ctx.mapView().viewPointMode;
}

// The active map takes the view settings and is drawn again.
void viewChanged(CommandContext& ctx) {
  ctx.storeViewInActiveMap();
  setPending(ctx, kMapReloadAndRedraw);
}

// Disable in the confirmation of a view setting: `edit` applied under the
// map lock, then the view changed.
template <class Edit>
void disableInView(CommandContext& ctx, Edit edit) {
  {
    Lock hold(ctx.mapLock());
    edit(ctx.mapView());
  }
  viewChanged(ctx);
}

}  // namespace

void map(CommandContext& ctx) { ctx.openMap(); }

void waypointPoint(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  if (centreWaypointSet(ctx)) {
    switch (confirmChange(ctx, kConfirmCentreWaypoint)) {
      case Host::Confirmation::Abort:
        return;
      case Host::Confirmation::Disable:
        disableInView(ctx, [](MapViewState& view) { view.centreIndex = kNoIndex; });
        return;
      case Host::Confirmation::Change:
        break;
    }
  }
  if (ctx.askCentreWaypoint()) viewChanged(ctx);
}

void viewPoint(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  if (viewPointMode(ctx)) {
    switch (confirmChange(ctx, kConfirmViewPoint)) {
      case Host::Confirmation::Abort:
        return;
      case Host::Confirmation::Disable:
        disableInView(ctx, [](MapViewState& view) { view.viewPointMode = false; });
        return;
      case Host::Confirmation::Change:
        break;
    }
  }
  if (ctx.askViewPoint()) ctx.storeViewInActiveMap();
  setPending(ctx, kMapReloadAndRedraw);
}

void degreeSpan(CommandContext& ctx) {
  if (!routeGuard(ctx)) return;
  if (ctx.askDegreeSpan()) ctx.storeViewInActiveMap();
  setPending(ctx, kMapReloadAndRedraw);
}

void userPointFile(CommandContext& ctx) {
  askUserPointFile(ctx.settings(), ctx.messages());
  setPending(ctx, kMapReloadAndRedraw);
}

void userPointPlot(CommandContext& ctx) {
  SettingsRecord& s = ctx.settings();
  if (s.FILE_PT == 0 && s.USER_POINT_FILE.empty()) {
    askUserPointFile(s, ctx.messages());
    if (s.USER_POINT_FILE.empty()) return;
  }
  toggleWithMessage(ctx, s.FILE_PT, kUserPointsLabel);
  setPending(ctx, kMapReloadAndRedraw);
}

void colourSettings(CommandContext& ctx) {
  if (ctx.runColourDialog()) setPending(ctx, kMapReloadAndRedraw);
}

}  // namespace z5::cmd
