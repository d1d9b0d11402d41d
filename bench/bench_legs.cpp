// The leg pass on a full table: 1000 waypoints joined by great-circle legs
// too short to divide, and 100 waypoints whose 50-degree great-circle legs
// the pass divides into about 1000 entries. Both end with the chart search
// in the shipped demonstration catalogue.

#include <cmath>

#include <benchmark/benchmark.h>

#include "base/Messages.h"
#include "base/SilentHost.h"
#include "nav/LegPass.h"

namespace {

using namespace z5;

Waypoint greatCirclePoint(double lat, double lon) {
  Waypoint w;
  w.latitude = lat;
  w.longitude = lon;
  w.greatCircle = 1;
  w.gcInterval = 5;
  w.speed = 12;
  return w;
}

// 1000 waypoints zigzagging 2 degrees of longitude from 25S to 25N.
Voyage shortLegs() {
  Voyage v;
  for (int i = 0; i < kMaxWaypoints; ++i) v.waypoints.push_back(greatCirclePoint(-25 + 0.05 * i, -30 + 2 * (i % 2)));
  return v;
}

// 100 waypoints 50 degrees of longitude apart, round the world, each leg
// divided at multiples of 5 degrees.
Voyage longLegs() {
  Voyage v;
  for (int i = 0; i < 100; ++i) {
    const double lon = std::remainder(-180.0 + 50.0 * i, 360.0);
    v.waypoints.push_back(greatCirclePoint(i % 2 ? 35 : 30, lon));
  }
  return v;
}

void runLegPass(benchmark::State& state, const Voyage& route) {
  SilentHost host;
  StringTable strings;
  Messages messages(host, strings);
  GreatCircleSettings greatCircle;
  ChartScaleLimits limits;
  MapExtent extent;
  RouteChartTable charts;
  Voyage voyage;
  LegPassContext pass(voyage, greatCircle, limits, extent, charts, messages);
  int entries = 0;
  for (auto _ : state) {
    state.PauseTiming();
    voyage = route;
    state.ResumeTiming();
    if (computeLegs(pass, Z5_DATA_DIR "/", 2.0, 0, 1) != 0) state.SkipWithError("leg pass failed");
    entries = voyage.count();
  }
  state.counters["entries"] = entries;
  state.counters["charts"] = charts.count();
}

void BM_LegPassWithoutInsertedPoints(benchmark::State& state) { runLegPass(state, shortLegs()); }
void BM_LegPassWithInsertedPoints(benchmark::State& state) { runLegPass(state, longLegs()); }

BENCHMARK(BM_LegPassWithoutInsertedPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LegPassWithInsertedPoints)->Unit(benchmark::kMillisecond);

}  // namespace
