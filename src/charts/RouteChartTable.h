#pragma once
// The charts the voyage's legs cross, as the chart search found them in the
// catalogue: printed by the reports and outlined on the map. Every route
// extraction replaces it.

#include <string>
#include <vector>

namespace z5 {

struct RouteChart {
  int number = 0;
  char carried = 0;   // carried unchanged from the catalogue
  std::string title;  // decoded, at most 38 characters
  int scale = 0;      // denominator: 80000 means 1:80,000
  // Edges in degrees; the longitudes absolute and in the catalogue's order.
  double south = 0, north = 0, longitude1 = 0, longitude2 = 0;
  // The same edges as stored, whole arc-seconds.
  int southSeconds = 0, northSeconds = 0, longitude1Seconds = 0, longitude2Seconds = 0;
};

struct RouteChartTable {
  static constexpr int kCapacity = 200;

  std::vector<RouteChart> charts;  // at most kCapacity, in catalogue order

  int count() const { return static_cast<int>(charts.size()); }
  bool full() const { return count() >= kCapacity; }
  void clear() { charts.clear(); }
};

}  // namespace z5
