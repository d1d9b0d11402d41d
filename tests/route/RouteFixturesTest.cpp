// Whole routes: each fixture route must give the voyage written next to it.
// Z5_UPDATE_FIXTURES=1 rewrites the expected voyages that differ and fails
// naming them (review the difference before committing it).

#include <string>

#include <fmt/printf.h>

#include "ExpectedFile.h"
#include "RouteTesting.h"
#include "TempDir.h"
#include "route/PositionText.h"

namespace z5::test {
namespace {

std::string requests(const std::vector<InterceptRequest>& list, PositionKind kind) {
  std::string text;
  for (const InterceptRequest& r : list) text += fmt::sprintf(" %s@%d", formatPosition(r.value, kind, true), r.chart);
  return text;
}

// The voyage and the header settings an extraction sets, one item a line.
std::string describe(int result, const Voyage& v, const SettingsRecord& s, const StringTable& strings) {
  std::string text = fmt::sprintf("result %d\n", result);
  text += fmt::sprintf("vessel [%s] call [%s] remark [%s]\n", s.VESSEL, s.CALL, s.REMARK);
  text += fmt::sprintf("departing [%s] arriving [%s]\n", v.departurePort, v.arrivalPort);
  text += fmt::sprintf("departure [%s]\n", s.departureText);
  const std::string direction = v.directionLabel == strings.prompt(111)   ? "forward"
                                : v.directionLabel == strings.prompt(112) ? "backwards"
                                                                          : v.directionLabel;
  text += fmt::sprintf("file speed [%s] direction %s\n", v.fileSpeedText, direction);
  text += "charts";
  for (int chart : v.charts) text += fmt::sprintf(" %d", chart);
  text += "\nlatitude requests" + requests(v.latitudeRequests, PositionKind::Latitude);
  text += "\nlongitude requests" + requests(v.longitudeRequests, PositionKind::Longitude) + "\n";
  for (const std::string& note : v.notes) text += fmt::sprintf("note [%s]\n", note);
  if (v.amver.active) {
    text += fmt::sprintf("amver [%s]\n", v.amver.header);
    for (const std::string* line : {&v.amver.A, &v.amver.B, &v.amver.E, &v.amver.F, &v.amver.G, &v.amver.I,
                                     &v.amver.M, &v.amver.V, &v.amver.X, &v.amver.Y}) {
      if (!line->empty()) text += fmt::sprintf("  [%s]\n", *line);
    }
  }
  for (const ErrorLocation& e : v.errors) text += fmt::sprintf("error line %d [%s]\n", e.line, e.lineText);
  for (int i = 0; i < v.count(); ++i) {
    const Waypoint& w = v.waypoints[i];
    text += fmt::sprintf("%2d [%s] %s %s speed %.4f fixed %d stop %.2f gc %d interval %.2f zone %.1f\n", i + 1,
                         w.name, formatPosition(w.latitude, PositionKind::Latitude, true),
                         formatPosition(w.longitude, PositionKind::Longitude, true), w.speed, w.speedFixed,
                         w.stopHours, w.greatCircle, w.gcInterval, w.zoneDescription);
  }
  return text;
}

struct Fixture {
  const char* route;     // path under the source tree
  const char* expected;  // path under the source tree
};

constexpr Fixture kFixtures[] = {
    {"tests/fixtures/routes/every_directive.txt", "tests/fixtures/routes/every_directive.voyage"},
    {"tests/fixtures/routes/amver_sailplan.txt", "tests/fixtures/routes/amver_sailplan.voyage"},
    {"tests/fixtures/routes/ccwpl_export.txt", "tests/fixtures/routes/ccwpl_export.voyage"},
    {"tests/fixtures/routes/data_export.txt", "tests/fixtures/routes/data_export.voyage"},
    {"data/README.TXT", "tests/fixtures/routes/README.voyage"},
};

class RouteFixtures : public RouteTest {};

TEST_F(RouteFixtures, EachRouteGivesItsRecordedVoyage) {
  for (const Fixture& f : kFixtures) {
    SCOPED_TRACE(f.route);
    settings = SettingsRecord{};
    voyage = Voyage{};
    host.popups.clear();
    const std::string route = std::string(Z5_SOURCE_DIR) + "/" + f.route;
    const std::string expectedPath = std::string(Z5_SOURCE_DIR) + "/" + f.expected;
    const int result = engine.extractRouteFile(route);
    voyage.routeFileName.clear();
    const std::string actual = describe(result, voyage, settings, strings);
    expectFileContents(expectedPath, actual, "Z5_UPDATE_FIXTURES");
    EXPECT_EQ(result, kVoyageBuilt);
    EXPECT_TRUE(host.popups.empty()) << "a fixture route showed a message";
  }
}

}  // namespace
}  // namespace z5::test
