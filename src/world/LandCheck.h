#pragma once
// The route check: does a leg cross land? Every leg is checked as the ship
// sails it, a rhumb line between consecutive rows of the waypoint table
// (so a great-circle leg through its inserted points), against the land
// index of the world data. A planning aid against a coastline of the
// data's resolution, not a safety check against charts: canals and locks
// are land in this data, and a channel narrower than its resolution may be
// closed in it.

#include <string>
#include <vector>

#include "geo/Position.h"
#include "route/Voyage.h"
#include "world/LandIndex.h"

namespace z5 {

// A crossing whose every stretch over land is at most this long (NM), from
// water to water, is remarked as a possible canal or narrow passage.
inline constexpr double kShortCrossingMiles = 4;

enum class LandFindingKind {
  Crossing,      // the leg enters land
  StartsOnLand,  // the leg's first point lies on land
  Clearance,     // the leg passes closer to land than the clearance
};

// One leg as the reports number it, with what the check found on it.
struct LandFinding {
  LandFindingKind kind = LandFindingKind::Crossing;
  // The leg's ends as table indices (the entered position of to-waypoint
  // mode counts as the to-waypoint index - 1), and their report numbers.
  int fromRow = 0, toRow = 0;
  int fromNumber = 0, toNumber = 0;
  std::string fromName, toName;  // without trailing blanks
  // Where the leg first meets land; for a clearance finding, where it
  // passes nearest to land.
  Position at;
  double leastDistance = 0;    // NM, for a clearance finding
  bool shortCrossing = false;  // every stretch over land within kShortCrossingMiles
};

enum class LandCheckStatus {
  Checked,
  NoLegs,       // the voyage has no leg: nothing was checked
  NoWorldData,  // the world data are missing, damaged or hold no land: nothing was checked
};

struct LandCheckResult {
  LandCheckStatus status = LandCheckStatus::NoLegs;
  std::vector<LandFinding> findings;  // in route order, at most one a leg
  int legsChecked = 0;
  int clearanceMiles = 0;  // the clearance the legs were held to; 0 for crossings only
  double pointSpacingKm = 0;  // the resolution of the coastline checked against

  int count(LandFindingKind kind) const;
  // Legs that cross land or start on it.
  int landLegs() const { return count(LandFindingKind::Crossing) + count(LandFindingKind::StartsOnLand); }
};

struct LandCheckOptions {
  // The reference meridian of the leg pass (degrees): longitude differences
  // are taken between longitudes relative to it, as the reports' courses are.
  double referenceMeridian = 0;
  int clearanceMiles = 0;         // LAND_CLEARANCE; 0 checks crossings only
  int firstRowNumber = 1;         // the number of the first row of the reports
  bool gcPointsHidden = false;    // NO_CALC_GC_OUT: the reports leave out great-circle points
};

// Checks every leg of `voyage` from the first row of its reports (the
// entered position in to-waypoint mode) to its last waypoint. A leg is one
// row of the voyage table to the next: with great-circle points left out of
// the reports, one leg runs through the points between its rows.
LandCheckResult checkLegsAgainstLand(const LandIndex& land, const Voyage& voyage, const LandCheckOptions& options);

}  // namespace z5
