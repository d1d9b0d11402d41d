#pragma once
// The texts of the status bar's line and column panes.

#include <string>

#include "base/StringTable.h"

namespace z5 {

// Prompt strings of the two labels.
inline constexpr int kLinePaneLabel = 297;
inline constexpr int kColumnPaneLabel = 298;
// What the panes show while no editor is active; their widths are these texts'.
inline constexpr const char* kEmptyLinePane = "LINE:____________";
inline constexpr const char* kEmptyColumnPane = "COL:_______";

// "Line: 3 of 40": the caret's line and the text's count, both from 1.
std::string linePaneText(const StringTable& strings, int line, int lineCount);
// "Col: 5": the caret's column from 1.
std::string columnPaneText(const StringTable& strings, int column);

}  // namespace z5
