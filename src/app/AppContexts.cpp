#include "app/AppContexts.h"

namespace z5 {

NavContext navContext(Z5App& app) {
  return {app.settings(), app.voyage(), app.messages(), app.calculators(), app.clock(), app.voyageExtent()};
}

ReportContext reportContext(Z5App& app) { return {navContext(app), app.routeCharts()}; }

LegPassContext legPassContext(Z5App& app) {
  LegPassContext pass(app.voyage(), app.settings().greatCircle, app.settings().chartScale, app.voyageExtent(),
                      app.routeCharts(), app.messages());
  pass.drawingWidth = app.mapView().drawingWidth;
  pass.drawingHeight = app.mapView().drawingHeight;
  return pass;
}

MapPaintContext mapPaintContext(Z5App& app) {
  MapPaintContext context(app.settings(), app.voyage(), app.mapView(), app.routeCharts(), app.mapFonts(),
                          app.messages(), app.mapExtent());
  context.trackLog = [&app](const auto& draw) { app.gps().trackLog().read(draw); };
  context.viewLock = &app.mapLock();
  context.landCheck = &app.landCheck();
  return context;
}

}  // namespace z5
