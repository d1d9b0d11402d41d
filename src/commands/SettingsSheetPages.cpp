// The six pages of the settings sheet as data: each control's identifier,
// text, and the option, command or result text behind it.

#include <fmt/printf.h>

#include "base/TextUtil.h"
#include "commands/CommandIds.h"
#include "commands/SettingsSheet.h"
#include "commands/ToggleLabels.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

using namespace cmd;
using S = SettingsRecord;
using C = CommandContext;

enum Option {
  kBackwardsOption, kExtraPrecisionOption, kGeodeticOption, kGcPointsOption,
  kNoEtaOption, kNoAmverMonthOption,
  kNoCalcChartsOption, kNoFileChartsOption, kNoGcOption, kNoCalcInterOption, kNoFileInterOption,
  kBoundariesOption, kChartsOption, kGridOption, kInvertOption, kLandOption, kColourOption, kNamesOption,
  kPortsOption, kRiversOption, kSeaOption, kUserPointsOption,
  kGpsLogOption, kGpsAtStartOption, kGpsUnitOption, kGpsLabelOption, kGpsDisplayOption,
  kOptionCount
};

constexpr std::array<SheetOption, kOptionCount> kOptions = {{
    {&S::backwardsRouting, kBackwardsLabel},
    {&S::EXTRA_PRECISION, kExtraPrecisionLabel},
    {&S::LEN_LAT_LON, kGeodeticLabel},
    {&S::GC_PT_GCD, kGcPointsLabel},
    {&S::NO_ETA_OUT, kNoEtaLabel},
    {&S::NO_AMVER_MONTH, kNoAmverMonthLabel},
    {&S::NO_CALC_CHART_OUT, kNoCalculatedChartsLabel},
    {&S::NO_FILE_CHART_OUT, kNoFileChartsLabel},
    // Switched alone: the menu command's hold on GC_PT_GCD is not applied here.
    {&S::NO_CALC_GC_OUT, kNoGcWaypointsLabel},
    {&S::NO_CALC_INTER_OUT, kNoCalculatedInterceptsLabel},
    {&S::NO_FILE_INTER_OUT, kNoFileInterceptsLabel},
    {&S::BOUNDARIES, kBoundariesLabel},
    {&S::CHARTS, kChartsLabel},
    {&S::GRID, kGridLabel},
    {&S::MAP_INVERT, kInvertLabel},
    {&S::LAND, kLandLabel},
    {&S::IN_COLOR, kColourLabel, true},
    {&S::NAMES, kNamesLabel},
    {&S::PORTS, kPortsLabel},
    {&S::RIVERS, kRiversLabel},
    {&S::SEA, kSeaLabel},
    {&S::FILE_PT, kUserPointsLabel},
    {&S::GPS_LOG, 0, false, [](C& c) { c.gps().toggleLog(); }},
    {&S::GPS_AT_START, kGpsAtStartLabel},
    {&S::GPS_SMG_CMG, 0, false, [](C& c) { c.gps().toggleUnitSmgCmg(); }},
    {&S::GPS_LABEL_TRACK, kLabelTrackLabel},
    {&S::GPS_DISPLAY_TRACK, 0, false, [](C& c) { c.gps().toggleDisplayTrack(); }},
}};

// --- Calculation Settings ---

constexpr std::array kCalcChecks = {
    SheetCheck{1146, "&Backwards routing", kBackwardsOption},
    SheetCheck{1149, "&Extra (3 digit) lat lon output precision", kExtraPrecisionOption},
    SheetCheck{1147, "G&Eodetic Distances (length of Lat. and Lon.)", kGeodeticOption},
    SheetCheck{1148, "&GC points get GC data", kGcPointsOption},
};
constexpr std::array kCalcRadios = {
    SheetRadio{1028, "&Normal", 1},   SheetRadio{1029, "&CSF (Comma)", 2}, SheetRadio{1030, "&AMVER", 3},
    SheetRadio{1031, "&MOVEREP", 4},  SheetRadio{1032, "&Data file", 5},   SheetRadio{1033, "NMEA $CC&WPL ", 6},
};
constexpr std::array kCalcButtons = {
    SheetButton{1144, "&LAT?", kLatitudeIntercept, {1035}},
    SheetButton{1145, "L&ON?", kLongitudeIntercept, {1036}},
    SheetButton{1143, "Lat&X (GC calc)", kGreatCirclePoints, {1038}},
    SheetButton{1041, "&To Waypoint ", kToWaypoint, {1043}},
    SheetButton{1216, "CSV Delimiting C&Haracter", kDelimitingCharacter},
};
constexpr std::array kCalcTexts = {
    SheetText{1035, [](C& c) { return c.nav().calculators.interceptText; }},
    SheetText{1036, [](C& c) { return c.nav().calculators.interceptText; }},
    SheetText{1038, [](C& c) { return c.nav().calculators.greatCircleStatus; }},
    SheetText{1043, [](C& c) { return c.nav().calculators.toWaypointText; }, true},
};

// --- Time/Speed Settings ---

constexpr std::array kTimeChecks = {
    SheetCheck{1166, "No &ETA's in (normal, CSF) output", kNoEtaOption},
    SheetCheck{1170, "No &Months with AMVER", kNoAmverMonthOption},
};
constexpr std::array kTimeButtons = {
    SheetButton{1044, "&Speed", kSpeed, {1045, 1053}},
    SheetButton{1046, "&Departure Time GMT", kDepartureTime, {1051, 1053}},
    SheetButton{1047, "&Arrival Time GMT", kArrivalTime, {1053, 1045}},
    SheetButton{1048, "&Interval (dates to hours)", kInterval, {1052}},
    SheetButton{1050, "DR &Position (enter time)", kDrPosition, {1057}},
    SheetButton{1055, "&Rounding minute value", kRounding, {1087}},
};
constexpr std::array kTimeTexts = {
    SheetText{1045, [](C& c) { return c.voyage().fileSpeedText; }},
    SheetText{1051, [](C& c) { return c.settings().departureText; }},
    SheetText{1053, [](C& c) { return c.settings().arrivalRemark; }},
    SheetText{1052, [](C& c) { return c.nav().calculators.intervalText; }},
    SheetText{1057, [](C& c) { return c.nav().calculators.drText; }, true},
    SheetText{1087, [](C& c) { return c.settings().roundingText; }},
};

// --- Labeling Settings ---

constexpr std::size_t kVesselTyping = 40;
constexpr std::size_t kCallTyping = 20;
constexpr std::size_t kRemarkTyping = 200;

constexpr std::array kLabelButtons = {
    SheetButton{1056, "&Vessel name", kVesselName, {1048}},
    SheetButton{1045, "&Call sign", kCallSign, {1049}},
    SheetButton{1046, "&Remark", kRemark, {1050}},
    SheetButton{1047, "&Number label start", kNumberLabelStart, {1051}},
};
constexpr std::array kLabelTexts = {
    SheetText{1048, [](C& c) { return c.settings().VESSEL; }, false, &S::VESSEL, kVesselTyping},
    SheetText{1049, [](C& c) { return c.settings().CALL; }, false, &S::CALL, kCallTyping},
    SheetText{1050, [](C& c) { return c.settings().REMARK; }, false, &S::REMARK, kRemarkTyping},
    SheetText{1051, [](C& c) { return fmt::sprintf("%d", c.settings().firstRowNumber); }},
};

// --- Suppress (in output) ---

constexpr std::array kSuppressChecks = {
    SheetCheck{1156, "No &Calc Charts in output", kNoCalcChartsOption},
    SheetCheck{1166, "No &ETA's in (normal, CSF) output", kNoEtaOption},
    SheetCheck{1167, "No &File Charts in output", kNoFileChartsOption},
    SheetCheck{1169, "No &GC waypoints out", kNoGcOption},
    SheetCheck{1154, "No &Intercepts (calc. charts) out", kNoCalcInterOption},
    SheetCheck{1152, "No !&Lat !Lon intercepts out", kNoFileInterOption},
    SheetCheck{1170, "No &Months with AMVER", kNoAmverMonthOption},
};
constexpr std::array kSuppressButtons = {
    SheetButton{1063, "Chart &Scale limits", kChartScaleLimits, {1066, 1010}},
};
constexpr std::array kSuppressTexts = {
    SheetText{1066, [](C& c) { return c.settings().chartScale.lowerText; }},  // after "Largest Scale"
    SheetText{1010, [](C& c) { return c.settings().chartScale.upperText; }},  // after "Smallest Scale"
};

// --- Map Settings ---

constexpr int kCentreWaypointStatus = 264;  // number, name, latitude, longitude
constexpr int kViewPointStatus = 265;       // latitude, longitude

std::string centreWaypointText(C& c) {
  int index = kNoIndex;
  {
    Lock hold(c.mapLock());
    index = c.mapView().centreIndex;
  }
  const Voyage& voyage = c.voyage();
  if (index < 0 || index >= voyage.count()) return {};
  const Waypoint& w = voyage.waypoints[index];
  const bool threeDecimals = c.settings().EXTRA_PRECISION == 1;
  return c.messages().strings().prompt(kCentreWaypointStatus, index + c.settings().firstRowNumber, trim(w.name),
                                       formatPosition(w.latitude, PositionKind::Latitude, threeDecimals),
                                       formatPosition(w.longitude, PositionKind::Longitude, threeDecimals));
}

std::string viewPointText(C& c) {
  MapViewState view;
  {
    Lock hold(c.mapLock());
    view = c.mapView();
  }
  if (!view.viewPointMode) return {};
  const bool threeDecimals = c.settings().EXTRA_PRECISION == 1;
  return c.messages().strings().prompt(kViewPointStatus,
                                       formatPosition(view.viewLatitude, PositionKind::Latitude, threeDecimals),
                                       formatPosition(view.viewLongitude, PositionKind::Longitude, threeDecimals));
}

constexpr int kCentreWaypointBox = 1164;
constexpr int kViewPointBox = 1165;

constexpr std::array kMapChecks = {
    SheetCheck{1161, "&Boundaries", kBoundariesOption},
    SheetCheck{1154, "&Chart outlines", kChartsOption},
    SheetCheck{1151, "&Grid lines", kGridOption},
    SheetCheck{1156, "&Inverted background (swap print/screen)", kInvertOption},
    SheetCheck{1152, "&Land Edges", kLandOption},
    SheetCheck{1155, "&Two Color", kColourOption},
    SheetCheck{1157, "&Name labels on waypoints", kNamesOption},
    SheetCheck{1153, "&Ports", kPortsOption},
    SheetCheck{1159, "&Rivers", kRiversOption},
    SheetCheck{1160, "&Sea Features", kSeaOption},
    SheetCheck{1158, "&User file points file plot", kUserPointsOption},
};
constexpr std::array kMapButtons = {
    SheetButton{1069, "&Waypoint Point", kWaypointPoint, {1171, 1010, kCentreWaypointBox, kViewPointBox}},
    SheetButton{1070, "&View Point", kViewPoint, {1171, 1010, kCentreWaypointBox, kViewPointBox}},
    SheetButton{1071, "&Degree Span for Point", kDegreeSpan, {1011}},
    SheetButton{1162, "User &File", kUserPointFile, {1163}},
    SheetButton{1084, "&Color Settings", kColourSettings},
};
constexpr std::array kMapTexts = {
    SheetText{1171, centreWaypointText},
    SheetText{1010, viewPointText},
    SheetText{1011, [](C& c) {
                Lock hold(c.mapLock());
                return fmt::sprintf("%4.2f", c.mapView().degreeSpan);
              }},
    SheetText{1163, [](C& c) { return c.settings().USER_POINT_FILE; }},
};
constexpr std::array kMapCommandChecks = {
    SheetCommandCheck{kCentreWaypointBox, kWaypointPoint,
                      [](C& c) {
                        Lock hold(c.mapLock());
                        return c.mapView().centreIndex != kNoIndex;
                      }},
    SheetCommandCheck{kViewPointBox, kViewPoint,
                      [](C& c) {
                        Lock hold(c.mapLock());
                        return c.mapView().viewPointMode;
                      }},
};

// --- GPS ---

constexpr std::array kGpsChecks = {
    SheetCheck{1148, "&Log enable", kGpsLogOption},
    SheetCheck{1172, "GPS &At Start up", kGpsAtStartOption},
    SheetCheck{1181, "GPS &Unit SMG/CMG", kGpsUnitOption},
    SheetCheck{1179, "L&Abel track", kGpsLabelOption},
    SheetCheck{1149, "&Display logged track", kGpsDisplayOption},
};
constexpr std::array kGpsButtons = {
    SheetButton{1096, "L&og Interval (Sec.)", kLogInterval, {1105}},
    SheetButton{1095, "Sample &Interval (Sec)", kSampleInterval, {1104}},
    SheetButton{1094, "Sample &Number", kNumberSamples, {1103}},
    SheetButton{1108, "&Reset Log", kResetLog},
    SheetButton{1097, "&Baud (1200,2400,4800,9600)", kBaudRate, {1107}},
    SheetButton{1099, "&Port   default com1:", kSerialPort, {1185}},
};
constexpr std::array kGpsTexts = {
    SheetText{1105, [](C& c) { return c.gps().texts().main().logInterval; }},
    SheetText{1104, [](C& c) { return c.gps().texts().main().sampleInterval; }},
    SheetText{1103, [](C& c) { return c.gps().texts().main().samples; }},
    SheetText{1107, [](C& c) { return c.gps().baudText(); }},
    SheetText{1185, [](C& c) { return c.settings().GPS_PORT; }},
};

constexpr std::array<SheetPage, SettingsSheet::kPageCount> kPages = {{
    {"Calculation Settings", 111, kCalcChecks, kCalcRadios, kCalcButtons, kCalcTexts, {}},
    {"Time/Speed Settings", 113, kTimeChecks, {}, kTimeButtons, kTimeTexts, {}},
    {"Labeling Settings", 112, {}, {}, kLabelButtons, kLabelTexts, {}},
    {"Suppress (in output)", 114, kSuppressChecks, {}, kSuppressButtons, kSuppressTexts, {}},
    {"Map Settings", 116, kMapChecks, {}, kMapButtons, kMapTexts, kMapCommandChecks},
    {"GPS", 131, kGpsChecks, {}, kGpsButtons, kGpsTexts, {}},
}};

}  // namespace

std::span<const SheetOption> settingsSheetOptions() { return kOptions; }

std::span<const SheetPage> settingsSheetPages() { return kPages; }

}  // namespace z5
