#pragma once
// The land of the world data as one spatial index, for the route check:
// every edge of the land files (coastlines, lakes and the Antarctic ice
// front; not the grounding line behind the ice front, and no rivers or
// borders) on the Mercator plane, where a rhumb line is a straight line,
// in an R-tree over short runs of consecutive edges. Built once per home
// directory; never changed after.
//
// The plane: x is the longitude in minutes of arc east (-10800..10800 for
// the data; a leg may run beyond, unwrapped), y the meridional parts in
// minutes. Latitudes are held within kPlaneLatitudeLimit of the equator,
// so the poles, whose meridional parts are infinite, stay on the plane.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/StringTable.h"
#include "world/LineFileFormat.h"
#include "world/LineFileReader.h"

namespace z5 {

struct PlanePoint {
  double x = 0;  // minutes of longitude east
  double y = 0;  // meridional parts, minutes
};

struct PlaneBox {
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// Latitudes beyond this many degrees count as this one on the plane.
inline constexpr double kPlaneLatitudeLimit = 89.9;
// The plane's x of the 180th meridian, minutes.
inline constexpr double kPlaneHalfTurn = 10800;

// A position (degrees; the longitude may be unwrapped) on the plane.
PlanePoint toPlane(double latitude, double longitude);
// The length of a short line on the plane, nautical miles: its plane
// length at the plane's scale at its middle (one minute of the plane is
// cos(lat) NM on the sphere, and cos(lat) = 1 / cosh(y in radians)).
double planeMiles(PlanePoint a, PlanePoint b);
// The latitude (degrees) of a plane y, to 1e-6 minutes.
double planeLatitude(double y);

// Whether a segment of the land files' class counts as land: all but the
// grounding line, which lies inside the ice front.
bool countsAsLand(int lineClass);

// The land's edges as chains of plane points, gathered before the index is
// built: chain k is points[starts[k]] up to the next chain's start.
struct LandChains {
  std::vector<PlanePoint> points;
  std::vector<std::uint32_t> starts;

  // A chain of the land files' points (whole arc-seconds); one of fewer
  // than two points has no edge and is left out.
  void add(std::span<const ArcPoint> chain);
};

class LandIndex {
 public:
  explicit LandIndex(LandChains chains);
  ~LandIndex();
  LandIndex(const LandIndex&) = delete;
  LandIndex& operator=(const LandIndex&) = delete;

  // Calls `visit` with the points of every run of edges (consecutive
  // points, each pair an edge) whose box meets `box`.
  void forEachRun(const PlaneBox& box, const std::function<void(std::span<const PlanePoint>)>& visit) const;

  std::size_t edgeCount() const { return edgeCount_; }
  // The greatest y of any point: the top of the land.
  double top() const { return top_; }
  // The typical (median) distance between neighbouring coastline points,
  // km: the resolution the check works at.
  double pointSpacingKm() const { return spacingKm_; }

 private:
  struct Tree;
  LandChains chains_;
  std::unique_ptr<Tree> tree_;
  std::size_t edgeCount_ = 0;
  double top_ = -std::numeric_limits<double>::infinity();
  double spacingKm_ = 0;
};

// The land index of a home directory (ending with '/'): its five land
// files, every one of which must be there and sound. On a problem `index`
// is empty and `path` and `problem` say which file and what.
struct LandIndexLoad {
  std::unique_ptr<LandIndex> index;
  std::string path;
  LineFileProblem problem;
};
LandIndexLoad loadLandIndex(const std::string& home, const StringTable& strings);

}  // namespace z5
