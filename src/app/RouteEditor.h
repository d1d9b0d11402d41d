#pragma once
// The route editor's operations on the documents: extracting the active
// route, writing its output file and opening it linked to the route,
// showing a map's or an output's route, the readme. They ask the windows
// (DocumentWindows) for what only a window can do.

#include <string>

#include "editor/RouteDocument.h"

namespace z5 {

class Z5App;

// Error string of a route that gave no voyage (its file name), and for how long.
inline constexpr int kNoVoyageAfterExtractMs = 2000;
// A cancelled extraction pauses this long.
inline constexpr int kCancelledExtractionPauseMs = 2000;

class RouteEditor {
 public:
  explicit RouteEditor(Z5App& app);

  // ExtractRoute: the active route document (ActiveRouteDocument) made the
  // voyage. A text never saved is saved first under the name the user
  // gives (none: false, silently). It is extracted again when it is not
  // the voyage's route or was changed since; the route file and output
  // file names become its own. A route that gives no voyage shows error
  // string 24 for 2 s; otherwise its map view settings go to the map view
  // state (unless the GPS draws its track) and a fresh extraction's route
  // check summary to the message window. When the route had errors the
  // editor of the first one is brought forward with its line selected.
  // True when the voyage is this route's and has no error.
  bool extractRoute();
  // The same for a given route document.
  bool extractRoute(RouteDocument& route);

  // WriteOutput in `format` (1..6): an edited output document of the route
  // is first offered for saving under a new name; the route is extracted;
  // the AMVER (3) and MOVEREP (4) reports ask for a departure time and a
  // speed when they are missing; the output file is written whole (error
  // string 22 for 4 s when it cannot be: the previous file stays), never
  // over the route; then it is opened again in its editor and linked to
  // the route. True when the file was written.
  bool writeOutput(int format);
  // The same for a given route document.
  bool writeOutput(RouteDocument& route, int format);

  // "Show source file.": the route document of the active map or output
  // window brought forward. False when there is none.
  bool showSourceFile();

  // "&Readme": the home directory's "readme.txt" in an editor.
  RouteDocument* openReadme();

  // The route reload of the idle step: the active route document is
  // extracted again (its text, not the file, so that no edit is lost) and
  // its output written again in the format of its output document, or
  // `OUTPUT_FORMAT` when it has none. False when there is no route with a
  // file, or it gave no output.
  bool rewriteOutput();

 private:
  bool saveUntitled(RouteDocument& route);
  void offerToKeepEditedOutput(RouteDocument& route);
  bool outputTimesGiven(int format);
  void selectFirstError();

  Z5App& app_;
};

}  // namespace z5
