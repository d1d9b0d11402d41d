#include "gps/GotoWaypoint.h"

#include <cmath>
#include <numbers>

#include <fmt/printf.h>

#include "gps/GpsGeometry.h"
#include "gps/GpsTextSet.h"
#include "nav/CourseText.h"

namespace z5 {
namespace {

// At the waypoint: latitude plus longitude difference below this (degrees).
constexpr double kArrivalDegrees = 0.0001;
// Speeds and velocities at or below this count as none (knots), written as
// the single-precision constant the monitor's arithmetic is defined with.
constexpr double kNoSpeed = static_cast<double>(0.0001f);
// A ship more than this far off the leg's direction (radians, about 69
// degrees) is not on the leg: no cross-track error is shown.
constexpr double kOffLegRadians = static_cast<double>(1.2f);
constexpr double kMaxCrossTrack = 1000;  // NM
// Times to go of this many hours (362 days) or more have no ETA.
constexpr double kMaxEtaHours = 8688;
// Nautical miles per radian of a great circle (one minute of arc = 1 NM).
constexpr double kMilesPerRadian = 3437.7467707849396;
constexpr double kDegrees = std::numbers::pi / 180;
constexpr int kNavigationTexts = 12;

// Slots of the twelve texts, in the order of GpsTextSet.
constexpr int slot(GpsTextSet::Text text) { return text - GpsTextSet::kFirstNavigationText; }

double longitudeDifference(double a, double b) { return std::remainder(a - b, 360.0); }

// The signed angle in (-pi, pi] from the direction `reference` to the
// direction `toShip` (both degrees true), counted the mathematical way
// round: negative when the ship lies to the left of the leg.
double offLegAngle(double toShip, double reference) {
  return std::remainder((reference - toShip) * kDegrees, 2 * std::numbers::pi);
}

std::string crossTrackText(double angle, double crossTrack, const GotoNoticeTexts& notices) {
  if (std::fabs(angle) > kOffLegRadians) return notices.offLeg;
  if (crossTrack > kMaxCrossTrack) return notices.tooFar;
  return fmt::sprintf("%s %5.2f", angle < 0 ? notices.left : notices.right, crossTrack);
}

// VTWP, TTG and ETA towards the waypoint along one kind of track.
void timeTexts(double course, double distance, const ShipState& ship, const GotoNoticeTexts& notices,
               std::string& vtwpText, std::string& ttgText, std::string& etaOut) {
  const bool moving = ship.smg > kNoSpeed && ship.cmg >= 0;
  const double vtwp = moving ? ship.smg * std::cos((course - ship.cmg) * kDegrees) : 0;
  if (vtwp <= kNoSpeed) {
    vtwpText.clear();
    ttgText.clear();
    etaOut.clear();
    return;
  }
  const double hours = distance / ship.smg;
  vtwpText = fmt::sprintf("%5.2f kts", vtwp);
  ttgText = timeToGoText(hours);
  etaOut = hours < kMaxEtaHours ? etaText(ship.time.at, hours) : notices.tooFar;
}

}  // namespace

GotoLeg gotoLegFor(const Voyage& voyage, int index) {
  GotoLeg leg;
  const ToWaypointState& present = voyage.toWaypoint;
  if (index < 0 || index >= voyage.count() || (present.active() && index < present.index)) return leg;
  const Waypoint& target = voyage.waypoints[index];
  leg.index = index;
  leg.latitude = target.latitude;
  leg.longitude = target.longitude;
  leg.legCourse = target.rhumbLineCourse;
  const Waypoint* previous = nullptr;
  if (present.active() && index == present.index) previous = &present.start;
  else if (index > 0) previous = &voyage.waypoints[index - 1];
  if (previous != nullptr) {
    leg.legKnown = true;
    leg.previousLatitude = previous->latitude;
    leg.previousLongitude = previous->longitude;
  }
  return leg;
}

std::string gpsCourseText(double degrees) {
  // The monitor marks courses of 10 degrees and more as true: "045.50 T",
  // but "005.50".
  const std::string text = courseText(degrees);
  return text.starts_with("00") ? text : text + " T";
}

std::string timeToGoText(double hours) {
  constexpr long kMinutesPerHour = 60;
  constexpr long kMinutesPerDay = 24 * kMinutesPerHour;
  // Split the time rounded to the minute, so that 25.4999999 hours shows
  // as 01d 01:30 like its "25.50 hr".
  const long minutes = std::lround(hours * kMinutesPerHour);
  return fmt::sprintf("%5.2f hr = %02dd %02d:%02d", hours, static_cast<int>(minutes / kMinutesPerDay),
                      static_cast<int>(minutes % kMinutesPerDay / kMinutesPerHour),
                      static_cast<int>(minutes % kMinutesPerHour));
}

NavigationTexts gotoNavigationTexts(const GotoLeg& leg, const ShipState& ship, bool geodetic,
                                    const GotoNoticeTexts& notices) {
  NavigationTexts t;
  using T = GpsTextSet;
  if (std::fabs(leg.latitude - ship.latitude) + std::fabs(longitudeDifference(leg.longitude, ship.longitude)) <
      kArrivalDegrees) {
    t.fill(notices.arrived);
    return t;
  }
  const CourseDistance rl = rhumbLineBetween(ship.latitude, ship.longitude, leg.latitude, leg.longitude, geodetic);
  const CourseDistance gc = greatCircleBetween(ship.latitude, ship.longitude, leg.latitude, leg.longitude, geodetic);
  t[slot(T::kRlBearing)] = gpsCourseText(rl.course);
  t[slot(T::kGcBearing)] = gpsCourseText(gc.course);
  t[slot(T::kRlDistance)] = fmt::sprintf("%5.2f NM", rl.distance);
  t[slot(T::kGcDistance)] = fmt::sprintf("%5.2f NM", gc.distance);

  if (leg.legKnown) {
    // From the waypoint, the ship's direction against the leg's direction
    // back from the waypoint. The cross-track error is the ship's distance
    // from the line of the leg: s sin(angle), on the sphere for the great
    // circle.
    const CourseDistance rlBack = rhumbLineBetween(leg.latitude, leg.longitude, ship.latitude, ship.longitude, geodetic);
    const double rlAngle = offLegAngle(rlBack.course, leg.legCourse + 180);
    t[slot(T::kRlXte)] = crossTrackText(rlAngle, std::fabs(std::sin(rlAngle) * rlBack.distance), notices);

    const CourseDistance gcBack = greatCircleBetween(leg.latitude, leg.longitude, ship.latitude, ship.longitude, geodetic);
    const CourseDistance gcLeg =
        greatCircleBetween(leg.latitude, leg.longitude, leg.previousLatitude, leg.previousLongitude, geodetic);
    const double gcAngle = offLegAngle(gcBack.course, gcLeg.course);
    const double gcCross =
        kMilesPerRadian * std::asin(std::fabs(std::sin(gcBack.distance / kMilesPerRadian) * std::sin(gcAngle)));
    t[slot(T::kGcXte)] = crossTrackText(gcAngle, gcCross, notices);
  }

  timeTexts(gc.course, gc.distance, ship, notices, t[slot(T::kGcVtwp)], t[slot(T::kGcTtg)], t[slot(T::kGcEta)]);
  timeTexts(rl.course, rl.distance, ship, notices, t[slot(T::kRlVtwp)], t[slot(T::kRlTtg)], t[slot(T::kRlEta)]);
  static_assert(GpsTextSet::kTextCount - GpsTextSet::kFirstNavigationText == kNavigationTexts);
  return t;
}

}  // namespace z5
