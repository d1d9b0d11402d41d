#pragma once
// What only the desktop's windows can do for the commands: the modal
// settings sheet and colour dialog, the GPS dialog, the editor's caret, the
// desktop's own programs and the window's own commands (File, Edit, View,
// Window, Help). The documents' windows are DocumentWindows.

#include <optional>
#include <string>
#include <string_view>

#include "base/SettingsRecord.h"
#include "commands/FrameCommand.h"

namespace z5 {

class GpsDialog;
class SettingsSheet;

class CommandWindows {
 public:
  virtual ~CommandWindows() = default;

  // Runs the sheet modally; its buttons, boxes, OK and Apply call the model.
  virtual void runSettingsSheet(SettingsSheet& sheet) = 0;
  // The map colour dialog on the settings' palettes; true on OK.
  virtual bool runColourDialog(SettingsRecord& settings) = 0;
  // The dialog's texts, boxes or visibility changed: show them.
  virtual void gpsDialogChanged(const GpsDialog& dialog) = 0;
  // Replaces the selection of the active route editor by `text`, as typed.
  virtual void insertAtCaret(std::string_view text) = 0;
  // Opens a file with the desktop's own program for it; false when none.
  virtual bool openOnDesktop(const std::string& path) = 0;
  // The file the user chooses to open in `directory`, offered the files
  // matching `pattern` ("*.gpx"); nullopt when cancelled.
  virtual std::optional<std::string> askOpenName(const std::string& directory, std::string_view pattern) = 0;
  // Carries out one of the window's own commands; `index` chooses the
  // entry of the recent-file list or of the window list.
  virtual void runFrameCommand(FrameCommand command, int index) = 0;
  virtual FrameConditions frameConditions() const = 0;
};

}  // namespace z5
