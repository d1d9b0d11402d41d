#pragma once
// The application with its command context on a scripted host and scripted
// windows, and helpers to run a command and read its state.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "../app/DeskTesting.h"
#include "app/AppCommands.h"
#include "commands/CommandTable.h"
#include "commands/CommandWindows.h"
#include "commands/SettingsSheet.h"

namespace z5::test {

// The desktop's windows as the commands see them: each call recorded, the
// settings sheet worked by the test.
class ScriptedWindows final : public CommandWindows {
 public:
  void runSettingsSheet(SettingsSheet& sheet) override {
    ++sheetRuns;
    if (onSheet) onSheet(sheet);
  }
  bool runColourDialog(SettingsRecord&) override {
    ++colourRuns;
    return colourOk;
  }
  void gpsDialogChanged(const GpsDialog& dialog) override { dialogShown = dialog.visible(); }
  void insertAtCaret(std::string_view text) override { inserted.emplace_back(text); }
  bool openOnDesktop(const std::string& path) override {
    desktopOpened.push_back(path);
    return true;
  }
  std::optional<std::string> askOpenName(const std::string&, std::string_view pattern) override {
    openPatterns.emplace_back(pattern);
    return openAnswer;
  }
  void runFrameCommand(FrameCommand command, int index) override { frameCommands.emplace_back(command, index); }
  FrameConditions frameConditions() const override { return frame; }

  std::function<void(SettingsSheet&)> onSheet;
  int sheetRuns = 0;
  int colourRuns = 0;
  bool colourOk = true;
  bool dialogShown = false;
  std::vector<std::string> inserted;
  std::vector<std::string> desktopOpened;
  std::optional<std::string> openAnswer;  // the file the open dialog gives
  std::vector<std::string> openPatterns;
  std::vector<std::pair<FrameCommand, int>> frameCommands;
  FrameConditions frame;
};

// Three waypoints across the Bay of Biscay.
inline constexpr const char* kBiscayRoute =
    "!DEPARTING Brest\nUshant\n48-28N\n5-05W\nFinisterre\n43-00N\n9-30W\nLisbon\n38-40N\n9-20W\n";

// The desk of the document tests with the command context on top.
struct CommandBench : DeskTest {
  CommandBench() { home.write("readme.txt", "Read me.\n"); }

  // The table rows of the tests reach them from outside.
  using DeskTest::app;
  using DeskTest::host;
  using DeskTest::store;

  // The Biscay route (or `text`) written to a file and opened, active.
  RouteDocument* openBiscay(const std::string& text = kBiscayRoute, const std::string& name = "BISCAY.TXT") {
    return &openRoute(name, text);
  }
  void run(int id) { ASSERT_TRUE(runCommand(commands, id)) << id; }
  CommandState state(int id) { return commandStates(commands)[id]; }
  const std::string& said() { return app.messages().text(); }
  // Lines in the message window ("\r\n" starts each).
  int lines() {
    const std::string& text = said();
    int n = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++n;
    return n;
  }
  std::string prompt(PromptNumber<> number) { return app.strings().prompt(number); }

  ScriptedWindows commandWindows;
  AppCommands commands{app, commandWindows};
};

}  // namespace z5::test
