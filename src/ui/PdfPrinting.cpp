#include "ui/PdfPrinting.h"

#include <cstdio>
#include <functional>
#include <span>

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

#include "base/AtomicFile.h"
#include "editor/RouteDocument.h"
#include "ui/MapPage.h"
#include "ui/Printing.h"
#include "ui/TextPages.h"

namespace z5 {
namespace {

constexpr int kPrinted = 0;
constexpr int kNotPrinted = 1;
// The margins of a PDF page, millimetres: what a printer leaves unprinted.
constexpr qreal kPdfMarginMm = 15;
constexpr const char* kCreator = "Z5 - Brelland";

int cannotWrite(const std::string& pdf, const std::string& cause) {
  std::fprintf(stderr, "z5: cannot write the PDF %s: %s\n", pdf.c_str(), cause.c_str());
  return kNotPrinted;
}

// Prints with `paint` on a PDF printer and writes the result to `pdf`.
int printToPdf(const std::string& pdf, const std::string& route, const std::string& title, std::ostream& out,
               const std::function<bool(QPrinter&)>& paint) {
  const QTemporaryDir scratch;
  if (!scratch.isValid()) return cannotWrite(pdf, "no temporary directory");
  const QString made = scratch.filePath(QStringLiteral("print.pdf"));
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(made);
    printer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                           QPageLayout::Millimeter);
    printer.setDocName(QString::fromStdString(title));
    printer.setCreator(QString::fromLatin1(kCreator));
    if (!paint(printer)) return kNotPrinted;
  }
  QFile file(made);
  if (!file.open(QIODevice::ReadOnly)) return cannotWrite(pdf, "the printer wrote nothing");
  const QByteArray bytes = file.readAll();
  const FileWriteResult written =
      writeFileAtomically(pdf, std::string_view(bytes.constData(), bytes.size()), std::span(&route, 1));
  if (!written.written) return cannotWrite(pdf, written.cause);
  out << pdf << "\n";
  return kPrinted;
}

}  // namespace

int printTextToPdf(Z5App& app, const RouteDocument& document, const std::string& pdf, const std::string& route,
                   std::ostream& out) {
  TextPages pages = documentPages(app, document);
  return printToPdf(pdf, route, document.displayName(), out,
                    [&](QPrinter& printer) { return printTextPages(printer, app, pages); });
}

int printMapToPdf(Z5App& app, const std::string& title, const std::string& pdf, const std::string& route,
                  std::ostream& out) {
  return printToPdf(pdf, route, title, out, [&](QPrinter& printer) {
    orientPageLikePicture(printer, livePictureSize(app));
    return printMapPage(printer, app, title);
  });
}

}  // namespace z5
