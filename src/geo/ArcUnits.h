#pragma once
// Units of arc: degrees, minutes and seconds of arc, and radians. The map,
// the chart catalogue and the world data files count whole arc-seconds.

namespace z5 {

inline constexpr double kMinutesPerDegree = 60;
inline constexpr double kArcSecondsPerMinute = 60;
inline constexpr int kSecondsPerDegree = 3600;  // arc-seconds

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kRadiansPerDegree = 0.017453292519943295;
inline constexpr double kDegreesPerRadian = 57.29577951308232;

}  // namespace z5
