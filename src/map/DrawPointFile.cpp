#include "map/DrawPointFile.h"

#include <algorithm>
#include <fstream>

#include "geo/Longitude.h"
#include "geo/Projection.h"
#include "map/LabelPlacement.h"
#include "map/ViewBox.h"
#include "route/PositionText.h"
#include "world/PointFile.h"

namespace z5 {
namespace {

// How long each error stays up, as for the same errors in a route file.
int shownFor(int error) { return error == kPointFileEndsInGroup ? 8000 : 3000; }

// The error string of one of the reader's errors, naming the line, the file
// and the point.
ErrorNumber<int, std::string, int> errorString(int error) {
  switch (error) {
    case kPointFileBadLatitude: return kPointFileBadLatitude;
    case kPointFileBadLongitude: return kPointFileBadLongitude;
    default: return kPointFileEndsInGroup;
  }
}

void report(Messages& messages, std::vector<ErrorLocation>& errors, const std::string& path,
            const PointFileError& e) {
  const std::string message = messages.strings().error(errorString(e.number), e.line, path, e.entry);
  messages.showMessage(message, shownFor(e.number));
  // Each paint reads the file again; its error is listed once.
  const bool listed = std::any_of(errors.begin(), errors.end(), [&](const ErrorLocation& l) {
    return l.file == path && l.line == e.line && l.message == message;
  });
  if (!listed && static_cast<int>(errors.size()) < kMaxErrorLocations)
    errors.push_back({path, e.line, message, e.lineText});
}

}  // namespace

int DrawPointFile(Surface& surface, Messages& messages, std::vector<ErrorLocation>& errors,
                  const std::string& path, const MapExtent& extent, const PointFileStyle& style) {
  if (style.inColour) {
    surface.selectPen(style.colourIndex);
    surface.setTextColour(style.colourIndex);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return 0;
  const ViewBox box(extent);
  PointFileReader reader(in, parsePosition);
  for (UserPoint p; reader.next(p);) {
    const int lat = toArcSeconds(p.latitude);
    const int relLon = box.relative(toArcSeconds(p.longitude));
    if (!box.contains(lat, relLon)) continue;
    const int x = LonToX(extent, relLon), y = LatToY(extent, lat);
    if (style.labels) {
      const LabelPosition at = placeLabel(x, y, surface.textWidth(p.name), style.textHeight, style.width, style.height);
      surface.textOut(at.left, at.top, p.name);
    }
    surface.circle(x, y, style.markRadius);
  }
  const PointFileError& e = reader.error();
  if (e.number == 0) return 0;
  report(messages, errors, path, e);
  return e.number;
}

}  // namespace z5
