#pragma once
// The links between a route document and its output and map documents. A
// link is always held from both ends and cleared from both ends.

namespace z5 {

class RouteDocument;
class MapDocument;

class DocumentLinks {
 public:
  // `output` was written from `route` in `format`: it takes the route's
  // link, file name and format; the route takes it as its output (an
  // earlier output of the route loses its link).
  static void linkOutput(RouteDocument& route, RouteDocument& output, int format);
  // `map` shows `route` (an earlier map of the route loses its link).
  static void linkMap(RouteDocument& route, MapDocument& map);

  // Every link of the document, from both ends: when it closes or is emptied.
  static void unlink(RouteDocument& document);
  static void unlink(MapDocument& map);
};

}  // namespace z5
