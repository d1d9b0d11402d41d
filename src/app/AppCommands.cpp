#include "app/AppCommands.h"

#include "app/AppContexts.h"
#include "app/MapWindow.h"
#include "app/RouteCheck.h"
#include "app/RouteEditor.h"
#include "report/GpxImport.h"

namespace z5 {
namespace {

constexpr std::string_view kGpxFiles = "*.gpx";
constexpr int kGpxRefusedMs = 6000;

DocumentConditions::Kind kindOf(const Document* document) {
  if (document == nullptr) return DocumentConditions::Kind::None;
  switch (document->kind()) {
    case DocumentKind::Route:
      return DocumentConditions::Kind::Route;
    case DocumentKind::Output:
      return DocumentConditions::Kind::Output;
    case DocumentKind::Map:
      return DocumentConditions::Kind::Map;
  }
  return DocumentConditions::Kind::None;
}

}  // namespace

AppCommands::AppCommands(Z5App& app, CommandWindows& windows) : app_(app), windows_(windows) {}

NavContext AppCommands::nav() { return navContext(app_); }

ReportContext AppCommands::report() { return reportContext(app_); }

DocumentConditions AppCommands::documents() {
  const DocumentSet& set = app_.documents();
  DocumentConditions conditions;
  conditions.active = kindOf(set.active());
  conditions.activeHasPath = set.active() != nullptr && set.active()->hasPath();
  if (const MapDocument* map = set.activeMap(); map != nullptr && map->routeLink() != nullptr) {
    conditions.activeMapCentreIndex = map->routeLink()->mapView().centreIndex;
  }
  return conditions;
}

bool AppCommands::extractActiveRoute(bool again) {
  RouteEditor editor(app_);
  if (again) {
    RouteDocument* route = app_.documents().activeRouteDocument();
    if (route == nullptr) return false;
    route->setExtracted(false);
    return editor.extractRoute(*route);
  }
  return editor.extractRoute();
}

void AppCommands::writeOutput(int format) { RouteEditor(app_).writeOutput(format); }

void AppCommands::listRouteCheck() { z5::listRouteCheck(app_); }

void AppCommands::importGpx() {
  const std::optional<std::string> path = windows_.askOpenName(app_.settings().HOME_PATH, kGpxFiles);
  if (!path) return;
  const GpxImport imported = importGpxFile(*path);
  if (!imported.imported) {
    app_.messages().showMessage(imported.message, kGpxRefusedMs);
    return;
  }
  DocumentSet& documents = app_.documents();
  RouteDocument& route = documents.newText();
  route.edit(imported.routeText);
  documents.windows().textChanged(route);
}

void AppCommands::openMap() { MapWindow(app_).open(); }

void AppCommands::showSourceFile() { RouteEditor(app_).showSourceFile(); }

void AppCommands::insertIntoRouteEditor(std::string_view text) { windows_.insertAtCaret(text); }

void AppCommands::openReadme() { RouteEditor(app_).openReadme(); }

bool AppCommands::openInEditor(const std::string& path) { return app_.documents().openText(path, false) != nullptr; }

bool AppCommands::openOnDesktop(const std::string& path) { return windows_.openOnDesktop(path); }

void AppCommands::zoom(Zoom direction) { MapWindow(app_).zoomCommand(direction); }

void AppCommands::setSpan(double degrees) { MapWindow(app_).spanButton(degrees); }

bool AppCommands::askCentreWaypoint() { return MapWindow(app_).askCentreWaypoint(); }

bool AppCommands::askViewPoint() { return MapWindow(app_).askViewPoint(); }

bool AppCommands::askDegreeSpan() { return MapWindow(app_).askDegreeSpan(); }

void AppCommands::storeViewInActiveMap() { MapWindow(app_).keepViewInRoute(); }

void AppCommands::runSettingsSheet(SettingsSheet& sheet) { windows_.runSettingsSheet(sheet); }

bool AppCommands::runColourDialog() { return windows_.runColourDialog(app_.settings()); }

void AppCommands::gpsDialogChanged() { windows_.gpsDialogChanged(gpsDialog_); }

// The live map is opened again for its route when that route is the active
// one (extracting it when the settings changed it); otherwise repainted.
void AppCommands::reloadMap() {
  const MapDocument* live = app_.documents().liveMap();
  if (live == nullptr) return;
  MapWindow window(app_);
  if (live->routeLink() != nullptr && live->routeLink() == window.route()) {
    window.open();
  } else {
    window.redraw();
  }
}

void AppCommands::reloadRoute() { RouteEditor(app_).rewriteOutput(); }

void AppCommands::redrawMap() { MapWindow(app_).redraw(); }

}  // namespace z5
