#pragma once
// Drawing a text file of named points (the user point file, the GPS track
// log) over the map: each point inside the view ringed and, if asked,
// labelled; a malformed file is reported at its first bad line and what was
// drawn before it stays.

#include <string>
#include <vector>

#include "base/Messages.h"
#include "geo/MapExtent.h"
#include "map/Surface.h"
#include "route/Voyage.h"

namespace z5 {

struct PointFileStyle {
  bool labels = true;
  int width = 0, height = 0;  // the drawing, pixels
  int colourIndex = 5;
  bool inColour = true;
  int textHeight = 0;
  int markRadius = 3;
};

// Returns 0 when the file was read to its end or is missing (a missing
// file is not reported), else the error string shown (16, 17 or 19), whose
// location is added to `errors`.
int DrawPointFile(Surface& surface, Messages& messages, std::vector<ErrorLocation>& errors,
                  const std::string& path, const MapExtent& extent, const PointFileStyle& style);

}  // namespace z5
