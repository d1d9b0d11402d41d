#include "ui/MapPage.h"

#include <algorithm>
#include <mutex>

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "app/AppContexts.h"
#include "app/Z5App.h"
#include "map/PaintMap.h"
#include "ui/MapFontQt.h"
#include "ui/QtSurface.h"

namespace z5 {
namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

// The heading shrinks to fit the page's width down to this fraction of its size.
constexpr double kSmallestHeadingScale = 0.5;

// The map's printer font on `device`: the display font at the device's
// resolution while no printer font of its own is set.
QFont mapPrinterFont(const MapFonts& fonts, const QPaintDevice& device) {
  if (fonts.printerFollowsDisplay()) return toQFont(fonts.display, deviceOverScreen(device));
  return toQFont(fonts.printer);
}

}  // namespace

void preparePrinterForMap(QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) printer.setResolution(kPdfMapDpi);
}

void orientPageLikePicture(QPrinter& printer, const QSize& picture) {
  printer.setPageOrientation(picture.width() > picture.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QSize livePictureSize(Z5App& app) {
  Lock hold(app.mapLock());
  return QSize(app.mapView().drawingWidth, app.mapView().drawingHeight);
}

QRect paintMapHeading(QPainter& painter, const QRect& page, const MapFonts& fonts, const std::string& heading) {
  const QString text = QString::fromStdString(heading);
  painter.setFont(mapPrinterFont(fonts, *painter.device()));
  const int width = painter.fontMetrics().horizontalAdvance(text);
  if (width > page.width()) {
    QFont smaller = painter.font();
    const double scale = std::max(kSmallestHeadingScale, static_cast<double>(page.width()) / width);
    if (smaller.pixelSize() > 0) smaller.setPixelSize(std::max(1, static_cast<int>(smaller.pixelSize() * scale)));
    else smaller.setPointSizeF(smaller.pointSizeF() * scale);
    painter.setFont(smaller);
  }
  const QFontMetrics metrics = painter.fontMetrics();
  painter.setPen(Qt::black);
  painter.drawText(page.topLeft() + QPoint(0, metrics.ascent()), text);
  const int lineHeight = metrics.height();
  const int top = page.top() + lineHeight + lineHeight / 4;
  return QRect(page.left(), top, page.width(), std::max(1, page.bottom() - top + 1));
}

bool paintLiveMap(QPainter& painter, const QRect& area, Z5App& app) {
  MapViewState before;
  {
    Lock hold(app.mapLock());
    before = app.mapView();
  }
  const MapExtent extent = app.mapExtent();
  int result = kMapNotPainted;
  {
    QtSurface surface(painter, area.width(), area.height(), /*printing=*/true, area.topLeft());
    MapPaintContext context = mapPaintContext(app);
    result = PaintMap(surface, context);
  }
  app.mapExtent() = extent;
  Lock hold(app.mapLock());
  app.mapView().drawingWidth = before.drawingWidth;
  app.mapView().drawingHeight = before.drawingHeight;
  return result == kMapPainted;
}

bool paintStoredMap(QPainter& painter, const QRect& area, const QImage& picture) {
  if (picture.isNull()) return false;
  const QSize size = picture.size().scaled(area.size(), Qt::KeepAspectRatio);
  const QRect target(area.left() + (area.width() - size.width()) / 2, area.top(), size.width(), size.height());
  painter.drawImage(target, picture);
  return true;
}

}  // namespace z5
