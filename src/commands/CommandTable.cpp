#include "commands/CommandTable.h"

#include <algorithm>
#include <array>
#include <utility>

#include "commands/CommandActions.h"
#include "commands/CommandIds.h"
#include "commands/ToggleLabels.h"

namespace z5 {
namespace {

using namespace cmd;
using Cond = CommandConditions;
using S = SettingsRecord;

// --- State rules ---

bool documentOpen(const Cond& c) { return c.documents.active != DocumentConditions::Kind::None; }
bool hasWaypoints(const Cond& c) { return documentOpen(c) && !c.voyage.empty(); }

CommandState always(const Cond&) { return {}; }
CommandState alwaysChecked(bool checked) { return {true, checked}; }
// Most commands need a document with a file.
CommandState common(const Cond& c) { return {c.documents.documentWithFile()}; }
CommandState commonChecked(const Cond& c, bool checked) { return {c.documents.documentWithFile(), checked}; }
// A tool-bar button that is not shown is not enabled either.
CommandState shownIf(bool shown) { return {shown, false, !shown}; }

template <int S::*Field>
CommandState checkedBy(const Cond& c) {
  return commonChecked(c, c.settings.*Field == 1);
}
template <int S::*Field>
CommandState alwaysCheckedBy(const Cond& c) {
  return alwaysChecked(c.settings.*Field == 1);
}
template <int Format>
CommandState outputFormat(const Cond& c) {
  return commonChecked(c, c.settings.OUTPUT_FORMAT == Format);
}

// Every window leads to a route: a route itself, an output's, a map's.
CommandState extractable(const Cond& c) { return {documentOpen(c)}; }
CommandState withWaypoints(const Cond& c) { return {hasWaypoints(c)}; }
CommandState backwards(const Cond& c) { return {hasWaypoints(c), c.settings.backwardsRouting == 1}; }
CommandState toWaypointMode(const Cond& c) { return {hasWaypoints(c), c.voyage.toWaypoint.active()}; }
CommandState greatCircle(const Cond& c) { return commonChecked(c, c.settings.greatCircle.mode != 0); }

constexpr double kLeastSpeed = 0.001;
CommandState speedSet(const Cond& c) {
  return commonChecked(c, !c.settings.arrival.valid() && c.voyage.fileSpeed > kLeastSpeed);
}
CommandState departureSet(const Cond& c) { return commonChecked(c, c.settings.departure.valid()); }
CommandState arrivalSet(const Cond& c) { return commonChecked(c, c.settings.arrival.valid()); }
CommandState roundingSet(const Cond& c) { return commonChecked(c, c.settings.ROUNDING > 1); }

CommandState vesselSet(const Cond& c) { return commonChecked(c, c.settings.VESSEL != kDefaultVessel); }
CommandState callSet(const Cond& c) { return commonChecked(c, c.settings.CALL != kDefaultCall); }
CommandState remarkSet(const Cond& c) { return commonChecked(c, !c.settings.REMARK.empty()); }
CommandState labelStartSet(const Cond& c) { return commonChecked(c, c.settings.firstRowNumber > 1); }

CommandState gpsRunning(const Cond& c) { return alwaysChecked(c.gpsRunning); }
CommandState gotoSet(const Cond& c) { return {!c.voyage.empty(), c.gotoWaypointSet}; }
CommandState gpsDialogHidden(const Cond& c) { return {c.gpsRunning, c.gpsRunning && !c.gpsDialogVisible}; }

CommandState centreWaypointSet(const Cond& c) {
  return commonChecked(c, c.documents.activeMapCentreIndex.value_or(c.mapView.centreIndex) != kNoIndex);
}
CommandState viewPointSet(const Cond& c) { return commonChecked(c, c.mapView.viewPointMode); }
CommandState userFileSet(const Cond& c) { return commonChecked(c, !c.settings.USER_POINT_FILE.empty()); }
CommandState twoColour(const Cond& c) { return commonChecked(c, c.settings.IN_COLOR == 0); }

CommandState noSave(const Cond& c) { return alwaysChecked(c.settings.noSave == 1); }
CommandState messageWindowHidden(const Cond& c) { return alwaysChecked(c.messageWindowHidden); }

CommandState shownWithDocument(const Cond& c) { return shownIf(documentOpen(c)); }
CommandState shownWithFile(const Cond& c) { return shownIf(c.documents.documentWithFile()); }
CommandState shownWithMap(const Cond& c) { return shownIf(c.documents.mapWithFile()); }
CommandState zoomInShown(const Cond& c) { return shownIf(c.documents.mapWithFile() && canZoom(c.mapView, Zoom::In)); }
CommandState zoomOutShown(const Cond& c) { return shownIf(c.documents.mapWithFile() && canZoom(c.mapView, Zoom::Out)); }
bool textActive(const Cond& c) {
  const auto kind = c.documents.active;
  return kind == DocumentConditions::Kind::Route || kind == DocumentConditions::Kind::Output;
}
CommandState editorActive(const Cond& c) { return {textActive(c)}; }

// The window's own commands.
bool fontsActive(const Cond& c) { return textActive(c) || c.documents.active == DocumentConditions::Kind::Map; }
CommandState withDocument(const Cond& c) { return {documentOpen(c)}; }
CommandState canUndo(const Cond& c) { return {textActive(c) && c.frame.canUndo}; }
CommandState canRedo(const Cond& c) { return {textActive(c) && c.frame.canRedo}; }
CommandState withSelection(const Cond& c) { return {textActive(c) && c.frame.hasSelection}; }
CommandState canPaste(const Cond& c) { return {textActive(c) && c.frame.canPaste}; }
CommandState wordWrap(const Cond& c) { return {textActive(c), c.frame.wordWrap}; }
CommandState fonts(const Cond& c) { return {fontsActive(c)}; }
// Checked while printing uses the display font; only an own printer font can be dropped.
CommandState mirrorDisplayFont(const Cond& c) {
  return {fontsActive(c) && c.frame.printerFontSet, !c.frame.printerFontSet};
}
CommandState toolBarShown(const Cond& c) { return alwaysChecked(c.frame.toolBarShown); }
CommandState statusBarShown(const Cond& c) { return alwaysChecked(c.frame.statusBarShown); }
// The list's first entry stays in the menu, greyed, while the list is empty.
template <int Index>
CommandState recentFile(const Cond& c) {
  const bool listed = Index < c.frame.recentFiles;
  return {listed, false, !listed && Index > 0};
}
CommandState withWindows(const Cond& c) { return {c.frame.windows > 0}; }
CommandState withTwoWindows(const Cond& c) { return {c.frame.windows > 1}; }
template <int Index>
CommandState windowEntry(const Cond& c) {
  const bool listed = Index < c.frame.windows;
  return {listed, Index == c.frame.activeWindow, !listed};
}

// --- The table ---

template <FrameCommand F, int Index = 0>
void frame(CommandContext& ctx) {
  ctx.runFrameCommand(F, Index);
}
using F = FrameCommand;

constexpr Prologue C = Prologue::ClearMessages;
constexpr Prologue K = Prologue::KeepMessages;

constexpr std::array kMenuCommands = {
    // Calc.
    Command{kExtractRoute, C, extractRoute, extractable},
    Command{kShowDefaultOutput, C, showDefaultOutput, common},
    Command{kNormalOutput, K, writeOutputIn<1>, outputFormat<1>},
    Command{kDelimitedOutput, C, writeOutputIn<2>, outputFormat<2>},
    Command{kAmverOutput, K, writeOutputIn<3>, outputFormat<3>},
    Command{kMoverepOutput, K, writeOutputIn<4>, outputFormat<4>},
    Command{kDataFileOutput, K, writeOutputIn<5>, outputFormat<5>},
    Command{kNmeaOutput, K, writeOutputIn<6>, outputFormat<6>},
    Command{kGpxOutput, K, writeOutputIn<7>, common},
    Command{kLatitudeIntercept, C, latitudeIntercept, withWaypoints},
    Command{kLongitudeIntercept, C, longitudeIntercept, withWaypoints},
    Command{kGreatCirclePoints, C, greatCirclePoints, greatCircle},
    Command{kGeodeticLength, C, geodeticLength, checkedBy<&S::LEN_LAT_LON>},
    Command{kGcPointsGetGcData, C, gcPointsGetGcData, checkedBy<&S::GC_PT_GCD>},
    Command{kBackwardsRouting, C, backwardsRouting, backwards},
    Command{kToWaypoint, C, cmd::toWaypoint, toWaypointMode},
    Command{kDelimitingCharacter, K, delimitingCharacter, always},
    Command{kExtraPrecision, C, extraPrecision, checkedBy<&S::EXTRA_PRECISION>},
    Command{kCheckRoute, C, checkRoute, withWaypoints},
    // File.
    Command{kImportGpx, C, importGpx, always},
    // Time/Speed.
    Command{kSpeed, C, speed, speedSet},
    Command{kDepartureTime, C, departureTime, departureSet},
    Command{kArrivalTime, C, arrivalTime, arrivalSet},
    Command{kInterval, C, interval, always},
    Command{kDrPosition, C, drPosition, common},
    Command{kRounding, C, rounding, roundingSet},
    Command{kNoEta, C, toggleSetting<&S::NO_ETA_OUT, kNoEtaLabel, kRouteReload>, checkedBy<&S::NO_ETA_OUT>},
    Command{kNoAmverMonth, C, toggleSetting<&S::NO_AMVER_MONTH, kNoAmverMonthLabel, kRouteReload>,
            checkedBy<&S::NO_AMVER_MONTH>},
    // Labeling.
    Command{kVesselName, C, vesselName, vesselSet},
    Command{kCallSign, C, callSign, callSet},
    Command{kRemark, C, remark, remarkSet},
    Command{kNumberLabelStart, C, numberLabelStart, labelStartSet},
    // Suppress (with the two switches above).
    Command{kNoFileCharts, C, toggleSetting<&S::NO_FILE_CHART_OUT, kNoFileChartsLabel, kRouteReload>,
            checkedBy<&S::NO_FILE_CHART_OUT>},
    Command{kNoCalculatedCharts, C, toggleSetting<&S::NO_CALC_CHART_OUT, kNoCalculatedChartsLabel, kRouteReload>,
            checkedBy<&S::NO_CALC_CHART_OUT>},
    Command{kNoGcWaypoints, C, noGcWaypoints, checkedBy<&S::NO_CALC_GC_OUT>},
    Command{kNoFileIntercepts, C, toggleSetting<&S::NO_FILE_INTER_OUT, kNoFileInterceptsLabel, kRouteReload>,
            checkedBy<&S::NO_FILE_INTER_OUT>},
    Command{kNoCalculatedIntercepts, C,
            toggleSetting<&S::NO_CALC_INTER_OUT, kNoCalculatedInterceptsLabel, kRouteReload>,
            checkedBy<&S::NO_CALC_INTER_OUT>},
    Command{kChartScaleLimits, C, chartScaleLimits, common},
    // GPS.
    Command{kGpsEnable, C, gpsEnable, gpsRunning},
    Command{kUnitSmgCmg, C, unitSmgCmg, alwaysCheckedBy<&S::GPS_SMG_CMG>},
    Command{kNumberSamples, C, numberSamples, always},
    Command{kSampleInterval, K, sampleInterval, always},
    Command{kViewLog, K, viewLog, always},
    Command{kGotoWaypoint, C, gotoWaypoint, gotoSet},
    Command{kLogTrack, C, logTrack, alwaysCheckedBy<&S::GPS_LOG>},
    Command{kLabelLogTrack, C, labelLogTrack, alwaysCheckedBy<&S::GPS_LABEL_TRACK>},
    Command{kLogInterval, C, logInterval, always},
    Command{kDisplayTrack, C, displayTrack, alwaysCheckedBy<&S::GPS_DISPLAY_TRACK>},
    Command{kResetLog, K, resetLog, always},
    Command{kHideGpsDialog, K, hideGpsDialog, gpsDialogHidden},
    Command{kGpsAtStartUp, C, gpsAtStartUp, alwaysCheckedBy<&S::GPS_AT_START>},
    Command{kSerialPort, C, serialPort, always},
    Command{kBaudRate, C, baudRate, always},
    // Map.
    Command{kMap, C, cmd::map, common},
    Command{kWaypointPoint, C, waypointPoint, centreWaypointSet},
    Command{kViewPoint, C, viewPoint, viewPointSet},
    Command{kDegreeSpan, C, degreeSpan, common},
    Command{kUserPointFile, C, userPointFile, userFileSet},
    Command{kUserPointPlot, C, userPointPlot, checkedBy<&S::FILE_PT>},
    Command{kGridLines, C, toggleSetting<&S::GRID, kGridLabel, kMapReloadAndRedraw>, checkedBy<&S::GRID>},
    Command{kLandEdges, C, toggleSetting<&S::LAND, kLandLabel, kMapReloadAndRedraw>, checkedBy<&S::LAND>},
    Command{kChartOutlines, C, toggleSetting<&S::CHARTS, kChartsLabel, kMapReloadAndRedraw>, checkedBy<&S::CHARTS>},
    Command{kPorts, C, toggleSetting<&S::PORTS, kPortsLabel, kMapReloadAndRedraw>, checkedBy<&S::PORTS>},
    Command{kSeaFeatures, C, toggleSetting<&S::SEA, kSeaLabel, kMapReloadAndRedraw>, checkedBy<&S::SEA>},
    Command{kRivers, C, toggleSetting<&S::RIVERS, kRiversLabel, kMapReloadAndRedraw>, checkedBy<&S::RIVERS>},
    Command{kBoundaries, C, toggleSetting<&S::BOUNDARIES, kBoundariesLabel, kMapReloadAndRedraw>,
            checkedBy<&S::BOUNDARIES>},
    Command{kTwoColour, C, toggleSetting<&S::IN_COLOR, kColourLabel, kMapReloadAndRedraw>, twoColour},
    Command{kNamesOnWaypoints, C, toggleSetting<&S::NAMES, kNamesLabel, kMapReloadAndRedraw | kRouteReload>,
            checkedBy<&S::NAMES>},
    Command{kInvertBackground, C, toggleSetting<&S::MAP_INVERT, kInvertLabel, kMapReloadAndRedraw>,
            checkedBy<&S::MAP_INVERT>},
    Command{kColourSettings, C, colourSettings, common},
    // Settings.
    Command{kSettingsSheet, C, settingsSheet, always},
    Command{kDefaultSettings, C, defaultSettings, always},
    Command{kRestartSettings, C, restartSettings, always},
    Command{kNoSaveOnExit, C, noSaveOnExit, noSave},
    // The frame. Showing the message window again keeps what it showed.
    Command{kHideMessageWindow, K, hideMessageWindow, messageWindowHidden},
    Command{kReadme, K, readme, always},
    Command{kZoomIn, C, zoomIn, zoomInShown},
    Command{kZoomOut, C, zoomOut, zoomOutShown},
    // The map tool bar.
    Command{kMapDisplayButton, C, cmd::map, shownWithDocument},
    Command{kDefaultOutputButton, C, showDefaultOutput, shownWithDocument},
    Command{kSourceFileButton, C, cmd::showSourceFile, shownWithFile},
    Command{kZoomInButton, C, zoomIn, zoomInShown},
    Command{kZoomOutButton, C, zoomOut, zoomOutShown},
    Command{kSpanHundredthButton, C, spanButton<0>, shownWithMap},
    Command{kSpanTenthButton, C, spanButton<1>, shownWithMap},
    Command{kSpanOneButton, C, spanButton<2>, shownWithMap},
    Command{kSpanTenButton, C, spanButton<3>, shownWithMap},
    Command{kSpanHundredButton, C, spanButton<4>, shownWithMap},
    // The window's own: File.
    Command{kFileNew, K, frame<F::New>, always},
    Command{kFileOpen, K, frame<F::Open>, always},
    Command{kFileClose, K, frame<F::Close>, withDocument},
    Command{kFileSave, K, frame<F::Save>, editorActive},
    Command{kFileSaveAs, K, frame<F::SaveAs>, editorActive},
    Command{kPageSetup, K, frame<F::PageSetup>, always},
    Command{kPrint, K, frame<F::Print>, withDocument},
    Command{kPrintPreview, K, frame<F::PrintPreview>, withDocument},
    Command{kFirstRecentFile, K, frame<F::RecentFile, 0>, recentFile<0>},
    Command{kFirstRecentFile + 1, K, frame<F::RecentFile, 1>, recentFile<1>},
    Command{kFirstRecentFile + 2, K, frame<F::RecentFile, 2>, recentFile<2>},
    Command{kFirstRecentFile + 3, K, frame<F::RecentFile, 3>, recentFile<3>},
    Command{kExit, K, frame<F::Exit>, always},
    // Edit.
    Command{kUndo, K, frame<F::Undo>, canUndo},
    Command{kRedo, K, frame<F::Redo>, canRedo},
    Command{kCut, K, frame<F::Cut>, withSelection},
    Command{kCopy, K, frame<F::Copy>, withSelection},
    Command{kPaste, K, frame<F::Paste>, canPaste},
    Command{kFind, K, frame<F::Find>, editorActive},
    Command{kFindNext, K, frame<F::FindNext>, editorActive},
    Command{kReplace, K, frame<F::Replace>, editorActive},
    Command{kGotoLine, K, frame<F::GotoLine>, editorActive},
    Command{kWordWrap, K, frame<F::WordWrap>, wordWrap},
    Command{kTabStops, K, frame<F::TabStops>, editorActive},
    Command{kFont, K, frame<F::Font>, fonts},
    Command{kPrinterFont, K, frame<F::PrinterFont>, fonts},
    Command{kMirrorDisplayFont, K, frame<F::MirrorDisplayFont>, mirrorDisplayFont},
    // View.
    Command{kToolBar, K, frame<F::ToolBar>, toolBarShown},
    Command{kStatusBar, K, frame<F::StatusBar>, statusBarShown},
    // Window.
    Command{kCascade, K, frame<F::Cascade>, withWindows},
    Command{kTile, K, frame<F::Tile>, withWindows},
    Command{kNextWindow, K, frame<F::NextWindow>, withTwoWindows},
    Command{kFirstWindow, K, frame<F::Window, 0>, windowEntry<0>},
    Command{kFirstWindow + 1, K, frame<F::Window, 1>, windowEntry<1>},
    Command{kFirstWindow + 2, K, frame<F::Window, 2>, windowEntry<2>},
    Command{kFirstWindow + 3, K, frame<F::Window, 3>, windowEntry<3>},
    Command{kFirstWindow + 4, K, frame<F::Window, 4>, windowEntry<4>},
    Command{kFirstWindow + 5, K, frame<F::Window, 5>, windowEntry<5>},
    Command{kFirstWindow + 6, K, frame<F::Window, 6>, windowEntry<6>},
    Command{kFirstWindow + 7, K, frame<F::Window, 7>, windowEntry<7>},
    Command{kFirstWindow + 8, K, frame<F::Window, 8>, windowEntry<8>},
    // Help.
    Command{kHelpTopics, K, frame<F::HelpTopics>, always},
    Command{kContextHelp, K, frame<F::ContextHelp>, always},
    Command{kAbout, K, frame<F::About>, always},
};
static_assert(kRecentFileCount == 4 && kWindowListSize == 9, "one row per recent file and listed window");

// The "!&Lines" menu: one command per directive template.
template <std::size_t... I>
constexpr std::array<Command, sizeof...(I)> directiveCommands(std::index_sequence<I...>) {
  return {Command{directiveTemplateCommand(I), K, insertDirectiveTemplate<I>, editorActive}...};
}

template <std::size_t N, std::size_t M>
constexpr std::array<Command, N + M> joined(const std::array<Command, N>& a, const std::array<Command, M>& b) {
  std::array<Command, N + M> all{};
  std::copy(a.begin(), a.end(), all.begin());
  std::copy(b.begin(), b.end(), all.begin() + N);
  return all;
}

constexpr auto kCommands =
    joined(kMenuCommands, directiveCommands(std::make_index_sequence<kDirectiveTemplates.size()>()));

constexpr bool identifiersUnique() {
  for (std::size_t i = 0; i < kCommands.size(); ++i) {
    for (std::size_t j = i + 1; j < kCommands.size(); ++j) {
      if (kCommands[i].id == kCommands[j].id) return false;
    }
  }
  return true;
}
static_assert(identifiersUnique(), "a command identifier is in the table twice");

}  // namespace

std::span<const Command> commandTable() { return kCommands; }

const Command* findCommand(int id) {
  const auto found = std::find_if(kCommands.begin(), kCommands.end(), [id](const Command& c) { return c.id == id; });
  return found == kCommands.end() ? nullptr : &*found;
}

bool runCommand(CommandContext& ctx, int id) {
  const Command* command = findCommand(id);
  if (command == nullptr || !command->state(commandConditions(ctx)).enabled) return false;
  if (command->prologue == Prologue::ClearMessages) ctx.messages().clear();
  command->action(ctx);
  return true;
}

CommandState CommandStates::operator[](int id) const {
  const Command* command = findCommand(id);
  if (command == nullptr) return {false};
  return states_[static_cast<std::size_t>(command - kCommands.data())];
}

CommandConditions commandConditions(CommandContext& ctx) {
  MapViewState view;
  {
    Lock hold(ctx.mapLock());
    view = ctx.mapView();
  }
  GpsMonitor& gps = ctx.gps();
  return CommandConditions{ctx.settings(),
                           ctx.voyage(),
                           view,
                           ctx.documents(),
                           gps.running(),
                           ctx.gpsDialog().visible(),
                           gps.gotoIndex() != kNoIndex,
                           !ctx.messages().windowShown(),
                           ctx.frameConditions()};
}

CommandStates commandStates(const CommandConditions& conditions) {
  std::vector<CommandState> states;
  states.reserve(kCommands.size());
  for (const Command& command : kCommands) states.push_back(command.state(conditions));
  return CommandStates(std::move(states), conditions.documents.active == DocumentConditions::Kind::Map);
}

}  // namespace z5
