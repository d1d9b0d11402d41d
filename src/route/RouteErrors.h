#pragma once
// The numbered error strings that stop a route extraction, with the
// arguments each names and how long each is shown.

#include <string>

#include "base/StringTable.h"

namespace z5 {

template <class... A>
struct RouteError {
  ErrorNumber<A...> number;  // error string, formatted with arguments A
  int milliseconds;          // shown for
};

// The two common argument lists: (line, file, waypoint number) and (line, file).
using WaypointError = RouteError<int, std::string, int>;
using LineError = RouteError<int, std::string>;

inline constexpr RouteError<std::string> kRouteNotOpened{2, 3000};            // file
inline constexpr RouteError<std::string, int> kRouteTooLarge{15, 8000};       // file, megabytes
inline constexpr WaypointError kBadSpeed{3, 8000};
inline constexpr WaypointError kBadZone{4, 8000};
inline constexpr WaypointError kBadStop{5, 8000};
inline constexpr RouteError<int, std::string, int, int> kBadGcInterval{6, 8000};  // ..., largest interval
inline constexpr LineError kBadLatitudeRequest{7, 8000};
inline constexpr RouteError<int, int, std::string> kLatitudeRequestsFull{8, 8000};  // limit, line, file
inline constexpr LineError kBadLongitudeRequest{9, 8000};
inline constexpr RouteError<int, int, std::string> kLongitudeRequestsFull{10, 8000};  // limit, line, file
inline constexpr WaypointError kBadAmverSpeed{11, 3000};
inline constexpr WaypointError kUnknownAmverLine{12, 8000};
inline constexpr RouteError<int> kNoWaypointMemory{13, 8000};  // waypoint
inline constexpr RouteError<int> kNoNoteMemory{14, 8000};      // note
inline constexpr WaypointError kLatitudeMissing{16, 8000};
inline constexpr WaypointError kBadLatitude{17, 3000};
inline constexpr WaypointError kLongitudeMissing{18, 3000};
inline constexpr WaypointError kBadLongitude{19, 3000};
inline constexpr WaypointError kSamePosition{20, 3000};
inline constexpr LineError kBadChart{44, 8000};
inline constexpr RouteError<int, int, std::string> kTooManyNotes{45, 8000};  // limit, line, file
inline constexpr LineError kUnknownDirective{46, 8000};
inline constexpr WaypointError kNoSentenceName{84, 3000};
inline constexpr WaypointError kBadSentence{85, 3000};

}  // namespace z5
