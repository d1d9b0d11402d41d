#include "app/RouteEditor.h"

#include <filesystem>

#include "app/AppContexts.h"
#include "app/OutputFile.h"
#include "app/RouteCheck.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "editor/DocumentLinks.h"
#include "editor/EditorLineReader.h"
#include "nav/TimeCommands.h"
#include "report/OutputFileName.h"

namespace z5 {
namespace {

// The file pattern of the "Save As" dialogs.
constexpr const char* kAnyFile = "*.*";

bool failed(int result) { return result == kRouteFailed || result == kFatal; }

std::string directoryOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

}  // namespace

RouteEditor::RouteEditor(Z5App& app) : app_(app) {}

bool RouteEditor::saveUntitled(RouteDocument& route) {
  const std::optional<std::string> name =
      app_.documents().windows().askSaveAsName(route, app_.settings().HOME_PATH, kAnyFile);
  return name && app_.documents().save(route, *name);
}

bool RouteEditor::extractRoute() {
  RouteDocument* route = app_.documents().activeRouteDocument();
  if (route == nullptr) {
    app_.messages().showError(kErrorCannotOpen, kCannotOpenMs, app_.settings().DATA_FILE);
    return false;
  }
  return extractRoute(*route);
}

bool RouteEditor::extractRoute(RouteDocument& route) {
  if (!route.hasPath() && !saveUntitled(route)) return false;
  SettingsRecord& settings = app_.settings();
  const bool extractNow = app_.voyage().routeFileName != route.path() || !route.extracted();
  if (extractNow) {
    settings.DATA_FILE = route.path();
    settings.outputFileName = outputFileName(route.path());
    const int result = VoyageEngine(app_).extractRoute(engineText(route.text()), route.path());
    if (result == kFatal) app_.messages().wait(kCancelledExtractionPauseMs);
    route.setExtractionResult(result);
    route.setExtracted(true);
  }
  const int result = route.extractionResult();
  if (failed(result)) {
    app_.messages().showError(kErrorNoVoyage, kNoVoyageAfterExtractMs, route.path());
    if (!app_.voyage().errors.empty()) selectFirstError();
    return false;
  }
  if (!app_.gpsDrawsTrack()) handToMapView(route.mapView(), app_.mapView(), app_.mapLock(), app_.voyage().count());
  if (extractNow) showRouteCheckSummary(app_);
  return true;
}

void RouteEditor::selectFirstError() {
  const ErrorLocation& first = app_.voyage().errors.front();
  DocumentSet& documents = app_.documents();
  RouteDocument* document = documents.openText(first.file, false);
  if (document != nullptr) documents.windows().selectLine(*document, first.line, first.lineText);
}

void RouteEditor::offerToKeepEditedOutput(RouteDocument& route) {
  DocumentSet& documents = app_.documents();
  RouteDocument& output = *route.outputLink();
  const std::string outputPath = output.path();
  const std::optional<std::string> name = documents.windows().askSaveAsName(output, directoryOf(outputPath), kAnyFile);
  // Cancelled, or the same name: the output keeps its name and is replaced.
  if (!name || *name == outputPath || !documents.save(output, *name)) return;
  // The saved copy stays open under its new name, no longer the route's output.
  documents.close(output);
  documents.openText(*name, false);
}

bool RouteEditor::outputTimesGiven(int format) {
  if (missingOutputTimes(app_, format).departureMissing) {
    NavContext nav = navContext(app_);
    askDepartureTime(nav);
  }
  if (missingOutputTimes(app_, format).speedMissing) {
    NavContext nav = navContext(app_);
    askFileSpeed(nav);
  }
  return missingOutputTimes(app_, format).complete();
}

bool RouteEditor::writeOutput(int format) {
  RouteDocument* route = app_.documents().activeRouteDocument();
  return route == nullptr ? extractRoute() : writeOutput(*route, format);
}

bool RouteEditor::writeOutput(RouteDocument& route, int format) {
  if (route.outputLink() != nullptr && route.outputLink()->modified()) offerToKeepEditedOutput(route);
  if (!extractRoute(route) || !outputTimesGiven(format)) return false;
  const OutputWriting written = writeOutputFile(app_, format);
  if (written.result != OutputWriting::Written) return false;
  RouteDocument* output = app_.documents().reopenText(written.path, false);
  if (output != nullptr) DocumentLinks::linkOutput(route, *output, format);
  return true;
}

bool RouteEditor::showSourceFile() {
  DocumentSet& documents = app_.documents();
  RouteDocument* route = documents.activeRouteDocument();
  if (route == nullptr) return false;
  documents.activate(*route);
  documents.windows().bringForward(*route);
  return true;
}

RouteDocument* RouteEditor::openReadme() { return app_.documents().openText(app_.homeFile(Z5App::kReadme), false); }

bool RouteEditor::rewriteOutput() {
  RouteDocument* route = app_.documents().activeRouteDocument();
  if (route == nullptr || !route->hasPath()) return false;
  const RouteDocument* output = route->outputLink();
  const int format =
      output != nullptr && output->outputFormat() != 0 ? output->outputFormat() : app_.settings().OUTPUT_FORMAT;
  route->setExtracted(false);
  return writeOutput(*route, format);
}

}  // namespace z5
