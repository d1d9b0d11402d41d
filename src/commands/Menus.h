#pragma once
// The menus and the map tool bar as lists of command identifiers, each item
// with its text. A command may stand in two menus under two texts (the
// Time/Speed and Suppress menus share two switches); its behaviour and
// state are its one row of the command table.

#include <span>
#include <string>
#include <string_view>

namespace z5 {

struct MenuItem {
  int id;  // kSeparator: a line between groups
  std::string_view text;
};
inline constexpr int kSeparator = 0;

struct Menu {
  std::string_view title;
  std::span<const MenuItem> items;
};

// The menus of the route editor and the map, in menu-bar order.
std::span<const Menu> menus();

// The map tool bar's command buttons in their order, with the text of their
// tip and status line.
std::span<const MenuItem> mapToolBar();

// The main window's tool bar, in its order, separators included: the
// editing buttons, then the map's buttons, then help.
std::span<const MenuItem> mainToolBar();

// The editing buttons (new, save, cut, copy, paste), taken off the tool bar
// while a map is active (CommandStates::editingButtonsHidden).
bool isEditingButton(int id);

// The numbered entries of the recent-file and window lists: the only menu
// items a hidden state takes out of the menu (any other is greyed).
bool isNumberedEntry(int id);

// The text of entry `index` (from 0) of a numbered list of the File or
// Window menu: "&1 name".
std::string numberedEntryText(int index, std::string_view name);

}  // namespace z5
