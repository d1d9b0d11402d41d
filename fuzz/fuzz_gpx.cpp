// GPX files from other programs: any bytes import to route text that the
// route reader extracts with the points the file had, or are refused with a
// message naming the file; never a crash, a hang or an entity expansion.

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
#include "report/GpxImport.h"

using z5::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const z5::GpxImport imported = z5::importGpxText(bytes, "fuzz.gpx");
  if (!imported.imported) {
    check(imported.message.starts_with("fuzz.gpx"));
    return 0;
  }
  check(z5::isValidUtf8(imported.routeText));
  z5::SilentHost host;
  z5::MemorySettingsStore store;
  const z5::EpochClock clock(z5::fuzz::kFixedMoment);
  z5::Z5App app(host, store, clock);
  const int result = z5::VoyageEngine(app).extractRoute(imported.routeText, "fuzz.txt");
  check(result == z5::kVoyageBuilt || result == z5::kVoyageEmpty);
  check(app.voyage().count() <= z5::kMaxWaypoints);
  return 0;
}
