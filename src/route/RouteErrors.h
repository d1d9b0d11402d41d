#pragma once
// The numbered error strings that stop a route extraction, with how long
// each is shown.

namespace z5 {

struct RouteError {
  int number;        // error string
  int milliseconds;  // shown for
};

inline constexpr RouteError kRouteNotOpened{2, 3000};
inline constexpr RouteError kRouteTooLarge{15, 8000};
inline constexpr RouteError kBadSpeed{3, 8000};
inline constexpr RouteError kBadZone{4, 8000};
inline constexpr RouteError kBadStop{5, 8000};
inline constexpr RouteError kBadGcInterval{6, 8000};
inline constexpr RouteError kBadLatitudeRequest{7, 8000};
inline constexpr RouteError kLatitudeRequestsFull{8, 8000};
inline constexpr RouteError kBadLongitudeRequest{9, 8000};
inline constexpr RouteError kLongitudeRequestsFull{10, 8000};
inline constexpr RouteError kBadAmverSpeed{11, 3000};
inline constexpr RouteError kUnknownAmverLine{12, 8000};
inline constexpr RouteError kNoWaypointMemory{13, 8000};
inline constexpr RouteError kNoNoteMemory{14, 8000};
inline constexpr RouteError kLatitudeMissing{16, 8000};
inline constexpr RouteError kBadLatitude{17, 3000};
inline constexpr RouteError kLongitudeMissing{18, 3000};
inline constexpr RouteError kBadLongitude{19, 3000};
inline constexpr RouteError kSamePosition{20, 3000};
inline constexpr RouteError kBadChart{44, 8000};
inline constexpr RouteError kTooManyNotes{45, 8000};
inline constexpr RouteError kUnknownDirective{46, 8000};
inline constexpr RouteError kNoSentenceName{84, 3000};
inline constexpr RouteError kBadSentence{85, 3000};

}  // namespace z5
