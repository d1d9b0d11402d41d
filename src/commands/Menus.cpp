#include "commands/Menus.h"

#include <array>

#include "commands/CommandIds.h"

namespace z5 {
namespace {

using namespace cmd;

constexpr MenuItem kLine{kSeparator, ""};

constexpr std::array kFileMenu = {
    MenuItem{kFileNew, "&New\tCtrl+N"},
    MenuItem{kFileOpen, "&Open...\tCtrl+O"},
    MenuItem{kFileClose, "&Close"},
    MenuItem{kFileSave, "&Save\tCtrl+S"},
    MenuItem{kFileSaveAs, "Save &As..."},
    kLine,
    MenuItem{kImportGpx, "Import GPX..."},
    kLine,
    MenuItem{kPageSetup, "Page Se&tup..."},
    MenuItem{kPrint, "&Print...\tCtrl+P"},
    MenuItem{kPrintPreview, "Print Pre&view"},
    kLine,
    MenuItem{kFirstRecentFile, "Recent File"},
    MenuItem{kFirstRecentFile + 1, "Recent File"},
    MenuItem{kFirstRecentFile + 2, "Recent File"},
    MenuItem{kFirstRecentFile + 3, "Recent File"},
    kLine,
    MenuItem{kExit, "E&xit"},
};

constexpr std::array kEditMenu = {
    MenuItem{kUndo, "&Undo\tCtrl+Z"},
    MenuItem{kRedo, "&Redo\tCtrl+Y"},
    kLine,
    MenuItem{kCut, "Cu&t\tCtrl+X"},
    MenuItem{kCopy, "&Copy\tCtrl+C"},
    MenuItem{kPaste, "&Paste\tCtrl+V"},
    kLine,
    MenuItem{kFind, "&Find...\tCtrl+F"},
    MenuItem{kFindNext, "Find &Next\tF3"},
    MenuItem{kReplace, "R&eplace...\tCtrl+H"},
    MenuItem{kGotoLine, "&Goto (line)\tCtrl+G"},
    kLine,
    MenuItem{kWordWrap, "&Word Wrap"},
    MenuItem{kTabStops, "Set Ta&b Stops..."},
    MenuItem{kFont, "Set &Font..."},
    MenuItem{kPrinterFont, "Set &Printer Font..."},
    MenuItem{kMirrorDisplayFont, "&Mirror Display Font"},
};

constexpr std::array kCalcMenu = {
    MenuItem{kExtractRoute, "&Extract Route "},
    MenuItem{kShowDefaultOutput, "&Show Default Output"},
    MenuItem{kNormalOutput, "&Normal Output"},
    MenuItem{kDelimitedOutput, "&Comma etc. delimited Output"},
    MenuItem{kAmverOutput, "&AMVER Output"},
    MenuItem{kMoverepOutput, "&MOVEREP Output"},
    MenuItem{kDataFileOutput, "&Data file Output"},
    MenuItem{kNmeaOutput, "NMEA $CC&WPL Output."},
    MenuItem{kGpxOutput, "&GPX Output"},
    MenuItem{kLatitudeIntercept, "&Lat?   (find intercept lat.)"},
    MenuItem{kLongitudeIntercept, "L&on?  (find intercept lon.)"},
    MenuItem{kGreatCirclePoints, "Lat&X - Great Circle points"},
    MenuItem{kGeodeticLength, "&Geodetic length lat/lon"},
    MenuItem{kGcPointsGetGcData, "GC &Points get GC data"},
    MenuItem{kBackwardsRouting, "&Backwards routing"},
    MenuItem{kToWaypoint, "&To Waypoint (give lat/lon)"},
    MenuItem{kDelimitingCharacter, "Delimiting c&Haracter"},
    MenuItem{kExtraPrecision, "Extra &Precision lat/lon (3 place)"},
    MenuItem{kCheckRoute, "Check &Route against land"},
};

constexpr std::array kTimeSpeedMenu = {
    MenuItem{kSpeed, "&Speed (file speeds retained)"},
    MenuItem{kDepartureTime, "&Departure Time (GMT)"},
    MenuItem{kArrivalTime, "&Arrival Time (GMT)"},
    MenuItem{kInterval, "&Interval (dates to hours)"},
    MenuItem{kDrPosition, "DR  &Position (enter time)"},
    MenuItem{kRounding, "&Rounding minute value"},
    MenuItem{kNoEta, "&No ETA's in Normal output"},
    MenuItem{kNoAmverMonth, "No &Monthes with AMVER"},
};

constexpr std::array kLabelingMenu = {
    MenuItem{kVesselName, "&Vessel name "},
    MenuItem{kCallSign, "&Call sign"},
    MenuItem{kRemark, "&Remark (AMVER X/ line)"},
    MenuItem{kNumberLabelStart, "&Number label start"},
};

constexpr std::array kSuppressMenu = {
    MenuItem{kNoEta, "&No ETA's (normal, CSF)"},
    MenuItem{kNoFileCharts, "No &File Charts"},
    MenuItem{kNoCalculatedCharts, "No &Calculated Charts"},
    MenuItem{kNoGcWaypoints, "No &GC waypoints out"},
    MenuItem{kNoFileIntercepts, "No !&LAT !LON lines out"},
    MenuItem{kNoCalculatedIntercepts, "No &Intercepts (calc. charts)"},
    MenuItem{kNoAmverMonth, "No &Monthes with AMVER"},
    MenuItem{kChartScaleLimits, "Chart &Scale limits"},
};

constexpr std::array kGpsMenu = {
    MenuItem{kGpsEnable, "&GPS Enable"},
    MenuItem{kUnitSmgCmg, "&CMG/SMG from GPS unit"},
    MenuItem{kNumberSamples, "&Number Samples"},
    MenuItem{kSampleInterval, "&Sample Interval (Sec.)"},
    MenuItem{kViewLog, "&View log"},
    MenuItem{kGotoWaypoint, "Goto &Waypoint"},
    MenuItem{kLogTrack, "&Log Track"},
    MenuItem{kLabelLogTrack, "L&Abel Log Track"},
    MenuItem{kLogInterval, "&Interval Track Log (Sec.)"},
    MenuItem{kDisplayTrack, "&Display Track"},
    MenuItem{kResetLog, "&Reset log file"},
    MenuItem{kHideGpsDialog, "&Hide Dialog"},
    MenuItem{kGpsAtStartUp, "&At Start up"},
    MenuItem{kSerialPort, "Serial &Port name"},
    MenuItem{kBaudRate, "Serial port &Baud rate"},
};

constexpr std::array kMapMenu = {
    MenuItem{kMap, "&Map"},
    MenuItem{kWaypointPoint, "&Waypoint Point"},
    MenuItem{kViewPoint, "&View Point"},
    MenuItem{kDegreeSpan, "&Degree Span for Point"},
    MenuItem{kUserPointFile, "&File name for user locations"},
    MenuItem{kUserPointPlot, "&User location plot enable"},
    MenuItem{kGridLines, "&Grid lines"},
    MenuItem{kLandEdges, "&Land Edges"},
    MenuItem{kChartOutlines, "C&Hart outlines"},
    MenuItem{kPorts, "&Ports"},
    MenuItem{kSeaFeatures, "&Sea Features"},
    MenuItem{kRivers, "&Rivers"},
    MenuItem{kBoundaries, "&Boundaries"},
    MenuItem{kTwoColour, "&Two Color"},
    MenuItem{kNamesOnWaypoints, "&Names on waypoints"},
    MenuItem{kInvertBackground, "&Invert Background"},
    MenuItem{kColourSettings, "&Color Settings"},
};

constexpr std::array kSettingsMenu = {
    MenuItem{kSettingsSheet, "&Settings (Options)"},
    MenuItem{kDefaultSettings, "&Default settings"},
    MenuItem{kRestartSettings, "&Restart settings"},
    MenuItem{kNoSaveOnExit, "No Save on exit"},
};

constexpr auto kLinesMenu = [] {
  std::array<MenuItem, kDirectiveTemplates.size()> items{};
  for (std::size_t i = 0; i < items.size(); ++i) items[i] = {directiveTemplateCommand(i), kDirectiveTemplates[i].menuText};
  return items;
}();

constexpr std::array kViewMenu = {
    MenuItem{kToolBar, "&Toolbar"},
    MenuItem{kStatusBar, "&Status Bar"},
    kLine,
    MenuItem{kHideMessageWindow, "&Hide Message Window"},
    MenuItem{kZoomIn, "Zoom &In (Pg Dn)"},
    MenuItem{kZoomOut, "Zoom &Out (Pg Up)"},
};

constexpr std::array kWindowMenu = {
    MenuItem{kCascade, "&Cascade"},
    MenuItem{kTile, "&Tile"},
    MenuItem{kNextWindow, "&Next\tCtrl+F6"},
    kLine,
    MenuItem{kFirstWindow, "Window"},
    MenuItem{kFirstWindow + 1, "Window"},
    MenuItem{kFirstWindow + 2, "Window"},
    MenuItem{kFirstWindow + 3, "Window"},
    MenuItem{kFirstWindow + 4, "Window"},
    MenuItem{kFirstWindow + 5, "Window"},
    MenuItem{kFirstWindow + 6, "Window"},
    MenuItem{kFirstWindow + 7, "Window"},
    MenuItem{kFirstWindow + 8, "Window"},
};

constexpr std::array kHelpMenu = {
    MenuItem{kHelpTopics, "&Help Topics\tF1"},
    MenuItem{kReadme, "&Readme"},
    kLine,
    MenuItem{kAbout, "&About Z5..."},
};

constexpr std::array kMenus = {
    Menu{"&File", kFileMenu},         Menu{"&Edit", kEditMenu},           Menu{"&Calc", kCalcMenu},
    Menu{"&Time/Speed", kTimeSpeedMenu}, Menu{"L&abeling", kLabelingMenu}, Menu{"S&uppress", kSuppressMenu},
    Menu{"&GPS", kGpsMenu},           Menu{"&Map", kMapMenu},             Menu{"&Settings", kSettingsMenu},
    Menu{"!&Lines", kLinesMenu},      Menu{"&View", kViewMenu},           Menu{"&Window", kWindowMenu},
    Menu{"&Help", kHelpMenu},
};

constexpr std::array kMapToolBar = {
    MenuItem{kMapDisplayButton, "Map Display"},
    MenuItem{kDefaultOutputButton, "Show default format output."},
    MenuItem{kSourceFileButton, "Show source file."},
    MenuItem{kZoomInButton, "Zoom In (Pg Dn)"},
    MenuItem{kZoomOutButton, "Zoom Out (Pg Up)"},
    MenuItem{kSpanHundredthButton, "Show 100th degree radius map."},
    MenuItem{kSpanTenthButton, "Show 10th degree radius map."},
    MenuItem{kSpanOneButton, "Show 1 degree radius map."},
    MenuItem{kSpanTenButton, "Show 10 degree radius map."},
    MenuItem{kSpanHundredButton, "Show 100 degree radius map."},
};

constexpr std::array kMainToolBar = {
    MenuItem{kFileNew, "New"},
    MenuItem{kFileOpen, "Open"},
    MenuItem{kFileSave, "Save"},
    kLine,
    MenuItem{kCut, "Cut"},
    MenuItem{kCopy, "Copy"},
    MenuItem{kPaste, "Paste"},
    kLine,
    MenuItem{kPrint, "Print"},
    kLine,
    kMapToolBar[0],
    kMapToolBar[1],
    kMapToolBar[2],
    kLine,
    kMapToolBar[3],
    kMapToolBar[4],
    kMapToolBar[5],
    kMapToolBar[6],
    kMapToolBar[7],
    kMapToolBar[8],
    kMapToolBar[9],
    kLine,
    MenuItem{kHelpTopics, "Help Topics"},
    MenuItem{kContextHelp, "Help on the item clicked next"},
};

}  // namespace

std::span<const Menu> menus() { return kMenus; }

std::span<const MenuItem> mapToolBar() { return kMapToolBar; }

std::span<const MenuItem> mainToolBar() { return kMainToolBar; }

bool isEditingButton(int id) {
  return id == kFileNew || id == kFileSave || id == kCut || id == kCopy || id == kPaste;
}

bool isNumberedEntry(int id) {
  return (id >= kFirstRecentFile && id < kFirstRecentFile + kRecentFileCount) ||
         (id >= kFirstWindow && id < kFirstWindow + kWindowListSize);
}

std::string numberedEntryText(int index, std::string_view name) {
  return "&" + std::to_string(index + 1) + " " + std::string(name);
}

}  // namespace z5
