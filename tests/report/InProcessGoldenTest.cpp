// Expected reports of the two modes the command line cannot set: the
// voyage computed from an entered position to a chosen waypoint, and
// backwards routing. Same files and rules as the command-line golden runs;
// Z5_UPDATE_GOLDEN=1 rewrites those that differ and fails naming them
// (check every change by hand).

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>

#include "ExpectedFile.h"
#include "ReportTesting.h"
#include "TempDir.h"

namespace z5 {
namespace {

namespace fs = std::filesystem;

const fs::path kRoutes = fs::path(Z5_FIXTURES_DIR) / "routes";

constexpr std::array<const char*, 6> kFormats = {"normal", "delimited", "amver", "moverep", "data", "nmea"};

class InProcessGolden : public test::ReportTest {
 protected:
  // Extracts `route` (named by its file name, as a user names it) after
  // `prepare` has set the mode, then compares every format and the listing.
  void expectGoldens(const std::string& name, const std::string& route, const std::function<void()>& prepare) {
    const fs::path source = fs::exists(kRoutes / route) ? kRoutes / route : fs::path(Z5_DATA_DIR) / route;
    prepare();
    ASSERT_EQ(VoyageEngine(app).extractRoute(test::readFile(source.string()), route), kVoyageBuilt);
    depart();
    compare(name + ".list.out", listing());
    for (std::size_t i = 0; i < kFormats.size(); ++i) {
      compare(name + "." + kFormats[i] + ".out", report(static_cast<int>(i) + 1));
    }
  }

  static void compare(const std::string& file, const std::string& actual) {
    test::expectFileContents(kRoutes / file, actual, "Z5_UPDATE_GOLDEN");
  }
};

TEST_F(InProcessGolden, VoyageFromAnEnteredPositionToTheThirdWaypoint) {
  expectGoldens("every_directive_to_waypoint", "every_directive.txt", [&] {
    enterPosition(2, 49.5, -4.25);  // to Ushant TSS
  });
}

TEST_F(InProcessGolden, BackwardsRoutingSailsTheSampleRouteFromNewYork) {
  expectGoldens("sample_backwards", "README.TXT", [&] { settings().backwardsRouting = 1; });
}

}  // namespace
}  // namespace z5
