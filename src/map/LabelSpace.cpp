#include "map/LabelSpace.h"

#include <algorithm>

namespace z5 {

bool LabelSpace::isFree(const TextBox& box) const {
  return std::none_of(taken_.begin(), taken_.end(), [&](const TextBox& t) { return t.meets(box); });
}

void UnclutteredSurface::textOut(int x, int y, std::string_view text) {
  const TextBox box{x, y, x + inner_.textWidth(text), y + inner_.textHeight(text)};
  if (optional_ && !space_.isFree(box)) {
    ++leftOut_;
    return;
  }
  space_.take(box);
  inner_.textOut(x, y, text);
}

}  // namespace z5
