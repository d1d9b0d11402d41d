#pragma once
// Rules every voyage report shares: where the rows start, the speed of a
// row, whether times are printed, the arrival time, and the page heading.

#include <string>

#include "base/SettingsRecord.h"
#include "base/StringTable.h"
#include "report/ReportContext.h"
#include "route/Voyage.h"

namespace z5 {

// The first row of a report: the first waypoint, or the entered position
// when the voyage is computed from it (to-waypoint mode).
struct ReportStart {
  const Waypoint* point = nullptr;  // nullptr for an empty voyage
  int index = 0;                    // table index the first row stands for
  bool enteredPosition = false;
};
ReportStart reportStart(const Voyage& voyage);

// Speeds at or below this are not printed as speeds (knots).
inline constexpr double kNoRowSpeed = 0.0001;
// A leg is timed only at a speed above this (knots).
inline constexpr double kTimingSpeed = 0.001;
// A stop longer than this (hours) lists its waypoint twice: arriving and leaving.
inline constexpr double kListedStopHours = 0.000001;

// The speed of the leg that arrives at the row of table index `index`: the
// speed of the entry before it, else the file speed, else 0. For the first
// row (`firstRow`), the row's own speed, else the file speed, else 0.
double rowSpeed(const Voyage& voyage, int index, bool firstRow, const Waypoint& row);

// Times are printed: a departure time is given, the file speed is above
// 0.001 knots and NO_ETA_OUT is 0.
bool etaOn(const SettingsRecord& settings, const Voyage& voyage);

// The ports of the voyage as it is sailed: with backwards routing the
// route file's arrival port (!ARRIVING) is where the voyage departs, and
// its departure port where it arrives. Empty when not given.
const std::string& departurePort(const SettingsRecord& settings, const Voyage& voyage);
const std::string& arrivalPort(const SettingsRecord& settings, const Voyage& voyage);

// Hours from the departure time to the arrival at the last waypoint: the
// voyage's total hours without the stop at the last waypoint (the stop at
// the start point is inside the total).
double arrivalHours(const Voyage& voyage);

// The vessel name or the call sign differs from its default ("vessel",
// "call"): headings then name them.
bool vesselNamed(const SettingsRecord& settings);

// The prompt strings of a heading: with the vessel and call sign, and without.
struct HeadingStrings {
  PromptNumber<std::string, std::string, std::string, std::string, std::string> withVessel;
  PromptNumber<std::string, std::string, std::string> plain;
};
// The voyage report's heading strings.
inline constexpr HeadingStrings kReportHeading{27, 28};

// A page heading: the `withVessel` string with the program, the route file,
// the date text, the vessel and the call sign when either differs from its
// default, else the `plain` string without those two.
std::string reportHeading(const ReportContext& context, HeadingStrings strings = kReportHeading);

// The program's name in headings.
inline constexpr const char* kProgramName = "Z5";

}  // namespace z5
