#include "map/DrawLineFiles.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "map/LineFileReader.h"
#include "map/Projection.h"
#include "map/ViewBox.h"

namespace z5 {
namespace {

constexpr int kCannotOpenError = 38;
constexpr int kBadMagicError = 39;
constexpr int kSegmentError = 40;
constexpr int kMessageMilliseconds = 3000;

struct LineKind {
  int suffixString;
  int colourBase;
  int classCount;  // classes 1..classCount have colour slots
};
constexpr LineKind kLand{kLandSuffixString, kLandColourBase, 13};
constexpr LineKind kRivers{kRiverSuffixString, kRiverColourBase, 11};
constexpr LineKind kBoundaries{kBoundarySuffixString, kBoundaryColourBase, 3};

// Plots one segment's points with the pen-up / pen-down rule: points outside
// the box lift the pen; a point inside is joined to the last drawn one only
// when it is more than one pixel away in x or y.
class SegmentPlotter {
 public:
  SegmentPlotter(Surface& surface, const MapExtent& extent, const ViewBox& box)
      : surface_(surface), extent_(extent), box_(box) {}

  void plot(const std::vector<ArcPoint>& points) {
    bool penDown = false;
    int lastX = 0, lastY = 0;
    for (const ArcPoint& p : points) {
      if (!box_.contains(p.lat, p.lon)) {
        penDown = false;
        continue;
      }
      const int x = LonToX(extent_, p.lon), y = LatToY(extent_, p.lat);
      if (!penDown) {
        surface_.moveTo(x, y);
        surface_.setPixel(x, y);
      } else if (std::max(std::abs(x - lastX), std::abs(y - lastY)) > 1) {
        surface_.lineTo(x, y);
      } else {
        continue;
      }
      penDown = true;
      lastX = x;
      lastY = y;
    }
  }

 private:
  Surface& surface_;
  const MapExtent& extent_;
  const ViewBox& box_;
};

class LineLayer {
 public:
  LineLayer(Surface& surface, Messages& messages, const MapExtent& extent, bool inColour)
      : surface_(surface), messages_(messages), extent_(extent), box_(extent), inColour_(inColour),
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
    switch (problem.status) {
      case LineFileStatus::Ok:
        return kLineFilesDrawn;
      case LineFileStatus::CannotOpen:
        messages_.showError(kCannotOpenError, kMessageMilliseconds, path);
        return kLineFilesDrawn;
      case LineFileStatus::BadMagic:
        messages_.showError(kBadMagicError, kMessageMilliseconds, path, static_cast<int>(problem.magicFound),
                            static_cast<int>(kLineFileMagic));
        return kLineFileBadMagic;
      case LineFileStatus::SegmentTooLong:
      case LineFileStatus::Damaged:
        messages_.showError(kSegmentError, kMessageMilliseconds, path, problem.entryNumber, problem.length,
                            problem.limit);
        return kLineFileSegmentTooLong;
    }
    return kLineFilesDrawn;
  }

  Surface& surface_;
  Messages& messages_;
  const MapExtent& extent_;
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
    const std::string base = home + strings.text(StringFile::Prompt, kLineFileBaseNames + region);
    std::vector<const LineKind*> kinds{&kLand};
    if (options.rivers) kinds.push_back(&kRivers);
    if (options.boundaries) kinds.push_back(&kBoundaries);
    for (const LineKind* kind : kinds) {
      const int result = layer.drawFile(base + strings.text(StringFile::Prompt, kind->suffixString), *kind);
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
