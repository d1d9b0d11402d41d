#pragma once
// What many commands share: the route guard, the waypoint listing after an
// extraction, the confirmation before a value that is set is edited, the
// toggle of a setting, and the pending work they leave for the idle pass.

#include "base/Host.h"
#include "base/StringTable.h"
#include "commands/CommandContext.h"

namespace z5::cmd {

// Prompt strings of the confirmations: what is set that the user may change
// (Change), clear (Disable) or keep (Abort).
inline constexpr int kConfirmGreatCircle = 284;
inline constexpr int kConfirmSpeed = 285;
inline constexpr int kConfirmDeparture = 286;
inline constexpr int kConfirmArrival = 287;
inline constexpr int kConfirmToWaypoint = 289;
inline constexpr int kConfirmCentreWaypoint = 290;
inline constexpr int kConfirmViewPoint = 291;

// The active route extracted unless it already is; false when it failed
// (the command then does nothing further).
bool routeGuard(CommandContext& ctx);
// The active route extracted again after a setting it reads changed.
bool extractAgain(CommandContext& ctx);
// The voyage's waypoints listed in the message window, when there are any.
void listWaypoints(CommandContext& ctx);

// The Change / Disable / Abort dialog with prompt string `promptNumber`.
Host::Confirmation confirmChange(CommandContext& ctx, PromptNumber<> promptNumber);

// flag := not flag, with "label: on/off" (prompt string `labelNumber`).
void toggleWithMessage(CommandContext& ctx, int& flag, PromptNumber<> labelNumber);

// Sets the pending work of `flags` (PendingFlag values combined).
void setPending(CommandContext& ctx, unsigned flags);

// Shows or hides the GPS dialog, refreshed when shown.
void showGpsDialog(CommandContext& ctx, bool show);
// The GPS dialog takes the reader's latest texts.
void refreshGpsDialog(CommandContext& ctx);

}  // namespace z5::cmd
