// Painting whole maps at 1024 x 768: the whole world and a 2-degree harbour
// approach (the Solent), from the shipped world data or from the home
// folder named by Z5_WORLD_DATA.
//
// In-process: PaintMap on a QImage through the Qt surface, every layer on.
// Whole-process: `z5 --map` against `gmt coast` drawing the same region at
// the same GSHHG resolution (Z5_GMT_RESOLUTION, default "i", the shipped
// data's) to a PNG of the same width, in the same run. gmt is optional: its
// benchmarks are skipped when it is not installed (`make worlddata` installs it).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "base/SilentHost.h"
#include "base/StringTable.h"
#include "map/PaintMap.h"
#include "nav/ComputeMapExtent.h"
#include "ui/QtSurface.h"

namespace {

using namespace z5;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct View {
  double latitude, longitude, span;
};
constexpr View kWorld{0, 0, 150};
constexpr View kHarbour{50.75, -1.3, 2};

std::string homeFolder() {
  const char* other = std::getenv("Z5_WORLD_DATA");
  return std::string(other && *other ? other : Z5_DATA_DIR) + "/";
}

std::string gmtResolution() {
  const char* res = std::getenv("Z5_GMT_RESOLUTION");
  return res && *res ? res : "i";
}

QGuiApplication& guiApplication() {
  static int argc = 1;
  static char name[] = "bench_map";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication application(argc, argv);
  return application;
}

MapViewState viewState(const View& v) {
  MapViewState state;
  state.viewPointMode = true;
  state.viewLatitude = v.latitude;
  state.viewLongitude = v.longitude;
  state.degreeSpan = v.span;
  return state;
}

void paintInProcess(benchmark::State& state, const View& v) {
  guiApplication();
  SilentHost host;
  StringTable strings;
  Messages messages(host, strings);
  SettingsRecord settings;
  settings.HOME_PATH = homeFolder();
  settings.GPS_DISPLAY_TRACK = 0;
  Voyage voyage;
  MapViewState view = viewState(v);
  RouteChartTable charts;
  MapFonts fonts;
  MapExtent extent;
  MapPaintContext context(settings, voyage, view, charts, fonts, messages, extent);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    QtSurface surface(painter, kWidth, kHeight, false);
    benchmark::DoNotOptimize(PaintMap(surface, context));
  }
}

void BM_PaintWorld(benchmark::State& state) { paintInProcess(state, kWorld); }
void BM_PaintHarbour(benchmark::State& state) { paintInProcess(state, kHarbour); }
BENCHMARK(BM_PaintWorld)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintHarbour)->Unit(benchmark::kMillisecond);

std::filesystem::path scratchFolder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / ("z5_bench_map_" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

bool run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

#ifdef Z5_PROGRAM
void z5WholeProcess(benchmark::State& state, const View& v) {
  const std::string png = (scratchFolder() / "z5.png").string();
  const std::string command = std::string(Z5_PROGRAM) + " --home " + homeFolder() + " --settings " +
                              (scratchFolder() / "z5.ini").string() + " --set GPS_DISPLAY_TRACK=0 --map " + png +
                              " --center " + std::to_string(v.latitude) + "," + std::to_string(v.longitude) +
                              " --span " + std::to_string(v.span) + " " Z5_DATA_DIR "/README.TXT";
  for (auto _ : state) {
    if (!run(command)) {
      state.SkipWithError("z5 --map failed");
      break;
    }
  }
}
void BM_ProcessZ5World(benchmark::State& state) { z5WholeProcess(state, kWorld); }
void BM_ProcessZ5Harbour(benchmark::State& state) { z5WholeProcess(state, kHarbour); }
BENCHMARK(BM_ProcessZ5World)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ProcessZ5Harbour)->Unit(benchmark::kMillisecond)->Iterations(5);
#endif

// gmt draws the region of the map z5 draws for the same view, coastlines
// and rivers and borders as z5 draws them by default (land only), 1024
// pixels wide.
void gmtWholeProcess(benchmark::State& state, const View& v) {
  if (!run("command -v gmt")) {
    state.SkipWithError("gmt is not installed");
    return;
  }
  MapExtentRequest request;
  request.viewPoint = true;
  request.viewLatitude = v.latitude;
  request.viewLongitude = v.longitude;
  request.degreeSpan = v.span;
  request.width = kWidth;
  request.height = kHeight;
  const MapExtent e = ComputeMapExtent(Voyage{}, request);
  const std::string region = std::to_string(e.referenceMeridian + e.west) + "/" +
                             std::to_string(e.referenceMeridian + e.east) + "/" + std::to_string(e.south) + "/" +
                             std::to_string(e.north);
  const std::string folder = scratchFolder().string();
  const std::string command = "cd " + folder + " && gmt begin gmtmap png E100 && gmt coast -R" + region +
                              " -JM10.24i -W0.25p,green -D" + gmtResolution() + " -A0 && gmt end";
  for (auto _ : state) {
    if (!run(command)) {
      state.SkipWithError("gmt coast failed");
      break;
    }
  }
}
void BM_ProcessGmtWorld(benchmark::State& state) { gmtWholeProcess(state, kWorld); }
void BM_ProcessGmtHarbour(benchmark::State& state) { gmtWholeProcess(state, kHarbour); }
BENCHMARK(BM_ProcessGmtWorld)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ProcessGmtHarbour)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
