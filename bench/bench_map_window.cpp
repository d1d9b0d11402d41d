// The map window at 1920 x 1080: a repaint (PaintMap into the back picture,
// swapped to the front and shown) of the sample route's whole voyage, of a
// 2-degree harbour approach (the Solent) and of the whole world; and a zoom
// key, from the key press to the new picture on show.
//
// The world data are the shipped ones, or those of the home folder named by
// Z5_WORLD_DATA (`make worlddata RES=f WORLD_OUT=DIR` builds the full
// resolution). Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says
// otherwise.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

#include <QApplication>
#include <QKeyEvent>

#include "app/MapWindow.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/Clock.h"
#include "base/SettingsStore.h"
#include "base/SilentHost.h"
#include "editor/DocumentWindows.h"
#include "editor/MapDocument.h"
#include "ui/MapView.h"

namespace {

using namespace z5;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct View {
  bool wholeVoyage;
  double latitude, longitude, span;
};
constexpr View kWholeVoyage{true, 0, 0, 0};
constexpr View kHarbour{false, 50.75, -1.3, 2};
constexpr View kWorld{false, 0, 0, 150};

std::string worldData() {
  const char* other = std::getenv("Z5_WORLD_DATA");
  return other && *other ? other : Z5_DATA_DIR;
}

QApplication& application() {
  static int argc = 1;
  static char name[] = "bench_map_window";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(argc, argv);
  return app;
}

// A home folder of its own (the map's placeholder file is written there)
// whose data files are those of the world data folder and the shipped ones.
std::string scratchHome() {
  static const std::string home = [] {
    const auto folder = std::filesystem::temp_directory_path() / ("z5_bench_window_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (const std::string& source : {std::string(Z5_DATA_DIR), worldData()}) {
      for (const auto& entry : std::filesystem::directory_iterator(source)) {
        const auto link = folder / entry.path().filename();
        std::filesystem::remove(link);
        std::filesystem::create_symlink(entry.path(), link);
      }
    }
    return folder.string() + "/";
  }();
  return home;
}

// The desktop's windows as far as the map needs them: a redraw goes to the view.
class ViewWindows final : public NoDocumentWindows {
 public:
  void renderMap(MapDocument&) override {
    if (view) view->render();
  }

  MapView* view = nullptr;
};

// The map window of the sample route, as the desktop shows it.
class MapDesk {
 public:
  explicit MapDesk(const View& view) : app_(host_, store_, clock_) {
    application();
    store_.writeText(kSettingsSection, "HOME_PATH", scratchHome());
    app_.startUp("/nowhere");
    app_.settings().GPS_DISPLAY_TRACK = 0;
    VoyageEngine(app_).extractRouteFile(scratchHome() + "README.TXT");
    if (!view.wholeVoyage) {
      MapViewState& state = app_.mapView();
      state.viewPointMode = true;
      state.viewLatitude = view.latitude;
      state.viewLongitude = view.longitude;
      state.degreeSpan = view.span;
    }
    app_.documents().attachWindows(windows_);
    map_ = &app_.documents().openMap(scratchHome() + "bench.bmp", scratchHome() + "README.TXT");
    app_.documents().setLiveMap(map_);
    window_ = std::make_unique<MapView>(app_, *map_);
    windows_.view = window_.get();
    window_->resize(kWidth, kHeight);
    window_->show();
    QApplication::processEvents();
  }
  ~MapDesk() {
    window_.reset();
    app_.documents().attachWindows(none_);
  }

  // A repaint: the map painted into the back picture, swapped and shown.
  void repaint() {
    window_->render();
    window_->viewport()->repaint();
  }

  // A zoom key pressed and its picture on show.
  bool zoomKey(Qt::Key key) {
    const qint64 before = window_->picture().cacheKey();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &press);
    for (int round = 0; round < 100 && window_->picture().cacheKey() == before; ++round) {
      QApplication::processEvents();
    }
    window_->viewport()->repaint();
    return window_->picture().cacheKey() != before;
  }

  bool painted() const { return window_->picture().size() == QSize(kWidth, kHeight); }

 private:
  SilentHost host_;
  MemorySettingsStore store_;
  SystemClock clock_;
  Z5App app_;
  ViewWindows windows_;
  NoDocumentWindows none_;
  MapDocument* map_ = nullptr;
  std::unique_ptr<MapView> window_;
};

void repaint(benchmark::State& state, const View& view) {
  MapDesk desk(view);
  desk.repaint();
  if (!desk.painted()) {
    state.SkipWithError("no map painted");
    return;
  }
  for (auto _ : state) desk.repaint();
}

void BM_RepaintWholeVoyage(benchmark::State& state) { repaint(state, kWholeVoyage); }
void BM_RepaintHarbour(benchmark::State& state) { repaint(state, kHarbour); }
void BM_RepaintWorld(benchmark::State& state) { repaint(state, kWorld); }
BENCHMARK(BM_RepaintWholeVoyage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintHarbour)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintWorld)->Unit(benchmark::kMillisecond);

// Page Down then Page Up on the harbour: 1 and 2 degrees high in turn.
void BM_ZoomKeyToPicture(benchmark::State& state) {
  MapDesk desk(kHarbour);
  desk.repaint();
  bool in = true;
  for (auto _ : state) {
    if (!desk.zoomKey(in ? Qt::Key_PageDown : Qt::Key_PageUp)) {
      state.SkipWithError("the zoom key gave no new picture");
      break;
    }
    in = !in;
  }
}
BENCHMARK(BM_ZoomKeyToPicture)->Unit(benchmark::kMillisecond);

}  // namespace
