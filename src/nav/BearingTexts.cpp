#include "nav/BearingTexts.h"

#include <fmt/printf.h>

#include "nav/CourseText.h"

namespace z5 {

BearingTexts bearingTexts(double course, double distance) {
  return {courseText(course) + "T", courseText(reciprocalCourse(course)) + "T", fmt::sprintf("%5.2fNM", distance)};
}

BearingTexts bearingTexts(const LegGeometry& geometry, double lat1, double lon1, double lat2, double lon2,
                          bool geodetic) {
  const RhumbLineLeg leg = geometry.rhumbLine(lat1, lon1, lat2, lon2, geodetic);
  return bearingTexts(leg.course, leg.distance);
}

}  // namespace z5
