#pragma once
// A GPX file's route made into route text of this program: the text a new
// route editor opens with, or that `z5 --import-gpx` prints.

#include <cstdint>
#include <string>
#include <string_view>

namespace z5 {

// Larger files are not read: a route of 1000 waypoints takes well under
// 1 MB, and the whole file is held in memory while it is read.
inline constexpr std::uintmax_t kLargestGpxFile = 64u << 20;

struct GpxImport {
  bool imported = false;
  std::string routeText;  // when imported
  std::string message;    // when not: "FILE:LINE: what is wrong" (no line when none can be named)
};

// Imports the GPX file at `path`: a file that is missing, not a regular file
// or larger than kLargestGpxFile is refused before it is read.
GpxImport importGpxFile(const std::string& path);

// Imports the GPX document `bytes`, named `fileName` in the comment line and
// in messages.
//
// The route text begins with a comment naming the file and the route, then
// a !SPEED line when the route carries a planned speed of 0.01 to 1000
// knots; each point becomes a name line (its name cut to 18 characters;
// an unnamed point is "WPT n", and a name the route language would take for
// a directive, comment or report line is preceded by "WP "), a latitude and
// a longitude line in degrees and minutes to five decimals (about 2 cm),
// and a !SPEED line when the point carries a planned speed. A point at the
// position of the point before it, which a route may not repeat, becomes a
// comment naming it. At most 1000 points (the route limit).
GpxImport importGpxText(std::string_view bytes, std::string_view fileName);

}  // namespace z5
