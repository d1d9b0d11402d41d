#include "nav/ComputeMapExtent.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geo/Longitude.h"
#include "geo/Projection.h"
#include "geo/EarthModel.h"

namespace z5 {
namespace {

// The whole-voyage map is widened by this share of each span on each side
// (single precision).
constexpr double kWidening = 0.15f;
// The inverse meridional parts of the fit stop within this many minutes.
constexpr double kInverseTolerance = 0.01;
// Starting bounds of the search for the voyage's least and greatest values.
constexpr double kLatitudeStart = 99;
constexpr double kLongitudeStart = 190;
constexpr double kMinutesPerDegree = 60;
constexpr double kSecondsPerMinute = 60;
// A start record holds a position once its latitude is at least this.
constexpr double kGivenPosition = -200;

struct Point {
  double latitude;
  double longitude;
};

bool toWaypointMode(const Voyage& voyage) {
  return voyage.toWaypoint.active() && voyage.toWaypoint.index < voyage.count();
}

bool startGiven(const Voyage& voyage) { return voyage.toWaypoint.start.latitude >= kGivenPosition; }

int firstIndex(const Voyage& voyage) { return toWaypointMode(voyage) ? voyage.toWaypoint.index : 0; }

// The voyage's own meridian: its middle waypoint's, so that a voyage across
// the 180th meridian stays continuous.
double voyageMeridian(const Voyage& voyage, const MapExtentRequest& request) {
  if (voyage.empty()) return request.viewPoint ? request.viewLongitude : 0;
  const int middle = (firstIndex(voyage) + voyage.count()) / 2;
  if (middle == 0 || middle >= voyage.count()) return voyage.waypoints.front().longitude;
  return voyage.waypoints[middle].longitude;
}

// The points the map must show: the voyage from its first index, and the
// entered start position in to-waypoint mode.
std::vector<Point> voyagePoints(const Voyage& voyage) {
  std::vector<Point> points;
  if (toWaypointMode(voyage) && startGiven(voyage)) {
    points.push_back({voyage.toWaypoint.start.latitude, voyage.toWaypoint.start.longitude});
  }
  for (int i = firstIndex(voyage); i < voyage.count(); ++i) {
    points.push_back({voyage.waypoints[i].latitude, voyage.waypoints[i].longitude});
  }
  return points;
}

Point centreOf(const Voyage& voyage, const MapExtentRequest& request) {
  if (request.viewPoint) return {request.viewLatitude, request.viewLongitude};
  if (voyage.empty()) return {0, 0};
  const int i = request.centreIndex;
  if (toWaypointMode(voyage) && startGiven(voyage) && i == voyage.toWaypoint.index - 1) {
    return {voyage.toWaypoint.start.latitude, voyage.toWaypoint.start.longitude};
  }
  if (i == kNoIndex || i < 0 || i >= voyage.count()) {
    return {voyage.waypoints.front().latitude, voyage.waypoints.front().longitude};
  }
  return {voyage.waypoints[i].latitude, voyage.waypoints[i].longitude};
}

struct Bounds {
  double south, north, west, east;
};

Bounds wholeVoyageBounds(const std::vector<Point>& points, double reference) {
  Bounds b{kLatitudeStart, -kLatitudeStart, kLongitudeStart, -kLongitudeStart};
  for (const Point& p : points) {
    const double lon = relativeLongitude(p.longitude, reference);
    b.south = std::min(b.south, p.latitude);
    b.north = std::max(b.north, p.latitude);
    b.west = std::min(b.west, lon);
    b.east = std::max(b.east, lon);
  }
  const double latitudeMargin = (b.north - b.south) * kWidening;
  const double longitudeMargin = (b.east - b.west) * kWidening;
  b.south = std::max(b.south - latitudeMargin, -kMapLatitudeLimit);
  b.north = std::min(b.north + latitudeMargin, kMapLatitudeLimit);
  b.west -= longitudeMargin;
  b.east += longitudeMargin;
  return b;
}

Bounds centredBounds(Point centre, double reference, double span, double aspect) {
  Bounds b{centre.latitude - span / 2, centre.latitude + span / 2, 0, 0};
  if (b.north > kMapLatitudeLimit) {
    b.north = kMapLatitudeLimit;
    b.south = kMapLatitudeLimit - span;
  }
  if (b.south < -kMapLatitudeLimit) {
    b.south = -kMapLatitudeLimit;
    b.north = span - kMapLatitudeLimit;
  }
  const double halfWidth = std::min(aspect * span / 2, kMaxHalfWidth);
  const double lon = relativeLongitude(centre.longitude, reference);
  b.east = std::min(lon + halfWidth, 180.0);
  b.west = std::max(lon - halfWidth, -180.0);
  return b;
}

double inverseParts(double parts) { return latitudeAtMeridionalParts(parts, kInverseTolerance); }

// The middle (meridional parts, minutes) of a window `span` minutes high
// around `middle`, moved as little as needed to hold both latitude bounds.
double holdingBounds(double middle, double span, const Bounds& b) {
  const double north = meridionalParts(b.north);
  const double south = meridionalParts(b.south);
  if (middle + span / 2 < north) middle = north - span / 2;
  if (middle - span / 2 > south) middle = south + span / 2;
  return middle;
}

// Fits the bounds to a drawing of width x height pixels; sets the size used.
// With `keepBounds` (the whole voyage) the latitudes recentred on their
// middle still hold the voyage's bounds.
void fitToDrawing(Bounds& b, bool keepBounds, int width, int height, int& usedWidth, int& usedHeight) {
  const double aspect = static_cast<double>(width) / height;
  const double limitParts = meridionalParts(kMapLatitudeLimit);
  const double latitudeParts = std::trunc(meridionalParts(b.north) - meridionalParts(b.south));
  const double availableParts = (b.east - b.west) * kMinutesPerDegree / aspect;
  usedWidth = width;
  usedHeight = height;
  if (latitudeParts <= availableParts) {
    // Longitude sets the scale; the latitudes follow.
    const double needed = (b.east - b.west) * kMinutesPerDegree * height / width;
    if (needed <= 2 * limitParts) {
      double middle = meridionalParts((b.south + b.north) / 2);
      if (keepBounds) middle = holdingBounds(middle, needed, b);
      b.north = inverseParts(middle + needed / 2);
      b.south = inverseParts(middle - needed / 2);
      if (b.north > kMapLatitudeLimit) {
        b.north = kMapLatitudeLimit;
        b.south = inverseParts(limitParts - needed);
      }
      if (b.south < -kMapLatitudeLimit) {
        b.south = -kMapLatitudeLimit;
        b.north = inverseParts(-limitParts + needed);
      }
    } else {
      b.north = kMapLatitudeLimit;
      b.south = -kMapLatitudeLimit;
      usedHeight = static_cast<int>(2 * limitParts * height / needed);
    }
    return;
  }
  // Latitude sets the scale; the longitudes follow around their middle.
  double needed = aspect * latitudeParts;
  if (needed > kMaxLongitudeSpanMinutes) {
    usedWidth = static_cast<int>(width * kMaxLongitudeSpanMinutes / needed);
    needed = kMaxLongitudeSpanMinutes;
  }
  b.west = std::max(((b.west + b.east) - needed / kMinutesPerDegree) / 2, -180.0);
  b.east = b.west + needed / kMinutesPerDegree;
}

}  // namespace

MapExtentRequest wholeVoyageRequest(double degreeSpan, int width, int height) {
  MapExtentRequest request;
  request.degreeSpan = degreeSpan;
  request.width = width;
  request.height = height;
  return request;
}

MapExtent ComputeMapExtent(const Voyage& voyage, const MapExtentRequest& request) {
  const int width = std::max(request.width, 1);
  const int height = std::max(request.height, 1);
  const std::vector<Point> points = voyagePoints(voyage);
  const bool centredByRequest = request.viewPoint || request.centreIndex != kNoIndex;
  const bool wholeVoyage = !centredByRequest && points.size() >= 2;
  // A map centred on request is drawn around its own centre's meridian: the
  // voyage's meridian would put the view's far side past the turn of the
  // longitudes (the voyage's back meridian), where the map would be cut short
  // and moved off its centre.
  const Point centre = centreOf(voyage, request);
  const double reference = centredByRequest ? centre.longitude : voyageMeridian(voyage, request);
  Bounds b = wholeVoyage ? wholeVoyageBounds(points, reference)
                         : centredBounds(centre, reference, request.degreeSpan, static_cast<double>(width) / height);
  MapExtent e;
  fitToDrawing(b, wholeVoyage, width, height, e.width, e.height);

  e.referenceMeridian = reference;
  e.referenceSeconds = toArcSeconds(reference);
  e.south = b.south;
  e.north = b.north;
  e.west = b.west;
  e.east = b.east;
  e.southSeconds = toArcSeconds(b.south);
  e.northSeconds = toArcSeconds(b.north);
  e.westSeconds = toArcSeconds(b.west);
  e.eastSeconds = toArcSeconds(b.east);
  e.mpSouth = static_cast<int>(meridionalParts(b.south) * kSecondsPerMinute);
  e.mpNorth = static_cast<int>(meridionalParts(b.north) * kSecondsPerMinute);
  e.latitudeSpan = e.northSeconds - e.southSeconds;
  e.longitudeSpan = e.eastSeconds - e.westSeconds;
  e.mpSpan = e.mpNorth - e.mpSouth;
  setScaleDivisors(e);
  return e;
}

}  // namespace z5
