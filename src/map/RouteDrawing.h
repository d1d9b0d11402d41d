#pragma once
// The voyage on the map: its legs as straight lines (rhumb lines are
// straight on a Mercator map; the great-circle points that the leg pass
// inserts make long legs follow the great circle), each point inside the
// view labelled and ringed, the to-waypoint start position crossed.

#include <optional>
#include <string>
#include <vector>

#include "geo/MapExtent.h"
#include "map/LabelSpace.h"
#include "map/Surface.h"
#include "route/Voyage.h"

namespace z5 {

// A leg is not drawn when it crosses an edge of the view while its course
// lies within this many degrees of that edge's own direction (000 or 180
// for a meridian, 090 or 270 for a parallel): it runs along the edge.
inline constexpr double kAlongEdgeTolerance = 0.2;
// Radius of the ring around each route point, pixels.
inline constexpr int kRouteMarkRadius = 5;
// Half the length of each stroke of the to-waypoint start cross, pixels.
inline constexpr int kStartCrossHalf = 10;

struct RouteStyle {
  bool names = true;    // NAMES: labels "%d-%s", else "%d"
  int firstNumber = 1;  // the number shown for the first waypoint
  int textHeight = 0;
};

// One point of the route as the map walks it.
struct RoutePoint {
  const Waypoint* waypoint = nullptr;
  int index = 0;       // index in the waypoint table; the start position takes the to-waypoint index - 1
  bool start = false;  // the to-waypoint start position
};

// The points from the first leg's start to the last waypoint: in
// to-waypoint mode (with a start position given) the start position and the
// waypoints from the to-waypoint index, else every waypoint.
std::vector<RoutePoint> routePoints(const Voyage& voyage);

// The label of a route point: "%d" or "%d-%s" with the name less its
// trailing blanks.
std::string routeLabel(const RoutePoint& point, const RouteStyle& style);

// A leg's part inside the view, as pixels.
struct LegPixels {
  int x1, y1, x2, y2;
};

// The part of the leg from `from` to `to` (whose rhumbLineCourse is the
// leg's) inside the extent, or nothing: a leg wholly outside the view, a
// leg running along an edge it crosses, or a leg whose visible part is a
// single pixel.
std::optional<LegPixels> clipLeg(const MapExtent& extent, const Waypoint& from, const Waypoint& to);

// The leg from `from` to `to` inside the extent as pixels: clipLeg's piece,
// or, for a leg whose ends lie more than half a turn apart in relative
// longitude, which runs the short way across the map's back meridian (the
// reference meridian + 180), its two pieces, each ending at that meridian
// on its own side of the map, so that no line runs back across the map.
std::vector<LegPixels> legPieces(const MapExtent& extent, const Waypoint& from, const Waypoint& to);

// A route label as placed: its text with its top-left corner.
struct RouteLabel {
  int x = 0, y = 0;
  std::string text;
};

// Places the labels of the route's points inside the view, each beside
// its point: at (x + 2, y), or at (x - width - 2, y) when it would pass the
// map's right edge. A label that would cover text already in `space`
// (the grid's, the chart numbers', another route label's) tries the other
// side, the rows above and below, and two rows below (for a point under
// the grid's labels). The route's waypoints and composite points are placed
// first and always labelled; the great-circle points the leg pass inserted
// are labelled only where there is room. Each placed
// label takes its box in `space`.
std::vector<RouteLabel> placeRouteLabels(Surface& surface, const MapExtent& extent, const Voyage& voyage,
                                         const RouteStyle& style, LabelSpace& space);

// Draws the route in the current pen and text colour: the legs first, then
// the labels and the marks of the points inside the view, so that no leg
// runs over a label.
void DrawRoute(Surface& surface, const MapExtent& extent, const Voyage& voyage,
               const std::vector<RouteLabel>& labels);
// The same with the labels placed on an empty map.
void DrawRoute(Surface& surface, const MapExtent& extent, const Voyage& voyage, const RouteStyle& style);

}  // namespace z5
