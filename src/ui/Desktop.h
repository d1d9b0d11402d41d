#pragma once
// The desktop program: the main window and the application behind it,
// from start-up to exit.
//
// Start-up shows the window where the profile placed it, with the splash
// over it; establishes the home directory (asking for the data path when
// the stored one holds no chart catalogue), the settings and the string
// files; opens the route named on the command line, then `DATA_FILE` (or
// the readme) and extracts it, listing its waypoints and selecting the line
// of its last error; and starts the GPS monitor when it is to run from the
// start. Exit writes the settings and the window's profile back unless the
// no-save flag is set.

#include <optional>
#include <string>

#include "app/Z5App.h"
#include "ui/MainWindow.h"

namespace z5 {

class Clock;
class SettingsStore;

struct DesktopStart {
  std::string programDirectory;
  std::optional<std::string> route;  // ROUTE of the command line
  bool splash = true;
};

class Desktop {
 public:
  Desktop(SettingsStore& store, const Clock& clock);
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;
  ~Desktop();

  // False when the program cannot go on: the reason was shown in a pop-up,
  // which has closed itself by now.
  bool start(const DesktopStart& start);
  // The GPS monitor stopped, the settings and the profile written back
  // unless no-save (or the start-up failed), the documents closed.
  void shutDown();

  MainWindow& window() { return window_; }
  Z5App& app() { return app_; }

 private:
  bool openCommandLineRoute(const std::string& route);
  bool openStartDocument();
  void waitForPopups();

  SettingsStore& store_;
  MainWindow window_;  // before the application: its host is the window's
  Z5App app_;
  bool started_ = false;
  bool shutDown_ = false;
};

// The whole desktop run, from start-up to the end of the event loop; the
// program's exit status.
int runDesktop(SettingsStore& store, const Clock& clock, const DesktopStart& start);

}  // namespace z5
