// The chart search over a 100,000-chart catalogue made by the catalogue
// tool ("chart_catalogue synthetic"), for the sample voyage and for a
// 1000-waypoint voyage across the Pacific.

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "base/Messages.h"
#include "base/SilentHost.h"
#include "charts/RouteCharts.h"
#include "geo/LegGeometry.h"
#include "nav/ComputeMapExtent.h"

namespace {

using namespace z5;

constexpr int kCatalogueCharts = 100000;

// The catalogue is made once, in the build directory.
const std::string& catalogueHome() {
  static const std::string home = [] {
    const std::filesystem::path dir = std::filesystem::path(Z5_BINARY_DIR) / "bench-charts";
    std::filesystem::create_directories(dir);
    const std::string command = std::string(Z5_BINARY_DIR) + "/chart_catalogue synthetic " +
                                std::to_string(kCatalogueCharts) + " " + (dir / "chart.dat").string();
    if (std::system(command.c_str()) != 0) return std::string();
    return dir.string() + "/";
  }();
  return home;
}

Voyage voyageThrough(const std::vector<std::pair<double, double>>& positions) {
  Voyage v;
  for (auto [lat, lon] : positions) {
    Waypoint w;
    w.latitude = lat;
    w.longitude = lon;
    v.waypoints.push_back(w);
  }
  return v;
}

void runSearch(benchmark::State& state, Voyage voyage) {
  if (catalogueHome().empty()) {
    state.SkipWithError("chart_catalogue synthetic failed");
    return;
  }
  const MapExtent extent = ComputeMapExtent(voyage, wholeVoyageRequest(2, 1024, 768));
  const LegGeometry geometry(extent.referenceMeridian);
  for (int i = 1; i < voyage.count(); ++i) {
    const Waypoint& a = voyage.waypoints[i - 1];
    Waypoint& b = voyage.waypoints[i];
    b.rhumbLineCourse = geometry.rhumbLine(a.latitude, a.longitude, b.latitude, b.longitude, false).course;
  }
  const std::vector<const Waypoint*> points = chartRoutePoints(voyage);
  ChartSearch search;
  search.lowerScale = 5000;
  search.upperScale = 9000000;
  search.box = {extent.westSeconds, extent.southSeconds, extent.eastSeconds, extent.northSeconds};
  search.route = &points;
  search.geometry = &geometry;
  SilentHost host;
  StringTable strings;
  Messages messages(host, strings);
  RouteChartTable table;
  int found = 0;
  for (auto _ : state) found = FindRouteCharts(search, catalogueHome(), table, messages);
  state.counters["result"] = found;
  state.SetBytesProcessed(state.iterations() * (40 + 64LL * kCatalogueCharts));
}

void BM_FindRouteChartsSampleVoyage(benchmark::State& state) {
  runSearch(state, voyageThrough({{49.92, -5.2}, {49.83, -6.58}, {40.5, -69}, {40.46, -73.83}}));
}

void BM_FindRouteCharts1000Waypoints(benchmark::State& state) {
  std::vector<std::pair<double, double>> positions;
  for (int i = 0; i < 1000; ++i) {
    positions.emplace_back(35 + 10 * std::sin(i * 0.01), std::remainder(140.0 + 0.1 * i, 360.0));
  }
  runSearch(state, voyageThrough(positions));
}

BENCHMARK(BM_FindRouteChartsSampleVoyage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindRouteCharts1000Waypoints)->Unit(benchmark::kMillisecond);

}  // namespace
