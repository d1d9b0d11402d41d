#pragma once
// Where the main window and its document windows stand, as the profile
// keeps them: the main window's placement "WindowPos" and the document
// windows' show state "ShowCmd", both in the section "Settings".

#include <optional>
#include <string>
#include <string_view>

namespace z5 {

inline constexpr const char* kWindowSettingsSection = "Settings";
inline constexpr const char* kWindowPosKey = "WindowPos";
inline constexpr const char* kShowCmdKey = "ShowCmd";

// Show commands of the placement and of the document windows.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimised = 2;
inline constexpr int kShowMaximised = 3;
// The placement flag of a window that was maximised when it was minimised.
inline constexpr unsigned kRestoreToMaximised = 2;

struct WindowPlacement {
  unsigned flags = 0;
  unsigned showCommand = kShowNormal;
  int minimisedX = -1, minimisedY = -1;
  int maximisedX = -1, maximisedY = -1;
  int left = 0, top = 0, right = 0, bottom = 0;  // the normal (restored) rectangle
  bool operator==(const WindowPlacement&) const = default;
};

// The profile text "flags,show,minX,minY,maxX,maxY,left,top,right,bottom"
// read back: all ten numbers, nothing else, and a rectangle of some size;
// nullopt for anything else (the default placement is then used).
std::optional<WindowPlacement> parseWindowPlacement(std::string_view text);
std::string formatWindowPlacement(const WindowPlacement& placement);

// The placement stored at close: the normal rectangle, the show command,
// and the restore-to-maximised flag (alone) when the window is maximised.
WindowPlacement closingPlacement(int left, int top, int right, int bottom, bool maximised);

// The document windows' stored show state: maximised or restored; any
// other stored value reads as restored.
int documentShowState(std::optional<int> stored);

}  // namespace z5
