#pragma once
// The idle pass: the work commands left pending and the GPS reader's news.
// The window runs it whenever its event queue is empty after a command or a
// wake-up from the reader.

#include "commands/CommandContext.h"

namespace z5 {

// In this order: a pending map reload reopens the open map (which also
// redraws it), a pending route reload writes the active route's output
// again, a pending redraw paints the map, and fixes the reader took since
// the last pass refresh the GPS dialog. Each flag is cleared as it is
// consumed. Returns true when something was done.
bool runIdleWork(CommandContext& ctx);

}  // namespace z5
