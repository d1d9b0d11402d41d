// The normal report of routes of 10, 100 and 1000 waypoints: extraction
// (route text, leg pass, chart search) and report in-process, the report
// alone, and the whole headless run `z5 --output --stdout` as a process.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>
#include <fmt/printf.h>

#include "app/AppContexts.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/Clock.h"
#include "base/SettingsStore.h"
#include "base/SilentHost.h"
#include "report/OutputSink.h"
#include "report/ReportContext.h"
#include "report/VoyageReport.h"

namespace {

using namespace z5;

// A coastal route zigzagging down the Atlantic coast: rhumb-line legs of
// about 25 NM, a speed change every 10 waypoints, a stop every 25, and the
// zone description changing on the way.
std::string routeText(int waypoints) {
  std::string text = "!VESSEL Bench Trader\n!CALL BNCH1\n!DEPARTING Brest\n!ARRIVING Dakar\n!ZD 0\n";
  for (int i = 0; i < waypoints; ++i) {
    const double lat = 48.0 - 0.02 * i;
    const double lon = -(5.0 + 0.4 * (i % 2) + 0.001 * i);
    text += fmt::sprintf("WP %d\n%.4f\n%.4fW\n", i + 1, lat, -lon);
    if (i % 10 == 0) text += fmt::sprintf("!SPEED %d\n", 10 + i % 7);
    if (i % 25 == 24) text += "!STOP 2\n";
    if (i == waypoints / 2) text += "!ZD +1\n";
  }
  return text;
}

class BenchApp {
 public:
  BenchApp() : app_(host_, store_, clock_) {
    store_.writeText(kSettingsSection, "HOME_PATH", Z5_DATA_DIR "/");
    if (!app_.startUp("/nowhere")) std::abort();
    app_.settings().departure = {2002, 3, 15, 12, 0};
  }
  Z5App& app() { return app_; }

 private:
  SilentHost host_;
  MemorySettingsStore store_;
  SystemClock clock_;
  Z5App app_;
};

std::size_t writeReport(Z5App& app) {
  std::ostringstream text;
  OutputSink sink(text);
  if (writeVoyageReport(reportContext(app), sink, kNormalOutput) != ReportResult::Written) return 0;
  return text.str().size();
}

void BM_ExtractAndWriteNormalReport(benchmark::State& state) {
  const std::string route = routeText(static_cast<int>(state.range(0)));
  BenchApp bench;
  std::size_t bytes = 0;
  for (auto _ : state) {
    if (VoyageEngine(bench.app()).extractRoute(route, "bench.txt") != kVoyageBuilt) state.SkipWithError("extraction");
    bytes = writeReport(bench.app());
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_WriteNormalReportOnly(benchmark::State& state) {
  BenchApp bench;
  if (VoyageEngine(bench.app()).extractRoute(routeText(static_cast<int>(state.range(0))), "bench.txt") !=
      kVoyageBuilt) {
    state.SkipWithError("extraction");
  }
  for (auto _ : state) benchmark::DoNotOptimize(writeReport(bench.app()));
}

#ifdef Z5_PROGRAM
void BM_WholeHeadlessRun(benchmark::State& state) {
  char dir[] = "/tmp/z5bench-XXXXXX";
  if (mkdtemp(dir) == nullptr) {
    state.SkipWithError("no temporary directory");
    return;
  }
  const std::string path = std::string(dir) + "/bench.txt";
  std::ofstream(path) << routeText(static_cast<int>(state.range(0)));
  const std::string command = std::string(Z5_PROGRAM) + " --home " Z5_DATA_DIR " --settings " + dir +
                              "/z5.ini --set DEPARTURE=150320021200 --output --stdout " + path + " >/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("z5 failed");
  }
  std::remove(path.c_str());
  std::remove((std::string(dir) + "/z5.ini").c_str());
  rmdir(dir);
}
BENCHMARK(BM_WholeHeadlessRun)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

BENCHMARK(BM_ExtractAndWriteNormalReport)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteNormalReportOnly)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
