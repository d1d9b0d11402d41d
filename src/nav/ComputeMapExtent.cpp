#include "nav/ComputeMapExtent.h"

#include <vector>

#include "geo/ExtentFit.h"

namespace z5 {
namespace {

// A start record holds a position once its latitude is at least this.
constexpr double kGivenPosition = -200;

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
std::vector<Position> voyagePoints(const Voyage& voyage) {
  std::vector<Position> points;
  if (toWaypointMode(voyage) && startGiven(voyage)) {
    points.push_back({voyage.toWaypoint.start.latitude, voyage.toWaypoint.start.longitude});
  }
  for (int i = firstIndex(voyage); i < voyage.count(); ++i) {
    points.push_back({voyage.waypoints[i].latitude, voyage.waypoints[i].longitude});
  }
  return points;
}

Position centreOf(const Voyage& voyage, const MapExtentRequest& request) {
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

}  // namespace

MapExtentRequest wholeVoyageRequest(double degreeSpan, int width, int height) {
  MapExtentRequest request;
  request.degreeSpan = degreeSpan;
  request.width = width;
  request.height = height;
  return request;
}

MapExtent ComputeMapExtent(const Voyage& voyage, const MapExtentRequest& request) {
  const std::vector<Position> points = voyagePoints(voyage);
  const bool centredByRequest = request.viewPoint || request.centreIndex != kNoIndex;
  if (!centredByRequest && points.size() >= 2) {
    return extentAroundPositions(points, voyageMeridian(voyage, request), request.width, request.height);
  }
  // A map centred on request is drawn around its own centre's meridian: the
  // voyage's meridian would put the view's far side past the turn of the
  // longitudes (the voyage's back meridian), where the map would be cut short
  // and moved off its centre.
  const Position centre = centreOf(voyage, request);
  const double reference = centredByRequest ? centre.longitude : voyageMeridian(voyage, request);
  return extentAroundCentre(centre, reference, request.degreeSpan, request.width, request.height);
}

}  // namespace z5
