#pragma once
// The settings sheet without its window: six pages of check boxes, radio
// buttons, buttons and texts gathering the options of the menus. Buttons
// run the menu commands at once and show what they set; boxes, radios and
// the label texts wait for OK or Apply, which switches each option whose
// box differs from the setting at that moment with the option's own toggle
// (and its message). The sheet never writes the settings store.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/SettingsRecord.h"
#include "base/StringTable.h"
#include "commands/CommandContext.h"

namespace z5 {

// A switch shown by a check box, toggled as its menu command toggles it.
struct SheetOption {
  int SettingsRecord::*field;
  PromptNumber<> label;                    // prompt string of the plain toggle's message
  bool inverted = false;                   // the box shows 1 while the setting is 0
  void (*toggle)(CommandContext&) = nullptr;  // its own toggle (with couplings); null: the plain one
};

struct SheetCheck {
  int control;
  std::string_view text;
  int option;  // index into settingsSheetOptions()
};

struct SheetRadio {
  int control;
  std::string_view text;
  int format;  // OUTPUT_FORMAT
};

// A text the page shows; a label text the user edits is applied to `field`
// (within its settings key's lengths) and typed up to `typingLimit`.
struct SheetText {
  int control;
  std::string (*source)(CommandContext&);
  bool multiLine = false;
  std::string SettingsRecord::*field = nullptr;
  std::size_t typingLimit = 0;
};

// A button that runs a menu command, then shows the texts (and the command
// boxes) it names.
struct SheetButton {
  int control;
  std::string_view text;
  int command;
  std::array<int, 4> shows{};  // controls refreshed afterwards; 0 ends the list
};

// A box that shows a state and runs a command when clicked.
struct SheetCommandCheck {
  int control;
  int command;
  bool (*source)(CommandContext&);
};

struct SheetPage {
  std::string_view title;
  int resource;
  std::span<const SheetCheck> checks;  // in the order OK applies them
  std::span<const SheetRadio> radios;
  std::span<const SheetButton> buttons;
  std::span<const SheetText> texts;
  std::span<const SheetCommandCheck> commandChecks;
};

std::span<const SheetOption> settingsSheetOptions();
std::span<const SheetPage> settingsSheetPages();

inline constexpr int kSettingsSheetCaption = 109;  // string resource "Z5 Settings"

class SettingsSheet {
 public:
  enum Page { kCalc, kTime, kLabel, kSuppress, kMap, kGps, kPageCount };

  // Every box, radio and text taken from the current state.
  explicit SettingsSheet(CommandContext& ctx);

  // Check boxes, radio buttons and command boxes. Setting a box or a radio
  // marks its page modified when it differs; clicking a command box runs
  // its command.
  bool checked(Page page, int control) const;
  void setChecked(Page page, int control, bool checked);

  std::string text(Page page, int control) const;
  // Typing into a label text (cut to its typing limit).
  void setText(Page page, int control, std::string_view text);

  // A button: its command run, then its named texts and boxes shown.
  void press(Page page, int control);

  bool modified(Page page) const { return modified_[page]; }
  // OK or Apply: every page applied in order; then no page is modified.
  void apply();

 private:
  void applyPage(Page page);
  void runAndShow(Page page, int command);
  void toggle(int option);
  std::vector<int> optionValues() const;
  int optionValue(int option) const;
  // Boxes of options that changed from `before` follow the settings.
  void followChanges(const std::vector<int>& before);
  void refreshText(Page page, int control);
  void refreshResultTexts();
  const SheetText* findText(Page page, int control) const;

  CommandContext& ctx_;
  std::vector<int> boxes_;  // one per option, shared by every page that shows it
  int outputFormat_;
  std::array<std::vector<std::string>, kPageCount> texts_;  // in the order of each page's texts
  std::array<std::vector<int>, kPageCount> commandBoxes_;
  std::array<bool, kPageCount> modified_{};
};

}  // namespace z5
