#include "editor/CaretPanes.h"

#include <fmt/printf.h>

namespace z5 {

std::string linePaneText(const StringTable& strings, int line, int lineCount) {
  return fmt::sprintf("%s: %d of %d", strings.prompt(kLinePaneLabel), line, lineCount);
}

std::string columnPaneText(const StringTable& strings, int column) {
  return fmt::sprintf("%s: %d", strings.prompt(kColumnPaneLabel), column);
}

}  // namespace z5
