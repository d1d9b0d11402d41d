#include "editor/DocumentLinks.h"

#include "editor/MapDocument.h"
#include "editor/RouteDocument.h"

namespace z5 {

void DocumentLinks::linkOutput(RouteDocument& route, RouteDocument& output, int format) {
  if (route.outputLink_ != nullptr && route.outputLink_ != &output) route.outputLink_->routeLink_ = nullptr;
  if (output.routeLink_ != nullptr && output.routeLink_ != &route) output.routeLink_->outputLink_ = nullptr;
  route.outputLink_ = &output;
  output.routeLink_ = &route;
  output.routeName_ = route.path();
  output.outputFormat_ = format;
}

void DocumentLinks::linkMap(RouteDocument& route, MapDocument& map) {
  if (route.mapLink_ != nullptr && route.mapLink_ != &map) route.mapLink_->routeLink_ = nullptr;
  if (map.routeLink_ != nullptr && map.routeLink_ != &route) map.routeLink_->mapLink_ = nullptr;
  route.mapLink_ = &map;
  map.routeLink_ = &route;
}

void DocumentLinks::unlink(RouteDocument& document) {
  // An output keeps the name of its route, so that the route can be opened
  // again from it.
  if (document.routeLink_ != nullptr && document.routeLink_->outputLink_ == &document) {
    document.routeLink_->outputLink_ = nullptr;
  }
  document.routeLink_ = nullptr;
  if (document.outputLink_ != nullptr) document.outputLink_->routeLink_ = nullptr;
  document.outputLink_ = nullptr;
  if (document.mapLink_ != nullptr) document.mapLink_->routeLink_ = nullptr;
  document.mapLink_ = nullptr;
}

void DocumentLinks::unlink(MapDocument& map) {
  if (map.routeLink_ != nullptr) map.routeLink_->mapLink_ = nullptr;
  map.routeLink_ = nullptr;
}

}  // namespace z5
