#pragma once
// Extract Route: the route text read into the voyage (RouteExtraction), then
// the to-waypoint refresh, the leg pass with its chart search, the arrival
// check and the times, on the application's own state.

#include <string>
#include <string_view>

#include "map/MapViewState.h"
#include "route/RouteExtraction.h"
#include "route/Voyage.h"

namespace z5 {

class Z5App;

// True when the voyage has neither a waypoint nor a view point.
bool voyageIsEmpty(const Voyage& voyage, const MapViewState& mapView);

class VoyageEngine {
 public:
  explicit VoyageEngine(Z5App& app);

  // Extracts the route `text` (the editor's text, or a file's); `fileName`
  // names it in messages and in the error locations. Returns kVoyageBuilt,
  // kVoyageEmpty, kRouteFailed or kFatal.
  int extractRoute(std::string_view text, const std::string& fileName);
  // The same for the route file at `path`; error string 2 with the path
  // when it cannot be read.
  int extractRouteFile(const std::string& path);

 private:
  int finish(const RouteReading& reading);
  void clearStaleMapCentre();
  int computeVoyage();

  Z5App& app_;
};

}  // namespace z5
