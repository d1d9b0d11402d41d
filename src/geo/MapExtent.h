#pragma once
// The rectangle of the earth a map shows, and the reference meridian that
// every difference of longitude in the program is taken against.

namespace z5 {

struct MapExtent {
  double referenceMeridian = 0;  // R, degrees
  int referenceSeconds = 0;      // R, whole arc-seconds

  // Bounds in degrees; west and east relative to R, within -180..180.
  double south = 0, north = 0, west = 0, east = 0;
  // The same in whole arc-seconds.
  int southSeconds = 0, northSeconds = 0, westSeconds = 0, eastSeconds = 0;
  // Meridional parts of south and north, arc-seconds of meridional parts.
  int mpSouth = 0, mpNorth = 0;
  // Spans in arc-seconds.
  int latitudeSpan = 0, longitudeSpan = 0, mpSpan = 0;
  // Drawing size actually used, pixels.
  int width = 0, height = 0;
  // Scale divisors, arc-seconds per pixel; 0 when not used.
  int kx = 0, ky = 0;
};

}  // namespace z5
