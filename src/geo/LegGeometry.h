#pragma once
// The sailings of one leg: rhumb line by meridional parts, great circle with
// its vertex, the great circle's latitude at a longitude, and where a rhumb
// line crosses a meridian or a parallel.
//
// Every difference of longitude is taken between longitudes relative to the
// reference meridian R the geometry was made with (the map extent's), so a
// leg across the 180th meridian is continuous when R lies near it; a rhumb
// line whose ends lie more than 180 degrees apart once made relative to R is
// sailed the long way round. The great circle always takes the short way.
//
// Positions are degrees, north and east positive: latitudes -90..90,
// longitudes -180..180. Courses are degrees true in [0, 360). Distances are
// nautical miles: one minute of arc of a great circle is one NM, unless the
// geodetic flag asks for the ellipsoid's lengths of a degree.

#include "geo/Position.h"

namespace z5 {

struct RhumbLineLeg {
  double course = 0;    // degrees true, [0, 360)
  double distance = 0;  // NM, >= 0
};

struct GreatCircleLeg {
  double course = 0;            // initial course, degrees true, [0, 360)
  double distance = 0;          // NM, >= 0
  double altitude = 0;          // asin(cos D), degrees: 90 less the arc
  double vertexLatitude = 0;    // degrees, with the sign of the start's latitude
  double vertexLongitude = 0;   // degrees, absolute, -180..180
  double vertexDifference = 0;  // degrees of longitude from the start to the vertex, 0..90
  bool vertexOnLeg = false;     // the vertex lies strictly between the ends
};

// The great circle of a leg at a chosen longitude.
struct GreatCirclePoint {
  double latitude = 0;         // degrees
  bool crossesLimit = false;   // the circle rises beyond the limiting parallel
  double firstCrossing = 0;    // longitudes where it crosses the limiting parallel,
  double secondCrossing = 0;   // first and second in the direction of travel (absolute degrees)
};

class LegGeometry {
 public:
  explicit LegGeometry(double referenceMeridian) : reference_(referenceMeridian) {}

  double referenceMeridian() const { return reference_; }

  // Rhumb line from (lat1, lon1) to (lat2, lon2).
  //   Same meridian (relative longitudes within 1e-7 minutes): course 0, or
  //   180 when going south; distance the difference of latitude.
  //   Same parallel (latitudes within 1e-7 minutes): course 90 or 270;
  //   distance the departure (difference of longitude x cos lat1).
  //   Coincident points: course 0, distance 0.
  //   To or from a pole: course 0 or 180, distance the difference of latitude.
  //   Geodetic: the distance is scaled by the lengths of a degree.
  RhumbLineLeg rhumbLine(double lat1, double lon1, double lat2, double lon2, bool geodetic) const;

  // Great circle from (lat1, lon1) to (lat2, lon2), the short way.
  //   Every leg shorter than 180 degrees of longitude is nudged by 1e-6
  //   degrees towards closing, so coincident points and legs along a
  //   meridian are solved as almost-meridian great circles: course within
  //   1e-5 degrees of 0 or 180, distance within 1e-4 NM; coincident points
  //   give a distance below 1e-4 NM on course 090, the way of the nudge.
  //   On the equator: course 90 or 270, vertex at 0.
  //   A start at a vertex (course 090 or 270 off the equator): the vertex is
  //   the start, its difference 0.
  //   Geodetic: the distance is scaled by the lengths of a degree, weighted
  //   by the vertex latitude when the vertex lies on the leg.
  GreatCircleLeg greatCircleLeg(double lat1, double lon1, double lat2, double lon2, bool geodetic) const;

  // The latitude of the great circle `leg` (computed from (lat1, lon1) to a
  // point at lon2) at `longitude`, and, when `limit` (degrees, > 0) lies
  // below its vertex, the two longitudes where it crosses the limiting
  // parallel. The difference of longitude from the start is taken the short
  // way. The latitude is valid within 90 degrees of longitude of the vertex.
  GreatCirclePoint greatCirclePointAtLongitude(const GreatCircleLeg& leg, double longitude, double lat1, double lon1,
                                               double lon2, double limit) const;

  // Latitude (whole arc-seconds, truncated toward zero) where the rhumb-line
  // leg from `start` to `end` on `course` (degrees true, the leg's rhumb-line
  // course) crosses the meridian `longitudeSeconds`. kNoCrossingSeconds when
  // the meridian lies outside the leg. A leg along a meridian or a parallel
  // (course a multiple of 90) gives the start's latitude.
  int rhumbLatitudeAtLongitude(int longitudeSeconds, Position start, Position end, double course) const;

  // Longitude (whole arc-seconds, absolute, truncated toward zero) where the
  // rhumb-line leg crosses the parallel `latitudeSeconds`; kNoCrossingSeconds
  // when the parallel lies outside the leg. A leg along a parallel or a
  // meridian gives the start's longitude.
  int rhumbLongitudeAtLatitude(int latitudeSeconds, Position start, Position end, double course) const;

 private:
  double relative(double longitude) const;
  double absolute(double relative) const;

  double reference_;
};

// True when `course` (degrees) is a multiple of 90 within 1e-9.
bool isCardinalCourse(double course);

}  // namespace z5
