// The Settings menu: the settings sheet, the two reloads and the no-save
// switch.

#include "commands/CommandActions.h"
#include "commands/SettingsSheet.h"
#include "commands/ToggleLabels.h"

namespace z5::cmd {
namespace {

// A reload replaces the settings: the route is extracted with them and every
// window follows.
void reload(CommandContext& ctx, SettingsMode mode) {
  ctx.reloadSettings(mode);
  ctx.gcPointsChoice() = kNoRememberedChoice;
  extractAgain(ctx);
  listWaypoints(ctx);
  setPending(ctx, kAllPending);
}

}  // namespace

void settingsSheet(CommandContext& ctx) {
  SettingsSheet sheet(ctx);
  ctx.runSettingsSheet(sheet);
}

void defaultSettings(CommandContext& ctx) { reload(ctx, SettingsMode::Defaults); }

void restartSettings(CommandContext& ctx) { reload(ctx, SettingsMode::Stored); }

void noSaveOnExit(CommandContext& ctx) { toggleWithMessage(ctx, ctx.settings().noSave, kNoSaveLabel); }

}  // namespace z5::cmd
