#pragma once
// The extracted route: the waypoint table and everything the reports, the
// map and the GPS display read from the last successful extraction.

#include <string>
#include <utility>
#include <vector>

#include "route/Waypoint.h"

namespace z5 {

inline constexpr int kMaxWaypoints = 1000;
inline constexpr int kMaxCharts = 1000;
inline constexpr int kMaxInterceptRequests = 999;
inline constexpr int kMaxNotes = 200;
inline constexpr int kMaxErrorLocations = 100;
// "No index" (map-centre waypoint, target waypoint) and "error already shown".
inline constexpr int kNoIndex = -99;
// The fatal result: no memory, or the leg pass failed.
inline constexpr int kFatal = -88;
// Error string of a command that needs a voyage when there is none (the
// route file's name).
inline constexpr int kErrorNoVoyage = 24;

// A !LAT or !LON request with the chart number current when it was read.
struct InterceptRequest {
  double value = 0;  // degrees
  int chart = 0;
};

// Where the route text went wrong, for the editor to select the line.
struct ErrorLocation {
  std::string file;
  int line = 0;
  std::string message;
  std::string lineText;
};

// The lines of an AMVER report read as route input, stored upper-cased.
struct AmverInput {
  bool active = false;
  std::string header;
  std::string A, B, E, F, G, I, M, V, X, Y;
};

// The to-waypoint mode: the voyage computed from an entered position.
struct ToWaypointState {
  int index = kNoIndex;  // table index steered for; kNoIndex when off
  Waypoint start;        // named "POS", position -999 until given
  std::string label;     // the target's label; prompt string 113 when none
  bool active() const { return index != kNoIndex; }
};

struct Voyage {
  std::vector<Waypoint> waypoints;  // at most kMaxWaypoints, route order

  std::string routeFileName;
  std::string departurePort;
  std::string arrivalPort;
  double fileSpeed = 0;      // knots
  std::string fileSpeedText;
  // The file speed as the last extraction took it from the route text; a
  // file speed still equal to it is replaced by the next extraction.
  double routeFileSpeed = 0;
  std::string directionLabel;

  std::vector<int> charts;                        // !CHART numbers, first appearance order
  std::vector<InterceptRequest> latitudeRequests;  // !LAT
  std::vector<InterceptRequest> longitudeRequests; // !LON
  std::vector<std::string> notes;                  // !NOTE
  AmverInput amver;
  std::vector<ErrorLocation> errors;               // at most kMaxErrorLocations

  ToWaypointState toWaypoint;

  // Times: the departure and required arrival date-times are in the settings.
  bool arrivalTimeMode = false;  // the file speed is derived from the required arrival time
  double savedFileSpeed = 0;     // the file speed before that mode changed it
  double totalHours = 0;         // steaming plus stops
  double steamingHours = 0;
  int totalDays = 0, totalHoursPart = 0, totalMinutes = 0;

  int count() const { return static_cast<int>(waypoints.size()); }
  bool empty() const { return waypoints.empty(); }

  // The position of table entry `index`; kNoPosition for an index that
  // names no waypoint.
  double waypointLatitude(int index) const {
    return index >= 0 && index < count() ? waypoints[index].latitude : kNoPosition;
  }
  double waypointLongitude(int index) const {
    return index >= 0 && index < count() ? waypoints[index].longitude : kNoPosition;
  }

  // Keeps the first kMaxErrorLocations errors; later ones are dropped.
  void recordError(ErrorLocation location) {
    if (static_cast<int>(errors.size()) < kMaxErrorLocations) errors.push_back(std::move(location));
  }
};

}  // namespace z5
