#pragma once
// Where the route crosses a parallel (Lon?) or a meridian (Lat?): asked by
// the user, or written into a report for the route file's !LAT and !LON
// lines and for the edges of every chart the route crosses.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "charts/RouteChartTable.h"
#include "geo/LegGeometry.h"
#include "nav/NavContext.h"

namespace z5 {

// Receives the intercept texts in order; returns false when the text could
// not be written (the report then stops).
using InterceptWriter = std::function<bool(const std::string& text)>;

// A chart's rectangle: when given, only crossings strictly inside its other
// two edges count. Degrees; longitudes absolute, the chart running east from
// `west` to `east` (across the 180th meridian when east is less).
struct InterceptBox {
  double south = 0;
  double north = 0;
  double west = 0;
  double east = 0;
};

// The rectangle of a route chart: its two longitude edges ordered into west
// and east relative to `referenceMeridian`, the shorter way round.
InterceptBox chartBox(const RouteChart& chart, double referenceMeridian);

// One crossing of a leg.
struct InterceptCrossing {
  int fromNumber = 0;  // waypoint numbers of the leg's ends as listed
  int toNumber = 0;
  double latitude = 0;   // degrees
  double longitude = 0;  // degrees, absolute
};

// The crossings of the parallel `latitude` by the rhumb-line legs from the
// voyage's start point, in route order. A leg counts when the latitude lies
// within its ends' latitudes (both inclusive, so a waypoint on the parallel
// is reported for both of its legs); a leg whose course is a multiple of 90
// degrees reports its start longitude.
std::vector<InterceptCrossing> parallelCrossings(const Voyage& voyage, const LegGeometry& geometry, int firstRowNumber,
                                                 double latitude, const InterceptBox* box);

// The crossings of the meridian `longitude`: a leg counts when the meridian
// lies within its ends' longitudes (relative to the reference meridian,
// both inclusive); the latitude is found on the rhumb line by bisection on
// the meridional parts; a leg whose course is a multiple of 90 degrees
// reports its start latitude.
std::vector<InterceptCrossing> meridianCrossings(const Voyage& voyage, const LegGeometry& geometry, int firstRowNumber,
                                                 double longitude, const InterceptBox* box);

// Lon? for a report: writes "\tLon? <text>\n" per crossing (with the chart
// number first when `chartNumber` is above 0), or the no-crossing text
// unless `quiet`. Returns 1, or 0 when writing failed.
int longitudeIntercept(NavContext& nav, int chartNumber, double latitude, const InterceptBox* box, bool quiet,
                       const InterceptWriter& out);

// Lat? for a report, as longitudeIntercept with a longitude.
int latitudeIntercept(NavContext& nav, int chartNumber, double longitude, const InterceptBox* box, bool quiet,
                      const InterceptWriter& out);

// The route file's requests: every !LAT latitude through Lon?, then every
// !LON longitude through Lat?, each with its chart number. Returns 1, or 0
// when writing failed.
int writeFileIntercepts(NavContext& nav, const InterceptWriter& out);

// A chart's edges in the order south latitude, west longitude, north
// latitude, east longitude, each counting only crossings inside the chart,
// without chart number and quiet. Returns 1, or 0 when writing failed.
int writeChartEdgeIntercepts(NavContext& nav, const InterceptBox& chart, const InterceptWriter& out);

// The Lon? and Lat? commands: ask for the latitude (longitude), offering the
// last one, and write the heading and the crossings to the message window.
// A miss is shown and asked once more; a second miss goes into the status
// text. The first crossing becomes the last intercept result text.
void askLongitudeIntercept(NavContext& nav);
void askLatitudeIntercept(NavContext& nav);

}  // namespace z5
