#pragma once
// The command table: every command of the menus and of the map tool bar,
// with whether it empties the message window first, its action and the rule
// of its state. The window builds its actions from this table and the menu
// lists (Menus.h), runs them through runCommand and asks commandStates for
// every enabled, checked and hidden mark; nothing else decides them.

#include <span>
#include <vector>

#include "base/SettingsRecord.h"
#include "commands/CommandContext.h"
#include "commands/DocumentConditions.h"
#include "commands/FrameCommand.h"
#include "map/MapViewState.h"
#include "route/Voyage.h"

namespace z5 {

struct CommandState {
  bool enabled = true;
  bool checked = false;
  bool hidden = false;  // tool-bar buttons that do not apply are not shown
  bool operator==(const CommandState&) const = default;
};

// What the state rules read, taken at one moment.
struct CommandConditions {
  const SettingsRecord& settings;
  const Voyage& voyage;
  MapViewState mapView;  // a copy taken under the map lock
  DocumentConditions documents;
  bool gpsRunning = false;
  bool gpsDialogVisible = false;
  bool gotoWaypointSet = false;
  bool messageWindowHidden = false;
  FrameConditions frame;  // the window's own commands
};

using CommandAction = void (*)(CommandContext&);
using StateRule = CommandState (*)(const CommandConditions&);

enum class Prologue {
  ClearMessages,  // the message window is emptied before the action
  KeepMessages,
};

struct Command {
  int id;
  Prologue prologue;
  CommandAction action;
  StateRule state;
};

// Every command, each identifier once.
std::span<const Command> commandTable();
// The row of `id`; null for an identifier that is not a command.
const Command* findCommand(int id);

// Runs command `id`: the message window emptied unless the command keeps
// it, then its action. False, running nothing, for an identifier that is
// not a command or a command that is not enabled now (a key pressed before
// the menus caught up with the state).
bool runCommand(CommandContext& ctx, int id);

// The states of every command at this moment.
class CommandStates {
 public:
  explicit CommandStates(std::vector<CommandState> states, bool editingHidden)
      : states_(std::move(states)), editingButtonsHidden_(editingHidden) {}
  // The state of command `id`; a disabled state for an unknown identifier.
  CommandState operator[](int id) const;
  // The editor's own buttons (new, save, cut, copy, paste) are not shown
  // while a map is active.
  bool editingButtonsHidden() const { return editingButtonsHidden_; }

 private:
  std::vector<CommandState> states_;  // in the order of commandTable()
  bool editingButtonsHidden_;
};

CommandConditions commandConditions(CommandContext& ctx);
CommandStates commandStates(const CommandConditions& conditions);
inline CommandStates commandStates(CommandContext& ctx) { return commandStates(commandConditions(ctx)); }

}  // namespace z5
