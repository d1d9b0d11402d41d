#pragma once
// The menus and the map tool bar as lists of command identifiers, each item
// with its text. A command may stand in two menus under two texts (the
// Time/Speed and Suppress menus share two switches); its behaviour and
// state are its one row of the command table.

#include <span>
#include <string_view>

namespace z5 {

struct MenuItem {
  int id;
  std::string_view text;
};

struct Menu {
  std::string_view title;
  std::span<const MenuItem> items;
};

// The menus of the route editor and the map, in menu-bar order.
std::span<const Menu> menus();

// The map tool bar's command buttons in their order, with the text of their
// tip and status line.
std::span<const MenuItem> mapToolBar();

// The rows of the command table that stand in the window's File menu,
// after its own open and save commands.
std::span<const MenuItem> fileMenuItems();

}  // namespace z5
