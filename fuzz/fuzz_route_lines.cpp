// Route text shown in the editor: every line of any bytes is classified
// (never beyond the line: keyword and name ends inside it), the context
// survives its integer form, and a text the reader extracts whole has no
// line the editor would show as wrong.

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
#include "route/RouteLineKind.h"
#include "route/RouteLines.h"

using z5::fuzz::check;

namespace {

bool wrong(z5::RouteLineRole role) {
  using R = z5::RouteLineRole;
  return role == R::UnknownDirective || role == R::BadWaypointSentence || role == R::BadLatitude ||
         role == R::BadLongitude;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = z5::linesAsUtf8(std::string_view(reinterpret_cast<const char*>(data), size));

  bool anyWrong = false;
  z5::RouteLineContext context;
  z5::RouteLines lines(text);
  while (const auto line = lines.next()) {
    const z5::RouteLineClass found = z5::classifyRouteLine(*line, context);
    check(found.keywordEnd <= line->size() && found.nameEnd <= line->size());
    check(z5::RouteLineContext::fromInt(context.toInt()) == context);
    anyWrong = anyWrong || wrong(found.role);
  }

  z5::SilentHost host;
  z5::MemorySettingsStore store;
  const z5::EpochClock clock(z5::fuzz::kFixedMoment);
  z5::Z5App app(host, store, clock);
  const int result = z5::VoyageEngine(app).extractRoute(text, "fuzz.txt");
  const bool readWhole = result == z5::kVoyageBuilt && app.voyage().count() < z5::kMaxWaypoints;
  check(!(readWhole && anyWrong));
  return 0;
}
