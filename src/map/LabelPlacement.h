#pragma once
// Where a point's label goes: two pixels right of the point, or, when it
// would pass the right edge, right-aligned to the edge; its top at the
// point, or raised so that it stays inside the bottom edge.

#include <algorithm>

namespace z5 {

struct LabelPosition {
  int left = 0;
  int top = 0;
  friend bool operator==(const LabelPosition&, const LabelPosition&) = default;
};

inline constexpr int kLabelGap = 2;  // pixels between a point and its label

// (x, y) the point's pixel; the text's size and the drawing's size in pixels.
inline LabelPosition placeLabel(int x, int y, int textWidth, int textHeight, int width, int height) {
  const int left = x > width - textWidth - kLabelGap ? width - textWidth : x + kLabelGap;
  return {left, std::min(y, height - textHeight)};
}

}  // namespace z5
