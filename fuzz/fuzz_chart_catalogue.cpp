// The chart catalogue reader and the route chart search on arbitrary bytes
// as chart.dat: bad magic, truncated records, absurd edges and scales.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "base/Messages.h"
#include "base/SilentHost.h"
#include "base/StringTable.h"
#include "charts/RouteCharts.h"
#include "geo/LegGeometry.h"

namespace {

z5::Waypoint point(double lat, double lon, double course) {
  z5::Waypoint w;
  w.latitude = lat;
  w.longitude = lon;
  w.rhumbLineCourse = course;
  return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const z5::StringTable strings;
  z5::SilentHost host;
  z5::Messages messages(host, strings);
  // A voyage across the 180th meridian and the equator, and along a meridian.
  const z5::LegGeometry geometry(179);
  std::vector<z5::Waypoint> waypoints = {point(10, 170, 0), point(-5, -170, 0), point(-5, -170.0000001, 0),
                                         point(20, -170, 0), point(20, 100, 0)};
  for (std::size_t i = 1; i < waypoints.size(); ++i) {
    const z5::Waypoint& a = waypoints[i - 1];
    waypoints[i].rhumbLineCourse =
        geometry.rhumbLine(a.latitude, a.longitude, waypoints[i].latitude, waypoints[i].longitude, false).course;
  }
  std::vector<const z5::Waypoint*> route;
  for (const z5::Waypoint& w : waypoints) route.push_back(&w);
  z5::ChartSearch search;
  search.lowerScale = 0;
  search.upperScale = 2147483647;
  search.box = {-1296000, -324000, 1296000, 324000};
  search.route = &route;
  search.geometry = &geometry;

  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  z5::RouteChartTable table;
  const int found = z5::searchChartCatalogue(in, "chart.dat", search, table, messages);
  if (found < 0 || table.count() > z5::RouteChartTable::kCapacity) __builtin_trap();
  for (const z5::RouteChart& chart : table.charts) {
    if (chart.title.size() > 38) __builtin_trap();
  }
  return 0;
}
