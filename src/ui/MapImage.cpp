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
  QPainter painter(&map.image);
  {
    // The surface gives the painter back as it found it before the end.
    QtSurface surface(painter, width, height, /*printing=*/false);
    MapPaintContext context = mapPaintContext(app);
    map.result = PaintMap(surface, context);
  }
  painter.end();
  return map;
}

}  // namespace z5
