#pragma once
// The latitude and longitude grid of the map: lines at a spacing that suits
// the map's span, each labelled with its position.

#include <string>

#include "geo/MapExtent.h"
#include "map/Surface.h"

namespace z5 {

// The grid spacing for a span of `spanSeconds` arc-seconds (the
// meridional-parts span for latitude lines, the longitude span for
// longitude lines), arc-seconds: from 1 minute for spans of 1000 or less up
// to 40 degrees for spans over 480000.
int gridSpacing(int spanSeconds);

// "DD-MMN" / "DD-MMS": the degrees and minutes of a latitude line (whole
// arc-seconds); "S" for the equator and southern latitudes.
std::string latitudeGridLabel(int latitudeSeconds);
// "DDD-MME" / "DDD-MMW": the same for a longitude line (absolute whole
// arc-seconds, taken into -180..180); "W" for 0 and western longitudes.
std::string longitudeGridLabel(int longitudeSeconds);

// Draws the grid over the extent in the current pen and text colour.
// Latitude lines run from x = 1 to the map's width, labelled at the left
// just below the line; longitude lines from y = 1 to the map's height,
// labelled at the top a text height left of the line, alternately on the
// first and the second text row so that neighbouring labels do not overlap.
// Labels at the map's edges are moved inside it.
void DrawGrid(Surface& surface, const MapExtent& extent, int textHeight);

}  // namespace z5
