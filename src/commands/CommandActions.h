#pragma once
// The actions of the command table, one function each, by menu. The
// families that differ only in a setting, a format or a span are templates.

#include "commands/CommandContext.h"
#include "commands/CommandHelpers.h"
#include "map/MapViewControl.h"
#include "route/DirectiveTemplates.h"

namespace z5::cmd {

// Calc menu.
void extractRoute(CommandContext& ctx);
void showDefaultOutput(CommandContext& ctx);
template <int Format>
void writeOutputIn(CommandContext& ctx) {
  ctx.writeOutput(Format);
}
void latitudeIntercept(CommandContext& ctx);
void longitudeIntercept(CommandContext& ctx);
void greatCirclePoints(CommandContext& ctx);
void geodeticLength(CommandContext& ctx);
void gcPointsGetGcData(CommandContext& ctx);
void backwardsRouting(CommandContext& ctx);
void toWaypoint(CommandContext& ctx);
void delimitingCharacter(CommandContext& ctx);
void extraPrecision(CommandContext& ctx);
void checkRoute(CommandContext& ctx);

// File menu.
void importGpx(CommandContext& ctx);

// Time/Speed menu.
void speed(CommandContext& ctx);
void departureTime(CommandContext& ctx);
void arrivalTime(CommandContext& ctx);
void interval(CommandContext& ctx);
void drPosition(CommandContext& ctx);
void rounding(CommandContext& ctx);

// Labeling menu.
void vesselName(CommandContext& ctx);
void callSign(CommandContext& ctx);
void remark(CommandContext& ctx);
void numberLabelStart(CommandContext& ctx);

// The switches of the Suppress, Time/Speed and Map menus: the toggle with
// its message, then the pending work.
// The label's number checked once, at namespace scope: older compilers
// refuse a consteval call on a template parameter inside a function body.
template <int Label>
inline constexpr PromptNumber<> kToggleLabel{Label};
template <int SettingsRecord::*Field, int Label, unsigned Flags>
void toggleSetting(CommandContext& ctx) {
  toggleWithMessage(ctx, ctx.settings().*Field, kToggleLabel<Label>);
  setPending(ctx, Flags);
}
void noGcWaypoints(CommandContext& ctx);
void chartScaleLimits(CommandContext& ctx);

// GPS menu.
void gpsEnable(CommandContext& ctx);
void unitSmgCmg(CommandContext& ctx);
void numberSamples(CommandContext& ctx);
void sampleInterval(CommandContext& ctx);
void viewLog(CommandContext& ctx);
void gotoWaypoint(CommandContext& ctx);
void logTrack(CommandContext& ctx);
void labelLogTrack(CommandContext& ctx);
void logInterval(CommandContext& ctx);
void displayTrack(CommandContext& ctx);
void resetLog(CommandContext& ctx);
void hideGpsDialog(CommandContext& ctx);
void gpsAtStartUp(CommandContext& ctx);
void serialPort(CommandContext& ctx);
void baudRate(CommandContext& ctx);

// Map menu.
void map(CommandContext& ctx);
void waypointPoint(CommandContext& ctx);
void viewPoint(CommandContext& ctx);
void degreeSpan(CommandContext& ctx);
void userPointFile(CommandContext& ctx);
void userPointPlot(CommandContext& ctx);
void colourSettings(CommandContext& ctx);

// Settings menu.
void settingsSheet(CommandContext& ctx);
void defaultSettings(CommandContext& ctx);
void restartSettings(CommandContext& ctx);
void noSaveOnExit(CommandContext& ctx);

// The frame and the map tool bar.
void hideMessageWindow(CommandContext& ctx);
void readme(CommandContext& ctx);
void showSourceFile(CommandContext& ctx);
void zoomIn(CommandContext& ctx);
void zoomOut(CommandContext& ctx);
// Span button `Index` of kSpanButtonSpans: a map of that many degrees
// around the active map's centre.
template <std::size_t Index>
void spanButton(CommandContext& ctx) {
  ctx.setSpan(kSpanButtonSpans[Index]);
}

// The "!&Lines" menu: template `Index` at the caret of the route editor.
template <std::size_t Index>
void insertDirectiveTemplate(CommandContext& ctx) {
  ctx.insertIntoRouteEditor(kDirectiveTemplates[Index].insertedText);
}

}  // namespace z5::cmd
