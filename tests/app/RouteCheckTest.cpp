// The route check on extracted routes against the shipped world data: the
// routes that cross land are flagged where they meet it, those that keep to
// the sea are not, and missing or damaged world data never pass as clean.

#include "app/RouteCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "app/AppContexts.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/SettingsStore.h"
#include "report/OutputSink.h"
#include "report/VoyageReport.h"
#include "world/LineFileNames.h"

namespace z5 {
namespace {

namespace fs = std::filesystem;
using K = LandFindingKind;

constexpr const char* kSample = Z5_DATA_DIR "/README.TXT";

std::string fixture(const char* name) { return std::string(Z5_FIXTURES_DIR "/check/") + name; }

// Degrees holding a position, south to north and west to east.
struct Box {
  double south, north, west, east;
  bool holds(Position p) const {
    return p.latitude >= south && p.latitude <= north && p.longitude >= west && p.longitude <= east;
  }
};

struct CheckRow {
  const char* legend;  // the fault the row catches
  std::string route;
  int clearance;       // LAND_CLEARANCE
  int gcPointsHidden;  // NO_CALC_GC_OUT
  const char* findings;  // each finding's kind and leg as the reports number it
  // The first finding: where it lies, the canal remark, the least distance.
  Box at;
  bool shortCrossing;
  double leastDistance;
};

const CheckRow kRows[] = {
    {"the Gulf of Mexico straight to the Pacific: Mexico's Gulf coast near Veracruz, no canal remark",
     fixture("gulf_to_pacific.txt"), 0, 1, "crosses 1-2", {18.5, 19.5, -96.5, -95.5}, false, 0},
    {"a great circle from the Channel to the Baltic, checked through its hidden points: Jutland",
     fixture("channel_to_baltic_gc.txt"), 0, 1, "crosses 1-2", {55, 57.8, 8, 10.7}, false, 0},
    {"the same with its points in the reports: each leg between their rows, numbered as they are",
     fixture("channel_to_baltic_gc.txt"), 0, 0, "crosses 2-3 crosses 3-4 starts 4-5", {55, 57.8, 8, 10.7}, false, 0},
    {"a longitude typed E: the leg meets Portugal (no canal remark: it ends on land), the next starts on land",
     fixture("wrong_hemisphere.txt"), 0, 1, "crosses 1-2 starts 2-3", {40, 41, -9, -8.5}, false, 0},
    {"the sample voyage as shipped: its great circle passes south of Cape Race and Sable Island", kSample, 0, 1, "",
     {}, false, 0},
    {"the sample voyage turned off Cape Race: a clean great circle stays clean", fixture("sample_off_cape_race.txt"),
     0, 1, "", {}, false, 0},
    {"through the Strait of Gibraltar and the Dover Strait: no narrow strait closed",
     fixture("gibraltar_and_dover.txt"), 0, 1, "", {}, false, 0},
    {"across the 180th meridian in open sea: no leg wrapped the wrong way round", fixture("pacific_dateline.txt"), 0,
     1, "", {}, false, 0},
    {"across the 180th meridian over Taveuni: the land beyond the meridian is found", fixture("fiji_dateline.txt"), 0,
     1, "crosses 1-2", {-16.9, -16.8, 179.5, 180}, false, 0},
    {"through the Corinth Canal: a short crossing, remarked", fixture("corinth_canal.txt"), 0, 1, "crosses 1-2",
     {37.9, 38, 22.9, 23}, true, 0},
    {"7 miles off the Lizard's point (49-57.4N) with a 10-mile clearance: nearest abeam of it",
     fixture("lizard_headland.txt"), 10, 1, "near 1-2", {49.83, 49.84, -5.25, -5.15}, false, 7.4},
    {"7 miles off the Lizard with a 5-mile clearance: clear", fixture("lizard_headland.txt"), 5, 1, "", {}, false, 0},
};

std::string findingsText(const LandCheckResult& result) {
  static const char* const kKinds[] = {"crosses", "starts", "near"};
  std::string text;
  for (const LandFinding& f : result.findings)
    text += fmt::sprintf("%s%s %d-%d", text.empty() ? "" : " ", kKinds[static_cast<int>(f.kind)], f.fromNumber,
                         f.toNumber);
  return text;
}

class RouteCheck : public ::testing::Test {
 protected:
  RouteCheck() { EXPECT_TRUE(app.startUp(Z5_DATA_DIR)); }

  void extract(const std::string& route) {
    ASSERT_EQ(VoyageEngine(app).extractRouteFile(route), kVoyageBuilt) << route;
  }

  test::ScriptedHost host;
  MemorySettingsStore store;
  test::FixedClock clock;
  Z5App app{host, store, clock};
};

TEST_F(RouteCheck, FlagsTheLegsThatMeetLandWhereTheyMeetItAndPassesTheRest) {
  for (const CheckRow& row : kRows) {
    SCOPED_TRACE(row.legend);
    app.settings().LAND_CLEARANCE = row.clearance;
    app.settings().NO_CALC_GC_OUT = row.gcPointsHidden;
    extract(row.route);
    const LandCheckResult& result = checkRoute(app);
    ASSERT_EQ(result.status, LandCheckStatus::Checked);
    EXPECT_EQ(findingsText(result), row.findings);
    if (result.findings.empty()) continue;
    const LandFinding& first = result.findings.front();
    EXPECT_TRUE(row.at.holds(first.at)) << first.at.latitude << " " << first.at.longitude;
    EXPECT_EQ(first.shortCrossing, row.shortCrossing);
    EXPECT_NEAR(first.leastDistance, row.leastDistance, 0.3);
  }
}

TEST_F(RouteCheck, FindingsNumberTheirLegsAsTheVoyageTableNumbersItsRows) {
  for (const int hidden : {0, 1}) {
    app.settings().NO_CALC_GC_OUT = hidden;
    extract(fixture("channel_to_baltic_gc.txt"));
    const LandCheckResult& result = checkRoute(app);
    std::ostringstream report;
    OutputSink sink(report);
    writeVoyageReport(reportContext(app), sink, kNormalOutput);
    for (const LandFinding& f : result.findings) {
      const Waypoint& from = app.voyage().waypoints[f.fromRow];
      const std::string row = fmt::sprintf("%2d %s", f.fromNumber, from.name);
      EXPECT_NE(report.str().find(row), std::string::npos) << row << " (NO_CALC_GC_OUT " << hidden << ")";
    }
  }
}

TEST_F(RouteCheck, WindowEntryPointsWriteTheSummaryAndTheListingToTheMessageWindow) {
  extract(fixture("gulf_to_pacific.txt"));
  app.messages().clear();
  showRouteCheckSummary(app);
  EXPECT_TRUE(app.messages().text().ends_with("\nRoute check: 1 leg crosses land")) << app.messages().text();
  app.messages().clear();
  listRouteCheck(app);
  EXPECT_NE(app.messages().text().find("\nLeg 1-2 (Gulf of Mexico - Off Acapulco) meets land at 19-"),
            std::string::npos);
  EXPECT_NE(app.messages().text().find(app.strings().prompt(4)), std::string::npos) << "End of output.";
  ASSERT_FALSE(app.landCheck().findings.empty()) << "kept for the map";
  extract(kSample);
  EXPECT_TRUE(app.landCheck().findings.empty()) << "an extraction leaves no findings of the voyage that was";
}

TEST_F(RouteCheck, RouteWithoutALegChecksNothingAndSaysSo) {
  const test::TempDir dir;
  extract(dir.write("one.txt", "Lizard Point\n49-55.00N\n005-12.00W\n"));
  EXPECT_EQ(checkRoute(app).status, LandCheckStatus::NoLegs);
  std::ostringstream out;
  EXPECT_EQ(checkRouteJob(app, out), kCheckClean);
  EXPECT_EQ(out.str(), "Route check: the route has no leg to check\n");
}

// A home directory of the shipped data whose land file of region 2 is
// replaced by `land` (missing when empty).
class DamagedWorldData : public RouteCheck {
 protected:
  DamagedWorldData() {
    for (const fs::directory_entry& entry : fs::directory_iterator(Z5_DATA_DIR))
      fs::create_symlink(entry.path(), home.path() / entry.path().filename());
    europe = lineFilePath(home.home(), app.strings(), 2, kLandSuffixString);
    fs::remove(europe);
    app.settings().HOME_PATH = home.home();
    extract(kSample);
  }
  test::TempDir home;
  std::string europe;
};

TEST_F(DamagedWorldData, GivesItsNumberedMessageAndCouldNotRunNeverAPass) {
  struct Row {
    const char* legend;  // the fault the row catches
    std::string contents;
    std::string message;
  };
  const Row rows[] = {
      {"a missing land file (error string 38)", "", app.strings().error(38, europe)},
      {"a land file with a wrong mark (error string 39)", std::string(40, '\x01'),
       app.strings().error(39, europe, 16843009, 544669698)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    fs::remove(europe);
    if (!row.contents.empty()) home.write(fs::path(europe).filename().string(), row.contents);
    host.popups.clear();
    std::ostringstream out;
    EXPECT_EQ(checkRouteJob(app, out), kCheckNotRun);
    EXPECT_EQ(app.landCheck().status, LandCheckStatus::NoWorldData);
    ASSERT_EQ(host.popups.size(), 1u);
    EXPECT_EQ(host.popups[0].text, row.message);
    EXPECT_NE(out.str().find("Route check: could not run"), std::string::npos) << out.str();
  }
  fs::remove(europe);
  fs::create_symlink(fs::path(Z5_DATA_DIR) / fs::path(europe).filename(), europe);
  EXPECT_EQ(checkRoute(app).status, LandCheckStatus::Checked) << "a land file put right is read again";
}

TEST_F(DamagedWorldData, ExtractionsShowTheSameUnreadableLandFileOnceButTheCheckCommandAlways) {
  const auto popupsAfter = [&](auto step) {
    host.popups.clear();
    step();
    return host.popups.size();
  };
  const auto summary = [&] { showRouteCheckSummary(app); };
  EXPECT_EQ(popupsAfter(summary), 1u) << "the missing file, first seen";
  EXPECT_EQ(popupsAfter(summary), 0u) << "the same missing file at the next extraction";
  EXPECT_TRUE(app.messages().text().ends_with("Route check: could not run - the land files of the world data are "
                                              "missing, damaged or empty"));
  EXPECT_EQ(popupsAfter([&] { listRouteCheck(app); }), 1u) << "the check command says why every time";
  home.write(fs::path(europe).filename().string(), std::string(40, '\x01'));
  EXPECT_EQ(popupsAfter(summary), 1u) << "the file changed: damaged now";
  EXPECT_EQ(popupsAfter(summary), 0u) << "the same damaged file";
}

}  // namespace
}  // namespace z5
