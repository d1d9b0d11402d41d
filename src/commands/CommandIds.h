#pragma once
// The identifiers of the commands: the menus', the map tool bar's and the
// directive templates'. Help contexts and the window's actions are keyed by
// them, so they never change.

#include <cstddef>

#include "route/DirectiveTemplates.h"

namespace z5::cmd {

// Calc menu.
inline constexpr int kExtractRoute = 32786;
inline constexpr int kShowDefaultOutput = 32784;
inline constexpr int kNormalOutput = 32817;
inline constexpr int kDelimitedOutput = 32822;
inline constexpr int kAmverOutput = 32818;
inline constexpr int kMoverepOutput = 32819;
inline constexpr int kDataFileOutput = 32823;
inline constexpr int kNmeaOutput = 32954;
inline constexpr int kLatitudeIntercept = 32825;
inline constexpr int kLongitudeIntercept = 32826;
inline constexpr int kGreatCirclePoints = 32849;
inline constexpr int kGeodeticLength = 32848;
inline constexpr int kGcPointsGetGcData = 32951;
inline constexpr int kBackwardsRouting = 32858;
inline constexpr int kToWaypoint = 32831;
inline constexpr int kDelimitingCharacter = 32953;
inline constexpr int kExtraPrecision = 32955;
inline constexpr int kGpxOutput = 32956;
inline constexpr int kCheckRoute = 32957;

// The File menu's rows of this program (the window's own open, save and
// print commands stand beside them).
inline constexpr int kImportGpx = 32958;

// Time/Speed menu.
inline constexpr int kSpeed = 32829;
inline constexpr int kDepartureTime = 32827;
inline constexpr int kArrivalTime = 32828;
inline constexpr int kInterval = 32824;
inline constexpr int kDrPosition = 32830;
inline constexpr int kRounding = 32833;
inline constexpr int kNoEta = 32860;         // also in the Suppress menu
inline constexpr int kNoAmverMonth = 32882;  // also in the Suppress menu

// Labeling menu.
inline constexpr int kVesselName = 32834;
inline constexpr int kCallSign = 32835;
inline constexpr int kRemark = 32836;
inline constexpr int kNumberLabelStart = 32832;

// Suppress menu.
inline constexpr int kNoFileCharts = 32865;
inline constexpr int kNoCalculatedCharts = 32866;
inline constexpr int kNoGcWaypoints = 32888;
inline constexpr int kNoFileIntercepts = 32867;
inline constexpr int kNoCalculatedIntercepts = 32868;
inline constexpr int kChartScaleLimits = 32859;

// GPS menu.
inline constexpr int kGpsEnable = 32897;
inline constexpr int kUnitSmgCmg = 32947;
inline constexpr int kNumberSamples = 32900;
inline constexpr int kSampleInterval = 32901;
inline constexpr int kViewLog = 32899;
inline constexpr int kGotoWaypoint = 32952;
inline constexpr int kLogTrack = 32902;
inline constexpr int kLabelLogTrack = 32907;
inline constexpr int kLogInterval = 32903;
inline constexpr int kDisplayTrack = 32904;
inline constexpr int kResetLog = 32898;
inline constexpr int kHideGpsDialog = 32905;
inline constexpr int kGpsAtStartUp = 32908;
inline constexpr int kSerialPort = 32942;
inline constexpr int kBaudRate = 32943;

// Map menu.
inline constexpr int kMap = 32787;
inline constexpr int kWaypointPoint = 32821;
inline constexpr int kViewPoint = 32820;
inline constexpr int kDegreeSpan = 32838;
inline constexpr int kUserPointFile = 32896;
inline constexpr int kUserPointPlot = 32895;
inline constexpr int kGridLines = 32850;
inline constexpr int kLandEdges = 32851;
inline constexpr int kChartOutlines = 32852;
inline constexpr int kPorts = 32853;
inline constexpr int kSeaFeatures = 32854;
inline constexpr int kRivers = 32855;
inline constexpr int kBoundaries = 32856;
inline constexpr int kTwoColour = 32857;
inline constexpr int kNamesOnWaypoints = 32862;
inline constexpr int kInvertBackground = 32885;
inline constexpr int kColourSettings = 32863;

// Settings menu.
inline constexpr int kSettingsSheet = 32869;
inline constexpr int kDefaultSettings = 32873;
inline constexpr int kRestartSettings = 32871;
inline constexpr int kNoSaveOnExit = 32872;

// The frame's own.
inline constexpr int kHideMessageWindow = 32949;
inline constexpr int kReadme = 32887;
inline constexpr int kZoomIn = 32893;
inline constexpr int kZoomOut = 32894;

// The map tool bar.
inline constexpr int kMapDisplayButton = 32913;
inline constexpr int kDefaultOutputButton = 32914;
inline constexpr int kSourceFileButton = 32916;
inline constexpr int kZoomInButton = 32926;
inline constexpr int kZoomOutButton = 32927;
inline constexpr int kSpanHundredthButton = 32934;
inline constexpr int kSpanTenthButton = 32936;
inline constexpr int kSpanOneButton = 32937;
inline constexpr int kSpanTenButton = 32938;
inline constexpr int kSpanHundredButton = 32939;

// The window's own commands (File, Edit, View, Window, Help), with the
// identifiers the window system gives them.
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kPageSetup = 57605;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kFirstRecentFile = 57616;
inline constexpr int kRecentFileCount = 4;
inline constexpr int kExit = 57665;
inline constexpr int kCopy = 57634;
inline constexpr int kCut = 57635;
inline constexpr int kFind = 57636;
inline constexpr int kPaste = 57637;
inline constexpr int kFindNext = 57640;
inline constexpr int kReplace = 57641;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kGotoLine = 32770;
inline constexpr int kWordWrap = 32771;
inline constexpr int kTabStops = 32772;
inline constexpr int kFont = 32773;
inline constexpr int kPrinterFont = 32774;
inline constexpr int kMirrorDisplayFont = 32775;
inline constexpr int kToolBar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kCascade = 57650;
inline constexpr int kTile = 57651;
inline constexpr int kNextWindow = 32776;
inline constexpr int kFirstWindow = 65280;
inline constexpr int kWindowListSize = 9;
inline constexpr int kAbout = 57664;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kContextHelp = 57669;

// The directive templates, one command each, numbered in template order.
inline constexpr int kFirstDirectiveTemplate = 33000;
inline constexpr int directiveTemplateCommand(std::size_t templateIndex) {
  return kFirstDirectiveTemplate + static_cast<int>(templateIndex);
}
inline constexpr int kLastDirectiveTemplate = directiveTemplateCommand(kDirectiveTemplates.size() - 1);

}  // namespace z5::cmd
