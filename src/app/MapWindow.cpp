#include "app/MapWindow.h"

#include <cmath>
#include <mutex>

#include <fmt/printf.h>

#include "app/RouteEditor.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/TextUtil.h"
#include "editor/DocumentLinks.h"
#include "map/MapPixels.h"
#include "map/MapPlaceholder.h"
#include "nav/ToWaypoint.h"
#include "route/DecimalNumber.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

// Prompt strings.
constexpr int kSpanQuestion = 95;            // smallest, largest, current span
constexpr int kLatitudeQuestion = 195;
constexpr int kLatitudeQuestionNow = 196;    // current latitude text
constexpr int kLongitudeQuestion = 197;
constexpr int kLongitudeQuestionNow = 198;   // current longitude text
constexpr int kCentreLabel = 234;            // "Centre on waypoint"
constexpr int kViewPointLabel = 235;         // "View point"
constexpr int kSpanLabel = 236;              // "Degree span"
constexpr int kCentreStatus = 264;           // number, name, latitude, longitude
constexpr int kViewPointStatus = 265;        // latitude, longitude
// The status bar's view point: the "on" text and the two position texts.
constexpr const char* kViewPointBarFormat = "%s: %s  %s";

// Error strings.
constexpr int kErrorUnreadablePosition = 1;
constexpr int kUnreadablePositionMs = 1000;
constexpr int kErrorFileCause = 56;          // the file error's cause number
// A map's file error (a point file) stays up this long when shown again.
constexpr int kMapFileErrorMs = 3000;

// Each view point coordinate gets this many answers.
constexpr int kViewPointAttempts = 2;
constexpr double kViewPointLatitudeLimit = 85;
constexpr double kViewPointLongitudeLimit = 180;

}  // namespace

MapWindow::MapWindow(Z5App& app) : app_(app) {}

MapDocument* MapWindow::open() {
  DocumentSet& documents = app_.documents();
  RouteEditor editor(app_);
  RouteDocument* route = documents.activeRouteDocument();
  if (route == nullptr) {
    editor.extractRoute();
    return nullptr;
  }
  if (!editor.extractRoute(*route)) return nullptr;
  MapViewState view;
  {
    Lock hold(app_.mapLock());
    view = app_.mapView();
  }
  if (voyageIsEmpty(app_.voyage(), view)) {
    app_.messages().showError(kErrorNoVoyage, kMapNoVoyageMs, route->path());
    return nullptr;
  }
  const std::string path = placeholderFileName(app_.settings().HOME_PATH, route->path());
  if (documents.liveMap() != nullptr && documents.liveMap()->path() != path) documents.setLiveMap(nullptr);
  const PlaceholderResult made = ensurePlaceholderFile(path);
  if (!made.ok()) {
    const StringTable& strings = app_.strings();
    app_.messages().showMessage(strings.error(*made.error, path) + "\n" + strings.error(kErrorFileCause, made.cause),
                                kPlaceholderErrorMs);
    return nullptr;
  }
  MapDocument& map = documents.openMap(path, route->path());
  DocumentLinks::linkMap(*route, map);
  documents.setLiveMap(&map);
  redraw();
  if (!app_.voyage().errors.empty()) {
    const ErrorLocation first = app_.voyage().errors.front();
    if (RouteDocument* file = documents.openText(first.file, false)) {
      documents.windows().selectLine(*file, first.line, first.lineText);
    }
    app_.messages().showMessage(first.message, kMapFileErrorMs);
  }
  return &map;
}

void MapWindow::redraw() {
  {
    Lock hold(app_.mapLock());
    app_.mapView().redrawPending = false;
  }
  if (MapDocument* map = app_.documents().liveMap()) app_.documents().windows().renderMap(*map);
}

std::optional<PositionLine> MapWindow::mouseMove(int x, int y) {
  int drawingHeight = 0;
  {
    Lock hold(app_.mapLock());
    drawingHeight = app_.mapView().drawingHeight;
  }
  const PositionLineContext context{app_.mapExtent(), drawingHeight, app_.voyage(), app_.settings()};
  std::optional<PositionLine> line = ComposePositionLine(context, x, y, app_.positionReference());
  app_.messages().setText(line ? line->line : std::string());
  return line;
}

void MapWindow::rightClick(int x, int y) {
  const std::optional<Position> point = positionAtPixel(app_.mapExtent(), x, y);
  if (!point) return;
  {
    Lock hold(app_.mapLock());
    centreOn(app_.mapView(), *point);
  }
  viewChanged();
}

void MapWindow::zoom(Zoom direction) {
  {
    Lock hold(app_.mapLock());
    z5::zoom(app_.mapView(), app_.mapExtent(), direction);
  }
  viewChanged();
}

void MapWindow::wheelZoom(Zoom direction, int x, int y) {
  {
    Lock hold(app_.mapLock());
    zoomAbout(app_.mapView(), app_.mapExtent(), app_.voyage(), direction, x, y);
  }
  viewChanged();
}

void MapWindow::drag(int fromX, int fromY, int toX, int toY) {
  bool moved = false;
  {
    Lock hold(app_.mapLock());
    moved = pan(app_.mapView(), app_.mapExtent(), app_.voyage(), fromX, fromY, toX, toY);
  }
  if (moved) viewChanged();
}

bool MapWindow::activeMapShown() {
  return RouteEditor(app_).extractRoute() && app_.documents().activeMap() != nullptr;
}

bool MapWindow::zoomCommand(Zoom direction) {
  if (!activeMapShown()) return false;
  zoom(direction);
  return true;
}

bool MapWindow::spanButton(double span) {
  if (!activeMapShown()) return false;
  {
    Lock hold(app_.mapLock());
    setSpan(app_.mapView(), app_.mapExtent(), span);
  }
  viewChanged();
  return true;
}

bool MapWindow::askCentreWaypoint() {
  const Voyage& voyage = app_.voyage();
  const SettingsRecord& settings = app_.settings();
  Messages& messages = app_.messages();
  int current = kNoIndex;
  {
    Lock hold(app_.mapLock());
    current = app_.mapView().centreIndex;
  }
  const int index = askWaypointNumber(messages, settings.firstRowNumber, voyage.count(), current, 0);
  if (index == kNoIndex) return false;
  bool viewPointWasOn = false;
  {
    Lock hold(app_.mapLock());
    MapViewState& view = app_.mapView();
    viewPointWasOn = view.viewPointMode;
    view.viewPointMode = false;
    view.centreIndex = index;
  }
  if (viewPointWasOn) switchedOff(kViewPointLabel);
  const Waypoint& waypoint = voyage.waypoints[index];
  messages.appendLine(app_.strings().prompt(kCentreStatus, index + settings.firstRowNumber, trim(waypoint.name),
                                            positionText(waypoint.latitude, PositionKind::Latitude),
                                            positionText(waypoint.longitude, PositionKind::Longitude)));
  viewChanged();
  return index != current || viewPointWasOn;
}

namespace {

// One coordinate of the view point: two answers at most; nullopt when
// cancelled or neither answer was a position within +-limit.
std::optional<double> askViewCoordinate(Messages& messages, const std::string& question, std::string offered,
                                        PositionKind kind, double limit) {
  for (int attempt = 0; attempt < kViewPointAttempts; ++attempt) {
    std::string answer = offered;
    if (!messages.prompt(question, answer, true) || answer.empty()) return std::nullopt;
    const double value = parsePosition(answer, kind);
    if (value >= -limit && value <= limit) return value;
    messages.showError(kErrorUnreadablePosition, kUnreadablePositionMs);
    offered = answer;
  }
  return std::nullopt;
}

}  // namespace

bool MapWindow::askViewPoint() {
  Messages& messages = app_.messages();
  const StringTable& strings = app_.strings();
  MapViewState view;
  {
    Lock hold(app_.mapLock());
    view = app_.mapView();
  }
  // The questions are asked without the map lock, which the GPS reader needs;
  // a view point already set is shown and offered.
  const bool shown = view.viewPointMode;
  const std::string latitudeNow = shown ? positionText(view.viewLatitude, PositionKind::Latitude) : "";
  const std::string longitudeNow = shown ? positionText(view.viewLongitude, PositionKind::Longitude) : "";
  const std::string latitudeQuestion =
      shown ? strings.prompt(kLatitudeQuestionNow, latitudeNow) : strings.prompt(kLatitudeQuestion);
  const std::string longitudeQuestion =
      shown ? strings.prompt(kLongitudeQuestionNow, longitudeNow) : strings.prompt(kLongitudeQuestion);
  const std::optional<double> latitude =
      askViewCoordinate(messages, latitudeQuestion, latitudeNow, PositionKind::Latitude, kViewPointLatitudeLimit);
  if (!latitude) return false;
  const std::optional<double> longitude =
      askViewCoordinate(messages, longitudeQuestion, longitudeNow, PositionKind::Longitude, kViewPointLongitudeLimit);
  if (!longitude) return false;
  bool hadCentre = false;
  {
    Lock hold(app_.mapLock());
    hadCentre = app_.mapView().centreIndex != kNoIndex;
    centreOn(app_.mapView(), {*latitude, *longitude});
  }
  if (hadCentre) switchedOff(kCentreLabel);
  const std::string latitudeText = positionText(*latitude, PositionKind::Latitude);
  const std::string longitudeText = positionText(*longitude, PositionKind::Longitude);
  messages.appendLine(strings.prompt(kViewPointStatus, latitudeText, longitudeText));
  app_.documents().windows().showStatus(
      fmt::sprintf(kViewPointBarFormat, strings.prompt(Messages::kOnText), latitudeText, longitudeText));
  viewChanged();
  return true;
}

bool MapWindow::askDegreeSpan() {
  Messages& messages = app_.messages();
  const StringTable& strings = app_.strings();
  double span = 0;
  {
    Lock hold(app_.mapLock());
    span = app_.mapView().degreeSpan;
  }
  const std::string question =
      strings.prompt(kSpanQuestion, MapViewState::kSmallestSpan, MapViewState::kLargestSpan, span);
  double chosen = span;
  while (true) {
    std::string answer = spanFieldText(span);
    if (!messages.prompt(question, answer, true) || answer.empty()) return false;
    const std::optional<double> number = numberOnly(answer);
    if (number && *number >= MapViewState::kSmallestSpan && *number <= MapViewState::kLargestSpan) {
      chosen = *number;
      break;
    }
  }
  messages.appendLine(messages.statusLine(strings.prompt(kSpanLabel), fmt::sprintf("%4.2f", chosen)));
  if (std::fabs(chosen - span) <= kSpanChangeTolerance) return false;
  {
    Lock hold(app_.mapLock());
    app_.mapView().degreeSpan = chosen;
  }
  viewChanged();
  return true;
}

std::string MapWindow::positionText(double degrees, PositionKind kind) const {
  return formatPosition(degrees, kind, app_.settings().EXTRA_PRECISION == 1);
}

void MapWindow::switchedOff(PromptNumber<> labelNumber) {
  Messages& messages = app_.messages();
  const StringTable& strings = app_.strings();
  messages.appendLine(messages.statusLine(strings.prompt(labelNumber), strings.prompt(Messages::kOffText)));
}

RouteDocument* MapWindow::route() {
  const DocumentSet& documents = app_.documents();
  if (const MapDocument* map = documents.activeMap()) return map->routeLink();
  RouteDocument* text = documents.activeText();
  if (text == nullptr || text->kind() == DocumentKind::Route) return text;
  return text->routeLink();
}

void MapWindow::keepViewInRoute() {
  if (RouteDocument* kept = route()) kept->mapView() = takeFromMapView(app_.mapView(), app_.mapLock());
}

void MapWindow::viewChanged() {
  {
    Lock hold(app_.mapLock());
    app_.mapView().redrawPending = true;
  }
  keepViewInRoute();
}

}  // namespace z5
