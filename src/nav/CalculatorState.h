#pragma once
// What the interactive calculators remember between uses: the defaults of
// their next question and the texts of their last results (shown in the
// status bar and the settings sheet).

#include <string>

#include "base/DateTime.h"
#include "route/Waypoint.h"

namespace z5 {

struct CalculatorState {
  // Interval calculator: FM and TO stay the defaults of the next use.
  DateTime intervalFrom;
  DateTime intervalTo;
  std::string intervalText;

  // DR position: the last time asked for.
  DateTime drTime;
  std::string drText;

  // Intercepts: the last latitude asked for Lon? and the last longitude
  // asked for Lat? (kNoPosition when none), and the last result text.
  double lastInterceptLatitude = kNoPosition;
  double lastInterceptLongitude = kNoPosition;
  std::string interceptText;

  // To-waypoint calculator: its status text and its last result.
  std::string toWaypointStatus;
  std::string toWaypointText;

  // Great-circle set-up status text.
  std::string greatCircleStatus;
};

}  // namespace z5
