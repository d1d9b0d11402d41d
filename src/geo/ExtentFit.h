#pragma once
// The rectangle of the earth a drawing shows, fitted to the drawing's shape
// by meridional parts: around a set of positions widened by 15 %, or a span
// of degrees around a centre. Longitudes are taken relative to the reference
// meridian the caller chooses, so that a set across the 180th meridian stays
// continuous.

#include <span>

#include "geo/MapExtent.h"
#include "geo/Position.h"

namespace z5 {

// Latitudes of a map never go beyond this, degrees.
inline constexpr double kMapLatitudeLimit = 85;
// A centred map is at most this many degrees of longitude either side of its centre.
inline constexpr double kMaxHalfWidth = 89.999;
// The widest map, minutes of longitude (320 degrees).
inline constexpr double kMaxLongitudeSpanMinutes = 19200;

// The extent of `points` (two or more) for a drawing of width x height
// pixels (each at least 1), with `reference` (degrees) as its reference
// meridian. Their bounds are widened by 15 % of each span on each side,
// latitudes within +-85; west and east are relative to the reference and
// not limited to -180..180. The fit keeps the widened latitudes in view when
// the drawing's shape gives more latitude than they need (the extra is
// shared out around their middle latitude, as far as both still fit). The
// scale divisors are set as for painting (setScaleDivisors).
MapExtent extentAroundPositions(std::span<const Position> points, double reference, int width, int height);

// The extent `span` degrees high (latitudes moved inside +-85 when needed)
// around `centre`, for a drawing of width x height pixels (each at least 1),
// at most kMaxHalfWidth degrees of longitude either side of the centre and
// within -180..180 of the reference meridian `reference` (degrees).
MapExtent extentAroundCentre(Position centre, double reference, double span, int width, int height);

}  // namespace z5
