// The route check: building the land index of the shipped world data (data/,
// or the home folder named by Z5_WORLD_DATA), and checking a coastal voyage
// from the Lizard round Spain to Malta against it: its 10 waypoints, and the
// same legs divided into 1000 waypoints, with and without a clearance.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/StringTable.h"
#include "geo/EarthModel.h"
#include "route/Voyage.h"
#include "world/LandCheck.h"
#include "world/LandIndex.h"

namespace {

using namespace z5;

std::string home() {
  const char* dir = std::getenv("Z5_WORLD_DATA");
  return dir ? std::string(dir) + "/" : std::string(Z5_DATA_DIR) + "/";
}

// Turning points off the headlands, degrees.
struct Turn {
  double lat, lon;
};
constexpr Turn kCoastalVoyage[] = {
    {49.80, -5.20},  // off the Lizard
    {48.33, -5.42},  // off Ushant
    {42.83, -9.67},  // off Finisterre
    {38.75, -9.83},  // off Cabo da Roca
    {36.92, -9.25},  // off Cape St Vincent
    {35.93, -5.75},  // Strait of Gibraltar, west
    {36.00, -5.25},  // Strait of Gibraltar, east
    {36.58, -2.00},  // off Cabo de Gata
    {37.92, 7.00},   // north of Cap de Fer
    {37.33, 11.17},  // off Cap Bon
    {35.83, 14.17},  // off Malta
};

Waypoint waypoint(double lat, double lon) {
  Waypoint w;
  w.latitude = lat;
  w.longitude = lon;
  return w;
}

// `count` waypoints along the voyage's rhumb lines (straight in longitude
// and meridional parts), each leg divided in proportion to its length.
Voyage coastalVoyage(int count) {
  Voyage voyage;
  const int turns = static_cast<int>(std::size(kCoastalVoyage));
  if (count <= turns) {
    for (int i = 0; i < count; ++i) voyage.waypoints.push_back(waypoint(kCoastalVoyage[i].lat, kCoastalVoyage[i].lon));
    return voyage;
  }
  const int perLeg = (count - 1) / (turns - 1);
  for (int leg = 0; leg + 1 < turns; ++leg) {
    const Turn a = kCoastalVoyage[leg], b = kCoastalVoyage[leg + 1];
    const double pa = meridionalParts(a.lat), pb = meridionalParts(b.lat);
    const int steps = leg + 2 == turns ? count - 1 - perLeg * (turns - 2) : perLeg;
    for (int s = 0; s < steps; ++s) {
      const double t = static_cast<double>(s) / steps;
      voyage.waypoints.push_back(waypoint(latitudeAtMeridionalParts(pa + t * (pb - pa), 1e-6), a.lon + t * (b.lon - a.lon)));
    }
  }
  voyage.waypoints.push_back(waypoint(kCoastalVoyage[turns - 1].lat, kCoastalVoyage[turns - 1].lon));
  return voyage;
}

const LandIndex& shippedIndex() {
  static const LandIndexLoad load = loadLandIndex(home(), StringTable());
  return *load.index;
}

void BM_BuildLandIndex(benchmark::State& state) {
  const StringTable strings;
  std::size_t edges = 0;
  for (auto _ : state) {
    const LandIndexLoad load = loadLandIndex(home(), strings);
    if (!load.index) {
      state.SkipWithError(("no world data in " + home()).c_str());
      return;
    }
    edges = load.index->edgeCount();
  }
  state.counters["edges"] = static_cast<double>(edges);
}

void checkVoyage(benchmark::State& state, int waypoints, int clearance) {
  const LandIndex& land = shippedIndex();
  const Voyage voyage = coastalVoyage(waypoints);
  LandCheckOptions options;
  options.referenceMeridian = voyage.waypoints[voyage.waypoints.size() / 2].longitude;
  options.clearanceMiles = clearance;
  std::size_t findings = 0;
  for (auto _ : state) {
    const LandCheckResult result = checkLegsAgainstLand(land, voyage, options);
    findings = result.findings.size();
    benchmark::DoNotOptimize(findings);
  }
  state.counters["legs"] = static_cast<double>(voyage.count() - 1);
  state.counters["findings"] = static_cast<double>(findings);
}

void BM_Check10Waypoints(benchmark::State& s) { checkVoyage(s, 10, 0); }
void BM_Check1000Waypoints(benchmark::State& s) { checkVoyage(s, 1000, 0); }
void BM_Check10WaypointsClearance5(benchmark::State& s) { checkVoyage(s, 10, 5); }
void BM_Check1000WaypointsClearance5(benchmark::State& s) { checkVoyage(s, 1000, 5); }

BENCHMARK(BM_BuildLandIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check10Waypoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check1000Waypoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check10WaypointsClearance5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check1000WaypointsClearance5)->Unit(benchmark::kMillisecond);

}  // namespace
