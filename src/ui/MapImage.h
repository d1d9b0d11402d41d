#pragma once
// Map pictures without a window: the map of the application's voyage
// painted on a QImage.

#include <QImage>

#include "map/PaintMap.h"

namespace z5 {

class Z5App;

struct MapImage {
  QImage image;                   // width x height, RGB
  int result = kMapNotPainted;    // PaintMap's result
};

// Paints the map of `app`'s voyage and map view at width x height pixels.
// Needs a QGuiApplication (the offscreen platform will do).
MapImage renderMapImage(Z5App& app, int width, int height);

// Paints the map over the whole of `image` (the map window's back picture,
// reused from one paint to the next). Returns PaintMap's result.
int paintMapOn(Z5App& app, QImage& image);

}  // namespace z5
