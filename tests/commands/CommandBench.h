#pragma once
// The application with its command context on a scripted host and scripted
// windows: a home directory with the shipped string files, a route opened
// in an editor, and helpers to run a command and read its state.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "app/AppCommands.h"
#include "app/Z5App.h"
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

  std::function<void(SettingsSheet&)> onSheet;
  int sheetRuns = 0;
  int colourRuns = 0;
  bool colourOk = true;
  bool dialogShown = false;
  std::vector<std::string> inserted;
  std::vector<std::string> desktopOpened;
};

// Three waypoints across the Bay of Biscay.
inline constexpr const char* kBiscayRoute =
    "!DEPARTING Brest\nUshant\n48-28N\n5-05W\nFinisterre\n43-00N\n9-30W\nLisbon\n38-40N\n9-20W\n";

struct CommandBench : ::testing::Test {
  CommandBench() {
    for (const char* name : {"nav_err.dat", "nav_info.dat", "chart.dat", "readme.txt"}) {
      std::ifstream in(std::string(Z5_DATA_DIR) + "/" + name, std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      home.write(name, bytes.str());
    }
    store.writeText(kSettingsSection, "HOME_PATH", home.home());
    if (!app.startUp(home.path().string())) ADD_FAILURE() << app.messages().text();
  }

  // The route written to a file and opened in an editor, active.
  RouteDocument* openRoute(const std::string& text = kBiscayRoute, const std::string& name = "BISCAY.TXT") {
    return app.documents().openText(home.write(name, text));
  }
  void run(int id) {
    ASSERT_TRUE(runCommand(commands, id)) << id;
  }
  CommandState state(int id) { return commandStates(commands)[id]; }
  const std::string& said() { return app.messages().text(); }
  // Lines in the message window ("\r\n" starts each).
  int lines() {
    const std::string& text = said();
    int n = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++n;
    return n;
  }
  std::string prompt(int number) { return app.strings().prompt(number); }

  TempDir home;
  MemorySettingsStore store;
  ScriptedHost host;
  FixedClock clock;
  Z5App app{host, store, clock};
  ScriptedWindows windows;
  AppCommands commands{app, windows};
};

}  // namespace z5::test
