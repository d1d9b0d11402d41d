#pragma once
// A position on the earth in signed decimal degrees, north and east positive.

namespace z5 {

struct Position {
  double latitude = 0;   // degrees, -90..90
  double longitude = 0;  // degrees, -180..180
};

}  // namespace z5
