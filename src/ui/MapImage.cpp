#include "ui/MapImage.h"

#include <QPainter>

#include "app/AppContexts.h"
#include "app/Z5App.h"
#include "ui/QtSurface.h"

namespace z5 {

MapImage renderMapImage(Z5App& app, int width, int height) {
  MapImage map;
  map.image = QImage(width, height, QImage::Format_RGB32);
  map.image.fill(Qt::white);
  map.result = paintMapOn(app, map.image);
  return map;
}

int paintMapOn(Z5App& app, QImage& image) {
  QPainter painter(&image);
  int result = kMapNotPainted;
  {
    // The surface gives the painter back as it found it before the end.
    QtSurface surface(painter, image.width(), image.height(), /*printing=*/false);
    MapPaintContext context = mapPaintContext(app);
    result = PaintMap(surface, context);
  }
  painter.end();
  return result;
}

}  // namespace z5
