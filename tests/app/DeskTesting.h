#pragma once
// The application as the desktop drives it, without windows: a home
// directory of its own (the shipped chart catalogue and string files), the
// scripted host, recording document windows whose map painting runs the
// real painter on a recording surface, and a clipboard of its own.

#include <string>

#include <gtest/gtest.h>

#include "FixedClock.h"
#include "RecordingSurface.h"
#include "RecordingWindows.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "app/AppContexts.h"
#include "app/Z5App.h"
#include "base/SettingsStore.h"
#include "map/PaintMap.h"

namespace z5::test {

class DeskTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;
  // Dover, Ushant, Finisterre.
  static constexpr const char* kRoute =
      "Dover\n51-06N\n001-20E\nUshant\n48-30N\n005-30W\nFinisterre\n43-00N\n009-30W\n";

  DeskTest() : app(host, store, clock) {
    for (const char* name : {"chart.dat", "nav_err.dat", "nav_info.dat"}) {
      home.write(name, readFile(std::string(Z5_DATA_DIR) + "/" + name));
    }
    store.writeText(kSettingsSection, "HOME_PATH", home.home());
    started = app.startUp("/nowhere");
    app.documents().attachWindows(windows);
    app.attachClipboard(clipboard);
    // The world data files are not in this home directory.
    SettingsRecord& s = app.settings();
    s.LAND = s.RIVERS = s.BOUNDARIES = s.PORTS = s.SEA = 0;
    windows.paint = [this](MapDocument&) { paint(); };
  }

  void SetUp() override { ASSERT_TRUE(started); }

  // What the map window does when asked to render: the painter on its picture.
  void paint() {
    RecordingSurface surface(kWidth, kHeight);
    MapPaintContext context = mapPaintContext(app);
    PaintMap(surface, context);
  }

  RouteDocument& openRoute(const std::string& name, const std::string& text = kRoute) {
    RouteDocument* document = app.documents().openText(home.write(name, text));
    EXPECT_NE(document, nullptr);
    return *document;
  }

  TempDir home;
  MemorySettingsStore store;
  ScriptedHost host;
  FixedClock clock;
  Z5App app;
  RecordingWindows windows;
  MemoryClipboard clipboard;
  bool started = false;
};

}  // namespace z5::test
