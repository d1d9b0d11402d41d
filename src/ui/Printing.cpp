#include "ui/Printing.h"

#include <algorithm>
#include <mutex>

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <fmt/printf.h>

#include "app/AppContexts.h"
#include "app/MapWindow.h"
#include "app/RouteEditor.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "editor/EditorPosition.h"
#include "editor/MapDocument.h"
#include "editor/RouteDocument.h"
#include "map/MapPrintHeader.h"
#include "ui/EditorFonts.h"
#include "ui/MapPage.h"

namespace z5 {
namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

constexpr const char* kPrinterFailed = "The printer could not print %s: nothing more was sent to it.";
constexpr int kPrinterFailedMs = 4000;

// The area of the page the printer prints on, in the painter's coordinates.
QRect printableArea(const QPrinter& printer) {
  return QRect(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
}

bool printerFailed(Z5App& app, const QPrinter& printer) {
  app.messages().showMessage(fmt::sprintf(kPrinterFailed, printer.docName().toStdString()), kPrinterFailedMs);
  return false;
}

// The map's voyage, with the state that extracting it for the printer
// changes (the route and output file names, the map view) given back after.
class MapVoyageForPrinting {
 public:
  explicit MapVoyageForPrinting(Z5App& app)
      : app_(app), dataFile_(app.settings().DATA_FILE), outputFile_(app.settings().outputFileName) {
    Lock hold(app_.mapLock());
    view_ = app_.mapView();
  }
  ~MapVoyageForPrinting() {
    app_.settings().DATA_FILE = dataFile_;
    app_.settings().outputFileName = outputFile_;
    if (!extracted_) return;
    Lock hold(app_.mapLock());
    app_.mapView() = view_;
  }
  MapVoyageForPrinting(const MapVoyageForPrinting&) = delete;
  MapVoyageForPrinting& operator=(const MapVoyageForPrinting&) = delete;

  // True when the voyage is the map's route's, extracted when it was not.
  bool extract(const MapDocument& map) {
    if (app_.voyage().routeFileName == map.routeFileName()) return true;
    extracted_ = true;
    if (map.routeLink() != nullptr) return RouteEditor(app_).extractRoute(*map.routeLink());
    const int result = VoyageEngine(app_).extractRouteFile(map.routeFileName());
    return result != kRouteFailed && result != kFatal;
  }

 private:
  Z5App& app_;
  std::string dataFile_;
  std::string outputFile_;
  MapViewState view_;
  bool extracted_ = false;
};

// The live map is painted afresh; a map left from an earlier one prints its picture.
bool paintsLiveMap(Z5App& app, const MapDocument& map, const QImage& storedPicture) {
  return app.documents().liveMap() == &map || storedPicture.isNull();
}

// The printer named after the map, its page turned the way the map is.
void setUpMapPrinter(QPrinter& printer, Z5App& app, const MapDocument& map, const QImage& storedPicture) {
  printer.setDocName(QString::fromStdString(map.title()));
  orientPageLikePicture(printer, paintsLiveMap(app, map, storedPicture) ? livePictureSize(app) : storedPicture.size());
}

}  // namespace

TextPages documentPages(Z5App& app, const RouteDocument& document) {
  PrintableText text{document.text(), document.displayName(), document.path()};
  return TextPages(std::move(text), app.pageSetup().values(), app.clock(), app.editorProfile().tabStopCharacters());
}

bool printTextPages(QPrinter& printer, Z5App& app, TextPages& pages) {
  QPainter painter;
  if (!painter.begin(&printer)) return printerFailed(app, printer);
  pages.layOut(painter, printableArea(printer), editorPrinterFont(app.editorProfile(), printer));
  int first = 1;
  int last = pages.pageCount();
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = std::max(first, printer.fromPage());
    last = std::min(last, printer.toPage());
  }
  for (int page = first; page <= last; ++page) {
    if (page > first && !printer.newPage()) {
      painter.end();
      return printerFailed(app, printer);
    }
    pages.paint(painter, page);
  }
  return (painter.end() && printer.printerState() != QPrinter::Error) || printerFailed(app, printer);
}

bool printDocument(QWidget* parent, Z5App& app, RouteDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(document.displayName()));
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  if (dialog.exec() != QDialog::Accepted) return false;
  TextPages pages = documentPages(app, document);
  return printTextPages(printer, app, pages);
}

int previewDocument(QWidget* parent, Z5App& app, RouteDocument& document, int caretPosition) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(document.displayName()));
  TextPages pages = documentPages(app, document);
  const std::size_t caret = textOffsetOfEditorPosition(pages.text(), caretPosition);
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&](QPrinter* target) { printTextPages(*target, app, pages); });
  // The pages are laid out when the preview first shows them; it then
  // turns to the caret's page.
  auto* preview = dialog.findChild<QPrintPreviewWidget*>();
  int startPage = 0;
  if (preview != nullptr) {
    QObject::connect(preview, &QPrintPreviewWidget::previewChanged, &dialog, [&] {
      if (startPage > 0) return;
      startPage = pageOfCaret(pages.text(), caret, pages.linesPerPage());
      preview->setCurrentPage(startPage);
    });
  }
  dialog.exec();
  const int lastPage = preview != nullptr ? preview->currentPage() : 0;
  if (startPage == 0 || lastPage < 1 || lastPage == startPage) return caretPosition;
  return editorPositionOfTextOffset(pages.text(), pageStart(pages.text(), lastPage, pages.linesPerPage()));
}

bool printMapPage(QPrinter& printer, Z5App& app, const std::string& title, const QImage& storedPicture) {
  const bool painted = storedPicture.isNull();
  if (painted) {
    Lock hold(app.mapLock());
    if (voyageIsEmpty(app.voyage(), app.mapView())) {
      app.messages().showError(kErrorNoVoyage, kMapNoVoyageMs, app.voyage().routeFileName);
      return false;
    }
  }
  preparePrinterForMap(printer);
  QPainter painter;
  if (!painter.begin(&printer)) return printerFailed(app, printer);
  const QRect area = paintMapHeading(painter, printableArea(printer), app.mapFonts(), mapPrintHeader(title, app.clock()));
  const bool drawn = painted ? paintLiveMap(painter, area, app) : paintStoredMap(painter, area, storedPicture);
  if (!painter.end() || printer.printerState() == QPrinter::Error) return printerFailed(app, printer);
  return drawn;
}

bool printMap(QWidget* parent, Z5App& app, MapDocument& map, const QImage& storedPicture) {
  QPrinter printer(QPrinter::HighResolution);
  setUpMapPrinter(printer, app, map, storedPicture);
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  return dialog.exec() == QDialog::Accepted && printMapOn(printer, app, map, storedPicture);
}

void previewMap(QWidget* parent, Z5App& app, MapDocument& map, const QImage& storedPicture) {
  QPrinter printer(QPrinter::HighResolution);
  setUpMapPrinter(printer, app, map, storedPicture);
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&](QPrinter* target) { printMapOn(*target, app, map, storedPicture); });
  dialog.exec();
}

bool printMapOn(QPrinter& printer, Z5App& app, MapDocument& map, const QImage& storedPicture) {
  if (!paintsLiveMap(app, map, storedPicture)) return printMapPage(printer, app, map.title(), storedPicture);
  MapVoyageForPrinting voyage(app);
  return voyage.extract(map) && printMapPage(printer, app, map.title());
}

}  // namespace z5
