#include "map/DrawLineFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "geo/Projection.h"
#include "map/ViewBox.h"
#include "world/LineFileReader.h"

namespace z5 {
namespace {

constexpr int kMessageMilliseconds = 3000;

struct LineKind {
  int suffixString;
  int colourBase;
  int classCount;  // classes 1..classCount have colour slots
};
// Land classes 1 to 11; the last two land slots show the route check.
constexpr LineKind kLand{kLandSuffixString, kLandColourBase, 11};
constexpr LineKind kRivers{kRiverSuffixString, kRiverColourBase, 11};
constexpr LineKind kBoundaries{kBoundarySuffixString, kBoundaryColourBase, 3};

// Where the step from a point inside the box to one outside it crosses the
// box's edge, by linear interpolation in arc-seconds: data steps are short,
// so the chord and the rhumb line agree to the pixel.
ArcPoint edgeCrossing(const ViewBox& box, ArcPoint inside, ArcPoint outside) {
  double t = 1;
  auto limitBy = [&t](double from, double to, double lower, double upper) {
    if (to > upper) t = std::min(t, (upper - from) / (to - from));
    if (to < lower) t = std::min(t, (lower - from) / (to - from));
  };
  limitBy(inside.lon, outside.lon, static_cast<double>(box.west), static_cast<double>(box.east));
  limitBy(inside.lat, outside.lat, static_cast<double>(box.south), static_cast<double>(box.north));
  auto along = [t](std::int32_t from, std::int32_t to, std::int64_t lower, std::int64_t upper) {
    const auto at = static_cast<std::int64_t>(std::lround(from + t * (static_cast<double>(to) - from)));
    return static_cast<std::int32_t>(std::clamp(at, lower, upper));
  };
  return {along(inside.lon, outside.lon, box.west, box.east), along(inside.lat, outside.lat, box.south, box.north)};
}

// Plots one segment's points with the pen-up / pen-down rule: a point inside
// the box is joined to the last drawn one only when it is more than one
// pixel away in x or y. A step that leaves the box is drawn to the box's
// edge and lifts the pen; a step that comes back in starts at the edge, so
// coastlines reach the sides of the map.
class SegmentPlotter {
 public:
  SegmentPlotter(Surface& surface, const MapExtent& extent, const ViewBox& box)
      : surface_(surface), extent_(extent), box_(box) {}

  void plot(const std::vector<ArcPoint>& points) {
    penDown_ = false;
    const ArcPoint* previous = nullptr;
    for (const ArcPoint& p : points) {
      if (!box_.contains(p.lat, p.lon)) {
        if (penDown_) lineTo(edgeCrossing(box_, *previous, p));
        penDown_ = false;
      } else if (penDown_) {
        lineTo(p);
      } else {
        start(previous != nullptr ? edgeCrossing(box_, p, *previous) : p);
        lineTo(p);
      }
      previous = &p;
    }
  }

 private:
  void start(ArcPoint p) {
    lastX_ = LonToX(extent_, p.lon);
    lastY_ = LatToY(extent_, p.lat);
    surface_.moveTo(lastX_, lastY_);
    surface_.setPixel(lastX_, lastY_);
    penDown_ = true;
  }
  void lineTo(ArcPoint p) {
    const int x = LonToX(extent_, p.lon), y = LatToY(extent_, p.lat);
    if (std::max(std::abs(x - lastX_), std::abs(y - lastY_)) <= 1) return;
    surface_.lineTo(x, y);
    lastX_ = x;
    lastY_ = y;
  }

  Surface& surface_;
  const MapExtent& extent_;
  const ViewBox& box_;
  bool penDown_ = false;
  int lastX_ = 0, lastY_ = 0;
};

class LineLayer {
 public:
  LineLayer(Surface& surface, Messages& messages, const MapExtent& extent, bool inColour)
      : surface_(surface), messages_(messages), box_(extent), inColour_(inColour),
        plotter_(surface, extent, box_) {}

  // Draws one file; returns kLineFilesDrawn or the result that ends the layer.
  int drawFile(const std::string& path, const LineKind& kind) {
    LineFileReader reader(path);
    int previousClass = 0;
    reader.forEachSegment(
        [this](const DirectoryEntry& e) { return meetsView(e); },
        [&](const DirectoryEntry& e, const SegmentHeader& h, std::span<const std::uint8_t> data) {
          const int lineClass = std::clamp<int>(e.lineClass, 1, kind.classCount);
          if (inColour_ && lineClass != previousClass) surface_.selectPen(kind.colourBase + lineClass - 1);
          previousClass = lineClass;
          points_.clear();
          const ArcPoint first{box_.relative(h.lon), h.lat};
          const bool whole = decodePointData(first, data.data(), data.size(), h.deltaCount, points_);
          plotter_.plot(points_);
          return whole;
        });
    return report(path, reader.problem());
  }

 private:
  // The strict test of a segment's box against the view, east and west
  // wrapped relative to the reference meridian.
  bool meetsView(const DirectoryEntry& e) const {
    return e.north > box_.south && e.south < box_.north && box_.relative(e.east) > box_.west &&
           box_.relative(e.west) < box_.east;
  }

  int report(const std::string& path, const LineFileProblem& problem) {
    showLineFileProblem(messages_, path, problem, kMessageMilliseconds);
    switch (problem.status) {
      case LineFileStatus::Ok:
      case LineFileStatus::CannotOpen:
        return kLineFilesDrawn;
      case LineFileStatus::BadMagic:
        return kLineFileBadMagic;
      case LineFileStatus::SegmentTooLong:
      case LineFileStatus::Damaged:
        return kLineFileSegmentTooLong;
    }
    return kLineFilesDrawn;
  }

  Surface& surface_;
  Messages& messages_;
  ViewBox box_;
  bool inColour_;
  SegmentPlotter plotter_;
  std::vector<ArcPoint> points_;
};

}  // namespace

int DrawLineFiles(Surface& surface, Messages& messages, const std::string& home, const MapExtent& extent,
                  const LineFileOptions& options) {
  const StringTable& strings = messages.strings();
  LineLayer layer(surface, messages, extent, options.inColour);
  for (int region = 0; region < kLineFileRegions; ++region) {
    std::vector<const LineKind*> kinds{&kLand};
    if (options.rivers) kinds.push_back(&kRivers);
    if (options.boundaries) kinds.push_back(&kBoundaries);
    for (const LineKind* kind : kinds) {
      const int result = layer.drawFile(lineFilePath(home, strings, region, kind->suffixString), *kind);
      if (result != kLineFilesDrawn) return result;
    }
  }
  return kLineFilesDrawn;
}

int DrawLineLayer(Surface& surface, Messages& messages, const SettingsRecord& settings, const MapExtent& extent) {
  if (settings.LAND != 1) return kLineFilesDrawn;
  const LineFileOptions options{settings.IN_COLOR == 1, settings.RIVERS == 1, settings.BOUNDARIES == 1};
  return DrawLineFiles(surface, messages, settings.HOME_PATH, extent, options);
}

}  // namespace z5
