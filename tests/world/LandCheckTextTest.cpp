// What the route check says: its summary line and the listing of findings.

#include "world/LandCheckText.h"

#include <gtest/gtest.h>

namespace z5 {
namespace {

LandFinding finding(LandFindingKind kind, int from, int to) {
  LandFinding f;
  f.kind = kind;
  f.fromNumber = from;
  f.toNumber = to;
  f.fromName = "Bishop Rock";
  f.toName = "Nantucket Shoals";
  f.at = {46.8261, -52.9492};
  f.leastDistance = 1.234;
  return f;
}

LandCheckResult checked(std::vector<LandFinding> findings, int clearance) {
  LandCheckResult r;
  r.status = LandCheckStatus::Checked;
  r.findings = std::move(findings);
  r.clearanceMiles = clearance;
  r.legsChecked = 9;
  r.pointSpacingKm = 3.14;
  return r;
}

TEST(LandCheckText, SummaryCountsTheLegsThatMeetLandAndThoseWithinTheClearance) {
  using K = LandFindingKind;
  struct Row {
    const char* legend;  // the fault the row catches
    LandCheckResult result;
    const char* summary;
  };
  const Row rows[] = {
      {"a clean route says so, in the words of the issue", checked({}, 0), "Route check: no leg crosses land"},
      {"plural legs", checked({finding(K::Crossing, 2, 3), finding(K::Crossing, 5, 6)}, 0),
       "Route check: 2 legs cross land"},
      {"one leg is singular", checked({finding(K::Crossing, 2, 3)}, 0), "Route check: 1 leg crosses land"},
      {"a leg that starts on land counts with the crossings",
       checked({finding(K::StartsOnLand, 2, 3), finding(K::Crossing, 1, 2)}, 0), "Route check: 2 legs cross land"},
      {"a clean route with a clearance names it", checked({}, 2),
       "Route check: no leg crosses land or passes within 2 NM of it"},
      {"clearance findings are counted apart from the crossings",
       checked({finding(K::Crossing, 1, 2), finding(K::Clearance, 2, 3), finding(K::Clearance, 3, 4)}, 2),
       "Route check: 1 leg crosses land, 2 legs pass within 2 NM of land"},
      {"no leg is never said to be clean", LandCheckResult{}, "Route check: the route has no leg to check"},
      {"missing world data are never said to be clean", LandCheckResult{LandCheckStatus::NoWorldData, {}, 0, 0, 0},
       "Route check: could not run - the land files of the world data are missing, damaged or empty"},
  };
  for (const Row& row : rows) EXPECT_EQ(landCheckSummary(row.result), row.summary) << row.legend;
}

TEST(LandCheckText, ListingStatesWhatTheCheckIsThenEachLegAsTheReportsNumberIt) {
  LandFinding canal = finding(LandFindingKind::Crossing, 4, 5);
  canal.shortCrossing = true;
  const LandCheckResult result = checked({finding(LandFindingKind::Crossing, 2, 3), canal,
                                          finding(LandFindingKind::StartsOnLand, 6, 7),
                                          finding(LandFindingKind::Clearance, 8, 9)},
                                         2);
  const std::vector<std::string> expected = {
      "Route check of README.TXT (9 legs) against the coastline of the world data (points about 3.1 km apart; "
      "clearance 2 NM): a planning aid, not a safety check against charts.",
      "Leg 2-3 (Bishop Rock - Nantucket Shoals) meets land at 46-49.57N 052-56.95W.",
      "Leg 4-5 (Bishop Rock - Nantucket Shoals) meets land at 46-49.57N 052-56.95W - short crossing: canal or narrow "
      "passage?",
      "Leg 6-7 (Bishop Rock - Nantucket Shoals) starts on land at 46-49.57N 052-56.95W.",
      "Leg 8-9 (Bishop Rock - Nantucket Shoals) passes 1.2 NM from land at 46-49.57N 052-56.95W (clearance 2 NM).",
      "Route check: 3 legs cross land, 1 leg passes within 2 NM of land",
  };
  EXPECT_EQ(landCheckListing(result, "README.TXT", false), expected);
  EXPECT_EQ(landCheckListing(result, "README.TXT", true)[1],
            "Leg 2-3 (Bishop Rock - Nantucket Shoals) meets land at 46-49.566N 052-56.952W.")
      << "the reports' extra precision";
  EXPECT_EQ(landCheckListing(LandCheckResult{}, "README.TXT", false),
            std::vector<std::string>{"Route check: the route has no leg to check"})
      << "no heading without a check";
}

}  // namespace
}  // namespace z5
