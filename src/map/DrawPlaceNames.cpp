#include "map/DrawPlaceNames.h"

#include <bit>
#include <cstdlib>

#include <fmt/printf.h>

#include "geo/Projection.h"
#include "map/LabelPlacement.h"
#include "map/ViewBox.h"
#include "world/PlaceNameFile.h"

namespace z5 {
namespace {

constexpr int kCannotOpenError = 38;
constexpr int kBadMagicError = 39;
constexpr int kMessageMilliseconds = 3000;

// One message for what a drawing left out of a file: damaged records and a
// record cut short. Empty when nothing was.
std::string placeNameFileProblem(const PlaceNameReader& reader, long long damaged, const std::string& path) {
  std::string text;
  if (damaged > 0) {
    text = fmt::sprintf("%s: %lld of its %lld records are damaged (a position off the earth) and are not shown.", path,
                        damaged, reader.wholeRecords());
  }
  if (reader.cutShort()) {
    if (!text.empty()) text += "\n";
    text += fmt::sprintf("%s is cut short: it ends inside record %lld, which is not shown.", path,
                         reader.wholeRecords() + 1);
  }
  return text;
}

}  // namespace

int placeNameThreshold(std::int64_t widthSeconds) {
  const auto width = static_cast<std::uint64_t>(std::llabs(widthSeconds));
  return width < 2 ? 0 : static_cast<int>(std::bit_width(width)) - 1;
}

int DrawPlaceNames(Surface& surface, Messages& messages, PlaceNameKind kind, const std::string& home,
                   const MapExtent& extent, const PlaceNameStyle& style) {
  if (style.inColour) {
    const int colour = kind == PlaceNameKind::SeaNames ? kSeaNameColour : kPortColour;
    surface.selectPen(colour);
    surface.setTextColour(colour);
  }
  const ViewBox box(extent);
  const int threshold = placeNameThreshold(box.east - box.west);
  const std::string path = home + (kind == PlaceNameKind::SeaNames ? kSeaNameFile : kPortFile);
  PlaceNameReader reader(path);
  switch (reader.status()) {
    case PlaceNameStatus::CannotOpen:
      messages.showError(kCannotOpenError, kMessageMilliseconds, path);
      return 0;
    case PlaceNameStatus::BadMagic:
      messages.showError(kBadMagicError, kMessageMilliseconds, path, static_cast<int>(reader.magicFound()),
                         static_cast<int>(kPlaceNameMagic));
      return 0;
    case PlaceNameStatus::Ok:
      break;
  }
  long long damaged = 0;
  reader.forEachRecord([&](const PlaceNameRecord& r) {
    if (!onTheEarth(r)) {
      ++damaged;
      return;
    }
    const int relLon = box.relative(r.lon);
    if (!box.contains(r.lat, relLon) || (r.level != kAlwaysShown && r.level < threshold)) return;
    const std::string name = r.name();
    const int x = LonToX(extent, relLon), y = LatToY(extent, r.lat);
    const LabelPosition at = placeLabel(x, y, surface.textWidth(name), style.textHeight, style.width, style.height);
    surface.textOut(at.left, at.top, name);
    surface.circle(x, y, style.markRadius);
  });
  if (const std::string problem = placeNameFileProblem(reader, damaged, path); !problem.empty()) {
    messages.showMessage(problem, kMessageMilliseconds);
  }
  return 1;
}

}  // namespace z5
