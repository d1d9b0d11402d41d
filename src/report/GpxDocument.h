#pragma once
// GPX 1.1 (and 1.0) files, the waypoint exchange format of chart plotters,
// ECDIS exports and GPS programs: the one place that reads and writes XML.
// Reading takes the file's first route, or its waypoints when it has no
// route; writing makes one route of the given points.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace z5 {

struct GpxPoint {
  std::string name;  // UTF-8 as the file gives it; may be empty
  double latitude = 0;   // degrees, north positive, -90..90
  double longitude = 0;  // degrees, east positive, -180..180
  std::optional<double> plannedSpeed;  // knots, from an extension; not checked
  int line = 0;  // of the point's element in the file; 0 when unknown
};

struct GpxRoute {
  enum class Source { Route, Waypoints };
  Source source = Source::Route;
  std::string name;      // the route's <name>; empty when it has none
  int routeNumber = 0;   // which route of the file (from 1) when Source::Route
  int routeCount = 0;    // how many routes the file holds
  std::optional<double> plannedSpeed;  // knots, the route's planned speed extension
  std::vector<GpxPoint> points;
};

// What is wrong with a file, and where: `line` 0 when no line can be named.
struct GpxProblem {
  std::string message;
  int line = 0;
};

struct GpxReading {
  std::optional<GpxRoute> route;  // set when the file was read
  GpxProblem problem;             // otherwise why not
};

// Reads a GPX document held in `bytes` (UTF-8, UTF-16 or Latin-1, as its
// declaration says).
//
// The route is the first `rte` that has points; a file without one gives
// its top-level `wpt` points in order. Elements are matched by local name,
// so a namespace prefix does not matter; unknown elements and extensions
// are passed over, except `planned_speed` (knots) in the `extensions` of a
// route or a point. Refused, with the line where it shows: text that is not
// well-formed XML; a document type declaration (a GPX file has none, and its
// entity definitions are how "billion laughs" bombs are built: entities are
// never expanded); a root other than `gpx`; no route and no waypoints (a
// file with only a track says so); a point without `lat` or `lon`, or with
// one that is not a decimal number or lies beyond -90..90 / -180..180; more
// than `maxPoints` points.
GpxReading readGpxRoute(std::string_view bytes, std::size_t maxPoints);

// A GPX 1.1 document holding one route, with the GPX namespace, `creator`
// and, for each point, `lat` and `lon` with 7 decimals (about 1 cm) and its
// name. Names are escaped as XML requires; control characters, which XML
// 1.0 cannot carry, become blanks.
std::string writeGpxRoute(const GpxRoute& route, std::string_view creator);

}  // namespace z5
