#pragma once
// The map window without its widget: opening the map of the active route,
// the mouse over the picture, the zoom keys and commands, the span buttons
// and the prompts of the Map menu that move the map. The window paints
// (DocumentWindows::renderMap) and forwards its input here.

#include <optional>
#include <string>

#include "base/StringTable.h"
#include "editor/MapDocument.h"
#include "editor/RouteDocument.h"
#include "map/MapViewControl.h"
#include "map/PositionLine.h"
#include "route/PositionText.h"

namespace z5 {

class Z5App;

// How long a failed map shows error string 24, and the placeholder's file errors.
inline constexpr int kMapNoVoyageMs = 4000;
inline constexpr int kPlaceholderErrorMs = 2000;

class MapWindow {
 public:
  explicit MapWindow(Z5App& app);

  // OpenMapWindow ("&Map"): the active route extracted when needed, its
  // view settings handed to the map view state (unless the GPS draws its
  // track), the map rendered and its document opened (or reused) and
  // linked to the route; a file error of the map (a point file) brings
  // that file's editor forward with the line selected. nullptr when the
  // route gives no voyage (error string 24 for 4 s) or the placeholder
  // file cannot be made (its error for 2 s).
  MapDocument* open();

  // The idle redraw: the live map rendered again.
  void redraw();

  // The mouse over pixel (x, y) of the picture (scroll offset added): the
  // position line goes into the message window, which is emptied outside
  // the picture. Nullopt outside it.
  std::optional<PositionLine> mouseMove(int x, int y);

  // Right click: the point becomes the view point, the map is redrawn.
  void rightClick(int x, int y);

  // The zoom keys of the map view.
  void zoom(Zoom direction);

  // The mouse wheel over pixel (x, y): a zoom that keeps the point under the
  // pointer where it is.
  void wheelZoom(Zoom direction, int x, int y);

  // A drag of the picture from one pixel to another: the map moves with the
  // pointer, its span unchanged.
  void drag(int fromX, int fromY, int toX, int toY);

  // The menu zoom commands: the route made sure of, then the zoom of the
  // active map window, if the active window is one. False when nothing zoomed.
  bool zoomCommand(Zoom direction);

  // A span button (kSpanButtonSpans): the route made sure of, then the
  // span operation on the active map window, if it is one.
  bool spanButton(double span);

  // "&Waypoint Point": asks for the number of the centre waypoint; the view
  // point mode goes off. True when the centre index changed.
  bool askCentreWaypoint();
  // "&View Point": asks for a latitude and a longitude (two attempts each;
  // Cancel ends). True when a new view point was set.
  bool askViewPoint();
  // "&Degree Span for Point": asks until the span is within 0.05 .. 150 (an
  // empty answer keeps it). True when it changed by more than 0.001.
  bool askDegreeSpan();

  // The route document of the active map (or the active route or output
  // window); nullptr when it has none open.
  RouteDocument* route();
  // The view settings of the map view state taken into that route document.
  void keepViewInRoute();

 private:
  bool activeMapShown();
  // The view changed: kept in the route, the map marked for redraw.
  void viewChanged();
  // "label: off" in the message window (prompt string `labelNumber`).
  void switchedOff(PromptNumber<> labelNumber);
  std::string positionText(double degrees, PositionKind kind) const;

  Z5App& app_;
};

}  // namespace z5
