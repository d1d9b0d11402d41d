#pragma once
// The user point file (and the GPS track log, written in the same form):
// text whose points are groups of three significant lines, a name, a
// latitude and a longitude. Blank lines, lines starting with "//" and lines
// starting with "!" (after white space) are skipped before and within a group.

#include <functional>
#include <istream>
#include <string>
#include <string_view>

#include "route/PositionText.h"

namespace z5 {

// Characters kept of a line, which is read like a route line: UTF-8 where
// valid, else Latin-1.
inline constexpr std::size_t kMaxPointFileLine = 255;
// Bytes read of a line: enough for kMaxPointFileLine characters of UTF-8.
inline constexpr std::size_t kMaxPointFileLineBytes = 4 * kMaxPointFileLine;

struct UserPoint {
  std::string name;
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
};

// Error strings of a point file that cannot be read to its end.
inline constexpr int kPointFileEndsInGroup = 16;
inline constexpr int kPointFileBadLatitude = 17;
inline constexpr int kPointFileBadLongitude = 19;

struct PointFileError {
  int number = 0;  // 0: none, else one of the error strings above
  int line = 0;    // the line where reading stopped
  int entry = 0;   // the point being read, from 1
  std::string lineText;
};

class PointFileReader {
 public:
  // Parses a position line: degrees, or a value below kRouteLineErrorBelow
  // when the text is no position (parsePosition in the program).
  using PositionParser = std::function<double(std::string_view text, PositionKind kind)>;

  PointFileReader(std::istream& in, PositionParser parse) : in_(in), parse_(std::move(parse)) {}

  // The next point; false at the end of the file or at an error (error()
  // tells which). Reading stops at the first error.
  bool next(UserPoint& point);
  const PointFileError& error() const { return error_; }

 private:
  // The next significant line; false at the end of the file.
  bool significantLine(std::string& line);
  bool readLine(std::string& line);
  bool fail(int number);

  std::istream& in_;
  PositionParser parse_;
  int lineNumber_ = 0;
  int entries_ = 0;
  std::string lastLine_;
  PointFileError error_;
  bool stopped_ = false;
};

}  // namespace z5
