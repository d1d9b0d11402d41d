#pragma once
// The map painter: the voyage on a Mercator map, drawn in a fixed order
// through the Surface primitives: background, land, grid, chart outlines,
// sea names and ports, user points, GPS track, route. Nothing is kept
// between paints; the world data are read from disk every time.

#include <functional>
#include <mutex>
#include <string>

#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "charts/RouteChartTable.h"
#include "geo/MapExtent.h"
#include "map/MapFont.h"
#include "map/MapViewState.h"
#include "map/Surface.h"
#include "nav/ComputeMapExtent.h"
#include "route/Voyage.h"
#include "world/LandCheck.h"

namespace z5 {

// Results of PaintMap.
inline constexpr int kMapPainted = 0;
inline constexpr int kMapNotPainted = kNoIndex;  // empty drawing, or no voyage and no view point

// How long the error of an empty voyage without a view point stays up.
inline constexpr int kNoVoyageMessageMs = 4000;

// Text measured for the height of the map's text.
inline constexpr const char* kTextHeightSample = "Hello World";

// Marks of the place names and of the point files, pixels.
inline constexpr int kPlaceNameMarkRadius = 2;
inline constexpr int kPointFileMarkRadius = 3;

// How the painter reads the GPS track log: calls `draw(path)` while no
// record can be appended to the file or the file emptied.
using TrackLogReader = std::function<void(const std::function<void(const std::string& path)>& draw)>;

struct MapPaintContext {
  MapPaintContext(const SettingsRecord& s, Voyage& v, MapViewState& mv, const RouteChartTable& c, const MapFonts& f,
                  Messages& m, MapExtent& e)
      : settings(s), voyage(v), view(mv), charts(c), fonts(f), messages(m), extent(e) {}

  const SettingsRecord& settings;
  Voyage& voyage;                 // the errors of a malformed point file are added to its list
  MapViewState& view;             // copied once per paint; receives the drawing size
  const RouteChartTable& charts;  // outlined when CHARTS is 1
  const MapFonts& fonts;
  Messages& messages;
  MapExtent& extent;              // receives the paint's extent, for the mouse
  // Empty: the track log is read from the home directory without a lock.
  TrackLogReader trackLog;
  // The map lock, under which `view` is copied and the drawing size stored,
  // when another thread (the GPS reader) moves the view point; null when
  // nothing else touches the view.
  std::recursive_mutex* viewLock = nullptr;
  // The layer of the route check: the findings of the last check of the
  // voyage, marked over the route when there are any; null draws none.
  const LandCheckResult* landCheck = nullptr;
};

// Paints the map on `surface` (its width() x height() pixels). Returns
// kMapPainted, or kMapNotPainted when the drawing is empty or the voyage has
// no waypoint and no view point is set (error string 24 shown, nothing
// drawn). The pop-ups of the layers' file errors are suppressed while the
// map is being built; their messages still reach the message window.
int PaintMap(Surface& surface, MapPaintContext& context);

// The extent request of the map view state for a drawing of width x height.
MapExtentRequest mapExtentRequest(const MapViewState& view, int width, int height);

}  // namespace z5
