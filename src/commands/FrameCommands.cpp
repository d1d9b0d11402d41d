// The frame's commands and the map tool bar: the message window, the
// readme, GPX import, the source file of a map or output, and zooming the map.

#include "commands/CommandActions.h"

namespace z5::cmd {

void hideMessageWindow(CommandContext& ctx) {
  Messages& messages = ctx.messages();
  if (messages.windowShown()) {
    messages.hide();
  } else {
    messages.show();
  }
}

void readme(CommandContext& ctx) { ctx.openReadme(); }

void importGpx(CommandContext& ctx) { ctx.importGpx(); }

void showSourceFile(CommandContext& ctx) { ctx.showSourceFile(); }

void zoomIn(CommandContext& ctx) { ctx.zoom(Zoom::In); }

void zoomOut(CommandContext& ctx) { ctx.zoom(Zoom::Out); }

}  // namespace z5::cmd
