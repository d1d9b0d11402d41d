#pragma once
// Printing the documents: route and output texts with the page setup's
// header and footer, and maps with their heading line. The window's
// commands open the print, print preview and page setup dialogs here; the
// headless --print run uses the same page painting on a PDF printer.
// Printing changes no document and no setting: a printer that fails or is
// cancelled leaves everything as it was.

#include <string>

#include <QImage>

#include "ui/TextPages.h"

class QPrinter;
class QWidget;

namespace z5 {

class MapDocument;
class PageSetupProfile;
class RouteDocument;
class Z5App;

// Prints a route or output text after the print dialog; false when it was
// cancelled or the printer failed (said in the message window).
bool printDocument(QWidget* parent, Z5App& app, RouteDocument& document);

// Shows the print preview of a text, starting on the page of the caret
// (`caretPosition`, a position of the editor). Returns where the caret goes
// after: the start of the page last shown, or `caretPosition` when that is
// the page the preview started on.
int previewDocument(QWidget* parent, Z5App& app, RouteDocument& document, int caretPosition);

// The "Page Setup" dialog on `setup`'s values: OK stores the edited values
// (written to the profile at exit), Cancel changes nothing. True on OK.
bool runPageSetupDialog(QWidget* parent, PageSetupProfile& setup);

// Prints a map after the print dialog. The live map is painted on the
// printer; a map that is not (opened from disk, or left by a later map)
// has its stored picture `storedPicture` scaled onto the page.
bool printMap(QWidget* parent, Z5App& app, MapDocument& map, const QImage& storedPicture = QImage());

// The print preview of a map's page, printed from there as printMap prints it.
void previewMap(QWidget* parent, Z5App& app, MapDocument& map, const QImage& storedPicture = QImage());

// The map on `printer` as printMap prints it after its dialog. A live map
// whose route is not the voyage's has its route extracted for the page;
// the route and output file names and the map view are given back after.
bool printMapOn(QPrinter& printer, Z5App& app, MapDocument& map, const QImage& storedPicture = QImage());

// The pages of a text on `printer` (every page, or the printer's page
// range); false when the printer failed.
bool printTextPages(QPrinter& printer, Z5App& app, TextPages& pages);

// The map page on `printer`: the live map painted at the printer's
// resolution, or `storedPicture` when it is not null. The voyage shown is
// the application's; false when the printer failed or there is no map.
bool printMapPage(QPrinter& printer, Z5App& app, const std::string& title, const QImage& storedPicture = QImage());

// The text of a document as printing sees it.
TextPages documentPages(Z5App& app, const RouteDocument& document);

}  // namespace z5
