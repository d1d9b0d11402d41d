#include "gps/FixProcessor.h"

#include <cmath>
#include <optional>

#include <fmt/printf.h>

#include "base/Clock.h"
#include "gps/GpsGeometry.h"

namespace z5 {
namespace {

// Fixes further apart than this, forwards or back, start the samples afresh (seconds).
constexpr double kGapSeconds = 60;
// A record is also written at the full hour: minute 0 and a second below
// the first or above the second of these.
constexpr double kFullHourEarly = 2;
constexpr double kFullHourLate = 58;
// Course made good above this is known.
constexpr double kKnownCourse = -0.0001;
constexpr double kCompletedHours = 0.0000001;

FixTime wholeSeconds(FixTime time) {
  time.second = std::floor(time.second);
  return time;
}

std::string utcTimeText(const FixTime& t) {
  return t.second >= 10 ? fmt::sprintf("%02d:%02d:%2.2f", t.at.hour, t.at.minute, t.second)
                        : fmt::sprintf("%02d:%02d:0%1.2f", t.at.hour, t.at.minute, t.second);
}

}  // namespace

void FixProcessor::reset() {
  previous_ = {};
  havePrevious_ = false;
  lastLog_ = {};
  smg_ = cmg_ = -1.0;
}

bool FixProcessor::process(std::string_view sentence) {
  const RmcReading reading = readRmcSentence(sentence);
  const RmcFix& fix = reading.fix;
  // The position texts change as soon as the position is read, even when a
  // later field refuses the sentence.
  if (reading.positionRead) {
    s_.texts.set(GpsTextSet::kLatitude, latitudeText(fix.latitude));
    s_.texts.set(GpsTextSet::kLongitude, longitudeText(fix.longitude));
  }
  if (!reading.accepted) return false;

  const FixTime time = dateFix(fix);
  const std::string timeText = utcTimeText(time);
  const std::string dateText = fmt::sprintf("%02d/%02d/%04d", time.at.month, time.at.day, time.at.year);
  s_.texts.set(GpsTextSet::kUtcTime, timeText);
  s_.texts.set(GpsTextSet::kFixDate, dateText);

  if (!havePrevious_) {
    // The first fix only anchors the date and the log interval.
    lastLog_ = wholeSeconds(time);
  } else {
    // A gap either way: a receiver clock stepping back leaves no continuous track either.
    if (std::fabs(secondsBetween(previous_, time)) > kGapSeconds) {
      Lock hold(s_.locks.sample);
      s_.samples.empty();
    }
    logIfDue(time, fix, fmt::sprintf("GPS UTC %s  %s", timeText, dateText));
    madeGood(time, fix);
  }
  navigate(time, fix);
  previous_ = wholeSeconds(time);
  havePrevious_ = true;
  s_.texts.takeSnapshot();
  return true;
}

FixTime FixProcessor::dateFix(const RmcFix& fix) {
  const DateTime date =
      havePrevious_ ? laterFixDate(previous_, fix.hour, fix.minute, fix.second)
                    : firstFixDate(s_.clock.utcNow(), s_.clock.localNow(), fix.hour, fix.minute, fix.second,
                                   fix.longitude);
  return {date, fix.second};
}

void FixProcessor::logIfDue(const FixTime& time, const RmcFix& fix, const std::string& header) {
  int logOn = 0;
  int displayTrack = 0;
  {
    Lock hold(s_.locks.logSwitch);
    logOn = s_.settings.GPS_LOG;
    displayTrack = s_.settings.GPS_DISPLAY_TRACK;
  }
  if (!logOn) return;
  int interval = 0;
  {
    Lock hold(s_.locks.logInterval);
    interval = s_.settings.GPS_LOGGING_INTERVAL;
  }
  const bool fullHour = fix.minute == 0 && (fix.second < kFullHourEarly || fix.second > kFullHourLate);
  const double sinceLastLog = secondsBetween(lastLog_, time);
  // The receiver's clock stepped back behind the last record: the interval
  // starts again from this fix.
  if (sinceLastLog < 0) lastLog_ = wholeSeconds(time);
  if (sinceLastLog < interval && !fullHour) return;
  // A record that cannot be written is lost; the interval starts again anyway.
  s_.trackLog.append(header, s_.texts.fix(GpsTextSet::kLatitude), s_.texts.fix(GpsTextSet::kLongitude));
  lastLog_ = wholeSeconds(time);
  if (displayTrack) {
    // The map centres on the ship when it is next drawn.
    Lock hold(s_.locks.map);
    s_.mapView.viewPointMode = true;
    s_.mapView.centreIndex = kNoIndex;
    s_.mapView.viewLatitude = fix.latitude;
    s_.mapView.viewLongitude = fix.longitude;
  }
}

bool FixProcessor::geodetic() {
  Lock hold(s_.locks.unit);
  return s_.settings.LEN_LAT_LON != 0;
}

void FixProcessor::madeGood(const FixTime& time, const RmcFix& fix) {
  int fromUnit = 0;
  {
    Lock hold(s_.locks.unit);
    fromUnit = s_.settings.GPS_SMG_CMG;
  }
  if (fromUnit) {
    smg_ = fix.speed;
    cmg_ = fix.course;  // kUnknownCourse when the receiver sent none
  } else {
    averageSamples(time, fix, geodetic());
  }
  writeMadeGoodTexts(fromUnit != 0);
}

void FixProcessor::averageSamples(const FixTime& time, const RmcFix& fix, bool geodeticLengths) {
  int interval = 0;
  int maxSamples = 0;
  {
    Lock hold(s_.locks.sampleInterval);
    interval = s_.settings.GPS_SAMPLE_INTERVAL;
  }
  {
    Lock hold(s_.locks.sampleCount);
    maxSamples = s_.settings.GPS_MAX_SAMPLES;
  }
  std::optional<SampleRing::Average> mean;
  {
    Lock hold(s_.locks.sample);
    mean = s_.samples.addFix(time, fix.latitude, fix.longitude, maxSamples, interval);
  }
  if (!mean) {
    smg_ = cmg_ = -1.0;
    s_.texts.set(GpsTextSet::kSmg, "");
    s_.texts.set(GpsTextSet::kCmg, "");
    s_.texts.clearNavigation();
    return;
  }
  if (mean->elapsedHours > kCompletedHours) {
    const CourseDistance made = rhumbLineBetween(mean->startLatitude, mean->startLongitude, mean->endLatitude,
                                                mean->endLongitude, geodeticLengths);
    cmg_ = made.course;
    smg_ = made.distance / mean->elapsedHours;
  }
}

void FixProcessor::writeMadeGoodTexts(bool fromUnit) {
  if (cmg_ > kKnownCourse) {
    s_.texts.set(GpsTextSet::kSmg, fmt::sprintf("%5.2f kts", smg_));
    s_.texts.set(GpsTextSet::kCmg, gpsCourseText(cmg_));
  } else if (fromUnit) {
    // The receiver gave a speed but no course (it does so when stationary).
    s_.texts.set(GpsTextSet::kSmg, fmt::sprintf("%5.2f kts", smg_));
    s_.texts.set(GpsTextSet::kCmg, "");
  }
}

void FixProcessor::navigate(const FixTime& time, const RmcFix& fix) {
  GotoLeg leg;
  {
    Lock hold(s_.locks.gotoWaypoint);
    leg = s_.gotoLeg;
  }
  if (!leg.chosen()) {
    s_.texts.clearNavigation();
    return;
  }
  const ShipState ship{fix.latitude, fix.longitude, smg_, cmg_, time};
  s_.texts.setNavigation(gotoNavigationTexts(leg, ship, geodetic(), s_.notices.gotoTexts));
}

}  // namespace z5
