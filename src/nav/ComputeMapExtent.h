#pragma once
// Which rectangle of the earth a map of the voyage shows: the points, the
// centre and the reference meridian the voyage and the view give, fitted to
// the drawing (geo/ExtentFit.h) as the whole voyage widened by 15 % or a span
// of degrees around a centre. The whole-voyage extent of the leg pass also fixes the
// reference meridian R that every leg computation takes longitudes against;
// a centred map has its own.

#include "geo/ExtentFit.h"
#include "geo/MapExtent.h"
#include "route/Voyage.h"

namespace z5 {

// What a map shows until the user picks otherwise: the height of a centred
// map, degrees, and the drawing size, pixels (the leg pass fits the
// whole-voyage extent, and so the chart search box, to the last drawing).
inline constexpr double kDefaultDegreeSpan = 2.0;
inline constexpr int kDefaultDrawingWidth = 1024;
inline constexpr int kDefaultDrawingHeight = 768;

struct MapExtentRequest {
  bool viewPoint = false;  // centre on the view point below
  double viewLatitude = 0;
  double viewLongitude = 0;
  int centreIndex = kNoIndex;  // kNoIndex with no view point: the whole voyage
  double degreeSpan = kDefaultDegreeSpan;  // height of a centred map, degrees
  int width = 0;   // drawing size, pixels
  int height = 0;
};

// The whole-voyage request of the leg pass: no view point, no centre.
MapExtentRequest wholeVoyageRequest(double degreeSpan, int width, int height);

// The extent for a drawing of request.width x request.height pixels.
//   For a map centred on request (a view point or a centre index) the
//   reference meridian is the centre's, so that the map is centred where
//   asked and its whole width lies within 160 degrees of it. Otherwise it is
//   the voyage's: the longitude of the waypoint at (s + n) / 2 (s the first
//   index of the voyage: 0, or the to-waypoint index; n the waypoint count),
//   or the first waypoint when that index is 0 or beyond the table, or the
//   view point when there is no waypoint, else 0.
//   West and east are relative to it and not limited to -180..180 for a
//   whole-voyage map; latitudes stay within +-85. A whole-voyage map keeps
//   its widened latitudes in view when the drawing's shape gives it more
//   latitude than they need (the extra is shared out around their middle
//   latitude, as far as both still fit). The scale divisors are set
//   as for painting (setScaleDivisors).
MapExtent ComputeMapExtent(const Voyage& voyage, const MapExtentRequest& request);

}  // namespace z5
