#pragma once
// The labels (prompt strings) of the switches' toggle messages, shared by
// the menu commands and the settings sheet.

namespace z5::cmd {

inline constexpr int kGeodeticLabel = 229;
inline constexpr int kGcPointsLabel = 230;
inline constexpr int kBackwardsLabel = 231;
inline constexpr int kExtraPrecisionLabel = 303;

inline constexpr int kNoFileChartsLabel = 251;
inline constexpr int kNoFileInterceptsLabel = 252;
inline constexpr int kNoCalculatedChartsLabel = 253;
inline constexpr int kNoCalculatedInterceptsLabel = 254;
inline constexpr int kNoEtaLabel = 255;
inline constexpr int kNoAmverMonthLabel = 256;
inline constexpr int kNoGcWaypointsLabel = 257;

inline constexpr int kGridLabel = 238;
inline constexpr int kLandLabel = 239;
inline constexpr int kChartsLabel = 240;
inline constexpr int kUserPointsLabel = 241;
inline constexpr int kRiversLabel = 242;
inline constexpr int kBoundariesLabel = 243;
inline constexpr int kSeaLabel = 244;
inline constexpr int kPortsLabel = 245;
inline constexpr int kInvertLabel = 246;
inline constexpr int kNamesLabel = 247;
inline constexpr int kColourLabel = 248;

inline constexpr int kGpsAtStartLabel = 277;
inline constexpr int kLabelTrackLabel = 276;
inline constexpr int kNoSaveLabel = 226;

}  // namespace z5::cmd
