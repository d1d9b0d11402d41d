#pragma once
// What the route check says: the one-line summary the message window shows
// after an extraction, and the listing of the findings that the check
// command and `z5 --check` print. Each says what the check is: a planning
// aid against the coastline of the world data, not a check against charts.

#include <string>
#include <string_view>
#include <vector>

#include "world/LandCheck.h"

namespace z5 {

// "Route check: 2 legs cross land", "Route check: no leg crosses land",
// with the legs that pass within the clearance when one is set, or that the
// check could not run or had no leg to check.
std::string landCheckSummary(const LandCheckResult& result);

// The listing: a heading naming the route, its legs and the resolution of the
// coastline, one line per finding (its leg numbered and named as in the
// reports, its position as the reports write positions), then the summary.
// Without a check (no leg, no world data) only the summary.
std::vector<std::string> landCheckListing(const LandCheckResult& result, std::string_view routeName,
                                          bool extraPrecision);

}  // namespace z5
