// Route text from a file or the editor: any bytes extract to a voyage or
// stop with a recorded error, never beyond the table's limits, and every
// name and recorded line is UTF-8. The first
// byte chooses backwards routing, planning to an arrival time and a view
// point, so that those paths are fuzzed too.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/EpochClock.h"
#include "base/SettingsStore.h"
#include "base/SilentHost.h"
#include "base/Utf8Text.h"

using z5::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  z5::SilentHost host;
  z5::MemorySettingsStore store;
  const z5::EpochClock clock(z5::fuzz::kFixedMoment);
  z5::Z5App app(host, store, clock);
  z5::SettingsRecord& settings = app.settings();
  z5::Voyage& voyage = app.voyage();
  z5::MapViewState& mapView = app.mapView();
  settings.backwardsRouting = data[0] & 1;
  voyage.arrivalTimeMode = (data[0] & 2) != 0;
  mapView.viewPointMode = (data[0] & 4) != 0;
  mapView.centreIndex = data[0] >> 3;
  voyage.toWaypoint.index = data[0] >> 4;

  z5::VoyageEngine engine(app);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const int result = engine.extractRoute(text, "fuzz.txt");

  check(result == z5::kVoyageBuilt || result == z5::kVoyageEmpty || result == z5::kRouteFailed ||
        result == z5::kFatal);
  check(result != z5::kRouteFailed || voyage.errors.size() == 1);
  for (const z5::ErrorLocation& e : voyage.errors) check(z5::isValidUtf8(e.lineText));
  check(voyage.count() <= z5::kMaxWaypoints);
  check(mapView.centreIndex < voyage.count() || mapView.centreIndex == z5::kNoIndex);
  check(voyage.toWaypoint.index < voyage.count() || voyage.toWaypoint.index == z5::kNoIndex);
  check(static_cast<int>(voyage.notes.size()) <= z5::kMaxNotes);
  check(static_cast<int>(voyage.latitudeRequests.size()) <= z5::kMaxInterceptRequests);
  check(static_cast<int>(voyage.charts.size()) <= z5::kMaxCharts);
  for (const z5::Waypoint& w : voyage.waypoints) {
    check(z5::isValidUtf8(w.name));
    check(z5::characterCount(w.name) == static_cast<std::size_t>(z5::kWaypointNameLength));
    check(std::fabs(w.latitude) <= 90 && std::fabs(w.longitude) <= 180);
    check(w.speed >= 0 && w.speed <= 1000 && w.stopHours >= 0 && w.stopHours <= 10000);
    check(w.gcInterval == 0 || (w.gcInterval >= 1 && w.gcInterval <= 50));
    check(w.zoneDescription == z5::kZoneNotGiven || (w.zoneDescription >= -13 && w.zoneDescription <= 12));
  }
  return 0;
}
