#pragma once
// The real main window on a home directory and a profile of the test's
// own: the shipped data copied into a temporary directory that stands as
// the program's directory (so a first start makes it the home), and an INI
// profile file there. All window tests share the one QApplication.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <QAction>
#include <QCoreApplication>

#include "DialogTesting.h"
#include "FixedClock.h"
#include "TempDir.h"
#include "commands/CommandTable.h"
#include "ui/ActionTable.h"
#include "ui/Desktop.h"
#include "ui/DocumentArea.h"
#include "ui/EditorView.h"
#include "ui/QtSettingsStore.h"

namespace z5::test {

class DesktopTest : public ::testing::Test {
 public:
  DesktopTest() {
    widgetApplication();
    namespace fs = std::filesystem;
    // The world data are large and only read: linked, not copied.
    for (const auto& entry : fs::directory_iterator(Z5_DATA_DIR)) {
      const fs::path target = home.path() / entry.path().filename();
      if (entry.path().filename().string().rfind("wdb_", 0) == 0) {
        fs::create_symlink(entry.path(), target);
      } else {
        fs::copy_file(entry.path(), target);
      }
    }
    openProfile();
  }
  ~DesktopTest() override { desktop.reset(); }

  // The window started as `z5 [route]` would start it; false when the
  // start-up ended the program.
  bool start(std::optional<std::string> route = std::nullopt) {
    desktop = std::make_unique<Desktop>(*store, clock);
    const bool started = desktop->start({home.home(), std::move(route), /*splash=*/false});
    settle();
    return started;
  }
  // Exit as the user's closing the window does, and the profile file
  // written to disk.
  void exit() {
    desktop->shutDown();
    desktop.reset();
    openProfile();
  }
  void restart() {
    exit();
    ASSERT_TRUE(start());
  }

  // The events queued so far handled (idle work included).
  static void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  MainWindow& window() { return desktop->window(); }
  Z5App& app() { return desktop->app(); }
  DocumentArea& area() { return window().documentArea(); }
  EditorView* editor() { return area().activeEditor(); }
  // The menu item (or button) of command `id`.
  QAction* action(int id) { return window().actionTable().action(id); }
  // Command `id` chosen from its menu.
  void choose(int id) {
    QAction* item = action(id);
    ASSERT_NE(item, nullptr) << id;
    item->trigger();
    settle();
  }
  std::string profileText() const { return readFile(profileFile()); }
  std::string profileFile() const { return home.file("z5.ini"); }

  TempDir home;
  FixedClock clock;
  std::unique_ptr<QtSettingsStore> store;
  std::unique_ptr<Desktop> desktop;

 private:
  void openProfile() {
    store.reset();
    store = std::make_unique<QtSettingsStore>(profileFile());
  }
};

}  // namespace z5::test
