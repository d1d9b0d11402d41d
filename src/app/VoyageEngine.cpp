#include "app/VoyageEngine.h"

#include <mutex>

#include "app/AppContexts.h"
#include "app/Z5App.h"
#include "nav/ArrivalTime.h"
#include "nav/LegPass.h"
#include "nav/NavContext.h"
#include "nav/ToWaypoint.h"
#include "nav/VoyageTimes.h"

namespace z5 {

bool voyageIsEmpty(const Voyage& voyage, const MapViewState& mapView) {
  return voyage.empty() && !mapView.viewPointMode;
}

VoyageEngine::VoyageEngine(Z5App& app) : app_(app) {}

int VoyageEngine::extractRoute(std::string_view text, const std::string& fileName) {
  return finish(RouteExtraction(app_.voyage(), app_.settings(), app_.messages(), app_.clock()).read(text, fileName));
}

int VoyageEngine::extractRouteFile(const std::string& path) {
  return finish(RouteExtraction(app_.voyage(), app_.settings(), app_.messages(), app_.clock()).readFile(path));
}

int VoyageEngine::finish(const RouteReading& reading) {
  // The last route check's findings name rows of the voyage that was.
  app_.landCheck() = LandCheckResult{};
  if (reading.tableRead) clearStaleMapCentre();
  if (reading.result != kVoyageBuilt) return reading.result;
  return computeVoyage();
}

void VoyageEngine::clearStaleMapCentre() {
  // The GPS reader moves the view point under the map lock.
  const int count = app_.voyage().count();
  std::lock_guard<std::recursive_mutex> hold(app_.mapLock());
  MapViewState& view = app_.mapView();
  int& centre = view.centreIndex;
  if (count == 1) {
    centre = 0;  // the only waypoint
  } else if (centre >= count) {
    centre = kNoIndex;
  }
  if (view.viewPointMode) centre = kNoIndex;
}

int VoyageEngine::computeVoyage() {
  // The to-waypoint refresh runs before the test for an empty voyage, so
  // that a mode whose waypoint is gone ends; the arrival check and the time
  // computation follow the leg pass.
  NavContext nav = navContext(app_);
  toWaypoint(nav, true, false, false);
  MapViewState view;
  {
    // The GPS reader moves the view point under the map lock.
    std::lock_guard<std::recursive_mutex> hold(app_.mapLock());
    view = app_.mapView();
  }
  if (voyageIsEmpty(app_.voyage(), view)) return kVoyageEmpty;
  const SettingsRecord& settings = app_.settings();
  LegPassContext pass = legPassContext(app_);
  pass.refreshToWaypoint = [&nav] { toWaypoint(nav, true, false, true); };
  if (computeLegs(pass, settings.HOME_PATH, view.degreeSpan, settings.LEN_LAT_LON, settings.GC_PT_GCD) == kFatal) {
    return kFatal;
  }
  checkArrivalTime(nav);
  updateVoyageTimes(nav);
  return kVoyageBuilt;
}

}  // namespace z5
