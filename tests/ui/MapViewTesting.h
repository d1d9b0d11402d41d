#pragma once
// The map window without the main window: the application over a home
// directory of its own (the shipped data linked into it), document windows
// that show a map document in a MapView of a given size and send the
// redraws to it, and answering the next modal dialog as a user would.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "WidgetApplication.h"
#include "app/Z5App.h"
#include "base/SettingsStore.h"
#include "editor/Clipboard.h"
#include "editor/DocumentWindows.h"
#include "editor/MapDocument.h"
#include "editor/RouteDocument.h"
#include "app/MapWindow.h"
#include "ui/MapView.h"

namespace z5::test {

// Calls `answer` with the modal dialog once it is open; the call that opens
// it follows this one. Gives up after about five seconds.
inline void answerModal(std::function<void(QWidget&)> answer, int triesLeft = 500) {
  QTimer::singleShot(10, [answer = std::move(answer), triesLeft]() mutable {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      answer(*modal);
    } else if (triesLeft > 0) {
      answerModal(std::move(answer), triesLeft - 1);
    }
  });
}

// Map documents shown in MapViews of `size`; text changes counted.
class MapViewWindows final : public NoDocumentWindows {
 public:
  void opened(Document& document) override {
    if (document.kind() != DocumentKind::Map) return;
    view = std::make_unique<MapView>(*app, static_cast<MapDocument&>(document));
    view->resize(size);
    view->show();
  }
  void closing(Document& document) override {
    if (view && &view->document() == &document) view.reset();
  }
  void textChanged(RouteDocument&) override { ++textChanges; }
  void renderMap(MapDocument&) override {
    if (view) view->render();
  }

  Z5App* app = nullptr;
  QSize size{1024, 768};
  std::unique_ptr<MapView> view;
  int textChanges = 0;
};

// The application, its home and its map windows; `started` says whether
// the application started.
class MapDesk {
 public:
  MapDesk() : app(host, store, clock) {
    widgetApplication();
    for (const auto& entry : std::filesystem::directory_iterator(Z5_DATA_DIR)) {
      std::filesystem::create_symlink(entry.path(), home.path() / entry.path().filename());
    }
    store.writeText(kSettingsSection, "HOME_PATH", home.home());
    started = app.startUp("/nowhere");
    windows.app = &app;
    app.documents().attachWindows(windows);
    app.attachClipboard(clipboard);
  }
  ~MapDesk() { app.documents().attachWindows(none); }
  MapDesk(const MapDesk&) = delete;
  MapDesk& operator=(const MapDesk&) = delete;

  // The route opened in the editor, then "&Map" on it.
  MapView* openMap(const std::string& route) {
    RouteDocument* document = app.documents().openText(home.file(route));
    if (document == nullptr || MapWindow(app).open() == nullptr) return nullptr;
    return windows.view.get();
  }

  TempDir home;
  MemorySettingsStore store;
  ScriptedHost host;
  FixedClock clock;
  Z5App app;
  MapViewWindows windows;
  NoDocumentWindows none;
  MemoryClipboard clipboard;
  bool started = false;
};

}  // namespace z5::test
