#pragma once
// The editor's and the main window's own commands (File, Edit, View,
// Window and Help menus): the command table holds their rows, the window
// carries them out (CommandWindows::runFrameCommand) and tells what their
// states read (FrameConditions).

namespace z5 {

enum class FrameCommand {
  // File.
  New,
  Open,
  Close,
  Save,
  SaveAs,
  PageSetup,
  Print,
  PrintPreview,
  RecentFile,  // with the entry's index, from 0
  Exit,
  // Edit.
  Undo,
  Redo,
  Cut,
  Copy,
  Paste,
  Find,
  FindNext,
  Replace,
  GotoLine,
  WordWrap,
  TabStops,
  Font,
  PrinterFont,
  MirrorDisplayFont,
  // View.
  ToolBar,
  StatusBar,
  // Window.
  Cascade,
  Tile,
  NextWindow,
  Window,  // with the window's index in the window list, from 0
  // Help.
  HelpTopics,
  ContextHelp,
  About,
};

// What the window knows that the states of its commands read.
struct FrameConditions {
  bool canUndo = false;
  bool canRedo = false;
  bool hasSelection = false;  // in the active editor
  bool canPaste = false;      // an editor is active and the clipboard holds text
  bool wordWrap = false;
  bool printerFontSet = false;  // the active window's kind (editor or map) has its own printer font
  bool toolBarShown = true;
  bool statusBarShown = true;
  int recentFiles = 0;   // entries of the recent-file list
  int windows = 0;       // document windows open
  int activeWindow = -1;  // index of the active one in the window list
};

}  // namespace z5
