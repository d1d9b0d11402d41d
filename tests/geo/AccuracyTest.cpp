// How far each sailing mode can be trusted: the earth model against
// GeographicLib over a grid of legs in every quadrant, on and across the
// equator and across the 180th meridian. The bounds are the agreement the
// model reaches, with a small margin; the figures are printed.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include <gtest/gtest.h>

#include "geo/EarthModel.h"
#include "geo/LegGeometry.h"

#ifdef Z5_HAVE_GEOGRAPHICLIB
#include <GeographicLib/Constants.hpp>
#include <GeographicLib/Ellipsoid.hpp>
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>
#endif

namespace z5 {
namespace {

#ifdef Z5_HAVE_GEOGRAPHICLIB

using GeographicLib::Constants;

constexpr double kMetresPerNauticalMile = 1852;
// The sphere on which one minute of arc is one nautical mile.
constexpr double kOneMinuteSphereRadius = kMetresPerNauticalMile * 3437.7467707849396;

struct Leg {
  double lat1, lon1, lat2, lon2;
};

// Starts from 70S to 70N and all round the world (179.5E and 179.5W among
// them), legs of 2 to 40 degrees of latitude and 3 to 120 degrees of
// longitude each way, including parallels and meridians.
void forEachLeg(const std::function<void(const Leg&)>& check) {
  const double lats[] = {-70, -50, -30, -10, -0.5, 0, 0.5, 10, 30, 50, 70};
  const double lons[] = {-179.5, -150, -90, -30, 0, 30, 90, 150, 179.5};
  const double dlats[] = {-40, -15, -2, 0, 2, 15, 40};
  const double dlons[] = {-120, -60, -20, -3, 0, 3, 20, 60, 120};
  for (double lat1 : lats) {
    for (double lon1 : lons) {
      for (double dlat : dlats) {
        for (double dlon : dlons) {
          const double lat2 = lat1 + dlat;
          if (std::fabs(lat2) > 75 || (dlat == 0 && dlon == 0)) continue;
          double lon2 = lon1 + dlon;
          if (lon2 > 180) lon2 -= 360;
          if (lon2 < -180) lon2 += 360;
          check({lat1, lon1, lat2, lon2});
        }
      }
    }
  }
}

// The leg pass takes the reference meridian from the later waypoint of a two-point voyage.
LegGeometry geometryFor(const Leg& leg) { return LegGeometry(leg.lon2); }

double courseDifference(double a, double b) { return std::fabs(std::fmod(a - b + 540, 360) - 180); }

struct Worst {
  double absolute = 0;  // NM or minutes
  double relative = 0;
  double course = 0;  // degrees
  void add(double model, double reference, double modelCourse = 0, double referenceCourse = 0) {
    const double d = std::fabs(model - reference);
    absolute = std::max(absolute, d);
    if (reference > 1) relative = std::max(relative, d / reference);
    course = std::max(course, courseDifference(modelCourse, std::fmod(referenceCourse + 360, 360)));
  }
};

TEST(Accuracy, MeridionalPartsAgreeWithTheIsometricLatitudeOfWgs84) {
  const GeographicLib::Ellipsoid wgs84(Constants::WGS84_a(), Constants::WGS84_f());
  Worst worst;
  for (double lat = -85; lat <= 85; lat += 0.25) worst.add(meridionalParts(lat), wgs84.IsometricLatitude(lat) * 60);
  std::printf("meridional parts, 0..85 degrees: within %.5f minutes\n", worst.absolute);
  EXPECT_LT(worst.absolute, 0.002);
}

TEST(Accuracy, GeodeticRhumbLinesAgreeWithTheWgs84Rhumb) {
  const GeographicLib::Rhumb rhumb(Constants::WGS84_a(), Constants::WGS84_f());
  Worst geodetic, plain;
  forEachLeg([&](const Leg& l) {
    double s12 = 0, azimuth = 0;
    rhumb.Inverse(l.lat1, l.lon1, l.lat2, l.lon2, s12, azimuth);
    const double reference = s12 / kMetresPerNauticalMile;
    const RhumbLineLeg g = geometryFor(l).rhumbLine(l.lat1, l.lon1, l.lat2, l.lon2, true);
    const RhumbLineLeg p = geometryFor(l).rhumbLine(l.lat1, l.lon1, l.lat2, l.lon2, false);
    geodetic.add(g.distance, reference, g.course, azimuth);
    plain.add(p.distance, reference, p.course, azimuth);
  });
  std::printf("rhumb line, geodetic: distance within %.4f %% (%.2f NM), course within %.6f degrees\n",
              geodetic.relative * 100, geodetic.absolute, geodetic.course);
  std::printf("rhumb line, minutes as miles: distance within %.3f %% (%.2f NM) of the WGS 84 rhumb\n",
              plain.relative * 100, plain.absolute);
  EXPECT_LT(geodetic.relative, 0.00065);
  EXPECT_LT(geodetic.course, 0.0001);
  EXPECT_LT(plain.relative, 0.0052);
}

TEST(Accuracy, GreatCirclesAgreeWithTheOneMinuteSphere) {
  const GeographicLib::Geodesic sphere(kOneMinuteSphereRadius, 0);
  Worst worst;
  forEachLeg([&](const Leg& l) {
    double s12 = 0, azimuth1 = 0, azimuth2 = 0;
    sphere.Inverse(l.lat1, l.lon1, l.lat2, l.lon2, s12, azimuth1, azimuth2);
    const GreatCircleLeg g = geometryFor(l).greatCircleLeg(l.lat1, l.lon1, l.lat2, l.lon2, false);
    worst.add(g.distance, s12 / kMetresPerNauticalMile, g.course, azimuth1);
  });
  std::printf("great circle: distance within %.6f NM, initial course within %.6f degrees\n", worst.absolute,
              worst.course);
  EXPECT_LT(worst.absolute, 0.0001);
  EXPECT_LT(worst.course, 0.00005);
}

TEST(Accuracy, GeodeticGreatCirclesAgainstTheWgs84Geodesic) {
  // The geodetic flag scales the sphere's arc by lengths of a degree of
  // latitude, so east-west legs near the equator come out short.
  const GeographicLib::Geodesic wgs84(Constants::WGS84_a(), Constants::WGS84_f());
  Worst worst;
  forEachLeg([&](const Leg& l) {
    double s12 = 0;
    wgs84.Inverse(l.lat1, l.lon1, l.lat2, l.lon2, s12);
    worst.add(geometryFor(l).greatCircleLeg(l.lat1, l.lon1, l.lat2, l.lon2, true).distance,
              s12 / kMetresPerNauticalMile);
  });
  std::printf("great circle, geodetic: distance within %.3f %% (%.2f NM) of the WGS 84 geodesic\n",
              worst.relative * 100, worst.absolute);
  EXPECT_LT(worst.relative, 0.0070);
}

#else

TEST(Accuracy, NeedsGeographicLib) { GTEST_SKIP() << "GeographicLib not found: install libgeographiclib-dev"; }

#endif

}  // namespace
}  // namespace z5
