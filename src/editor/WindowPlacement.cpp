#include "editor/WindowPlacement.h"

#include <array>
#include <charconv>

namespace z5 {
namespace {

constexpr std::size_t kPlacementNumbers = 10;

// One number of the list: optional "-", digits; false for anything else.
template <class T>
bool readNumber(std::string_view field, T& value) {
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size() && !field.empty();
}

}  // namespace

std::optional<WindowPlacement> parseWindowPlacement(std::string_view text) {
  std::array<std::string_view, kPlacementNumbers> fields;
  std::size_t count = 0;
  std::size_t start = 0;
  for (std::size_t comma = text.find(','); comma != std::string_view::npos; comma = text.find(',', start)) {
    if (count + 1 == kPlacementNumbers) return std::nullopt;  // more than ten
    fields[count++] = text.substr(start, comma - start);
    start = comma + 1;
  }
  fields[count++] = text.substr(start);
  if (count != kPlacementNumbers) return std::nullopt;
  WindowPlacement p;
  const bool read = readNumber(fields[0], p.flags) && readNumber(fields[1], p.showCommand) &&
                    readNumber(fields[2], p.minimisedX) && readNumber(fields[3], p.minimisedY) &&
                    readNumber(fields[4], p.maximisedX) && readNumber(fields[5], p.maximisedY) &&
                    readNumber(fields[6], p.left) && readNumber(fields[7], p.top) && readNumber(fields[8], p.right) &&
                    readNumber(fields[9], p.bottom);
  if (!read || p.right <= p.left || p.bottom <= p.top) return std::nullopt;
  return p;
}

std::string formatWindowPlacement(const WindowPlacement& p) {
  std::string text;
  const auto add = [&text](long long value) {
    if (!text.empty()) text += ',';
    text += std::to_string(value);
  };
  add(p.flags);
  add(p.showCommand);
  add(p.minimisedX);
  add(p.minimisedY);
  add(p.maximisedX);
  add(p.maximisedY);
  add(p.left);
  add(p.top);
  add(p.right);
  add(p.bottom);
  return text;
}

WindowPlacement closingPlacement(int left, int top, int right, int bottom, bool maximised) {
  WindowPlacement p;
  p.flags = maximised ? kRestoreToMaximised : 0;
  p.showCommand = maximised ? kShowMaximised : kShowNormal;
  p.left = left;
  p.top = top;
  p.right = right;
  p.bottom = bottom;
  return p;
}

int documentShowState(std::optional<int> stored) {
  return stored == kShowMaximised ? kShowMaximised : kShowNormal;
}

}  // namespace z5
