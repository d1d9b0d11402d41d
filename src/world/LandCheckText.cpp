#include "world/LandCheckText.h"

#include <fmt/printf.h>

#include "route/PositionText.h"

namespace z5 {
namespace {

constexpr const char* kSummaryStart = "Route check: ";
constexpr const char* kNoLegs = "Route check: the route has no leg to check";
constexpr const char* kNoWorldData =
    "Route check: could not run - the land files of the world data are missing, damaged or empty";
constexpr const char* kHeading =
    "Route check of %s (%s) against the coastline of the world data (points about %.1f km apart%s): a planning "
    "aid, not a safety check against charts.";
constexpr const char* kClearanceNote = "; clearance %d NM";
constexpr const char* kLegFormat = "Leg %d-%d (%s - %s) ";
constexpr const char* kCrossingFormat = "meets land at %s %s";
constexpr const char* kShortCrossingRemark = " - short crossing: canal or narrow passage?";
constexpr const char* kStartsOnLandFormat = "starts on land at %s %s.";
constexpr const char* kClearanceFormat = "passes %.1f NM from land at %s %s (clearance %d NM).";

std::string legs(int count, const char* one, const char* many) {
  return count == 1 ? fmt::sprintf("1 leg %s", one) : fmt::sprintf("%d legs %s", count, many);
}

std::string findingLine(const LandFinding& f, int clearance, bool extra) {
  const std::string lat = formatPosition(f.at.latitude, PositionKind::Latitude, extra);
  const std::string lon = formatPosition(f.at.longitude, PositionKind::Longitude, extra);
  const std::string leg = fmt::sprintf(kLegFormat, f.fromNumber, f.toNumber, f.fromName, f.toName);
  switch (f.kind) {
    case LandFindingKind::Crossing:
      return leg + fmt::sprintf(kCrossingFormat, lat, lon) + (f.shortCrossing ? kShortCrossingRemark : ".");
    case LandFindingKind::StartsOnLand:
      return leg + fmt::sprintf(kStartsOnLandFormat, lat, lon);
    case LandFindingKind::Clearance:
      return leg + fmt::sprintf(kClearanceFormat, f.leastDistance, lat, lon, clearance);
  }
  return leg;
}

}  // namespace

std::string landCheckSummary(const LandCheckResult& result) {
  if (result.status == LandCheckStatus::NoLegs) return kNoLegs;
  if (result.status == LandCheckStatus::NoWorldData) return kNoWorldData;
  const int land = result.landLegs();
  const int near = result.count(LandFindingKind::Clearance);
  const int clearance = result.clearanceMiles;
  std::string text = kSummaryStart;
  text += land == 0 ? std::string("no leg crosses land") : legs(land, "crosses land", "cross land");
  if (near > 0) {
    text += ", " + legs(near, "passes", "pass") + fmt::sprintf(" within %d NM of land", clearance);
  } else if (land == 0 && clearance > 0) {
    text += fmt::sprintf(" or passes within %d NM of it", clearance);
  }
  return text;
}

std::vector<std::string> landCheckListing(const LandCheckResult& result, std::string_view routeName,
                                          bool extraPrecision) {
  std::vector<std::string> lines;
  if (result.status == LandCheckStatus::Checked) {
    const std::string clearance =
        result.clearanceMiles > 0 ? fmt::sprintf(kClearanceNote, result.clearanceMiles) : std::string();
    const std::string legCount = result.legsChecked == 1 ? "1 leg" : fmt::sprintf("%d legs", result.legsChecked);
    lines.push_back(fmt::sprintf(kHeading, routeName, legCount, result.pointSpacingKm, clearance));
    for (const LandFinding& f : result.findings) lines.push_back(findingLine(f, result.clearanceMiles, extraPrecision));
  }
  lines.push_back(landCheckSummary(result));
  return lines;
}

}  // namespace z5
