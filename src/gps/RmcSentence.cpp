#include "gps/RmcSentence.h"

#include "base/NmeaChecksum.h"
#include "base/NumberReading.h"
#include "geo/ArcUnits.h"

#include <array>
#include <cmath>
#include <optional>

namespace z5 {
namespace {

constexpr std::size_t kTimeDigits = 6;
constexpr int kMaxHour = 23;
constexpr int kMaxMinute = 59;
constexpr double kSecondLimit = 61;  // a leap second reads 60
constexpr double kMaxLatitude = 90;
constexpr double kMaxLongitude = 180;
// Digits before the point: degrees and two of minutes ("ddmm", "dddmm").
constexpr std::size_t kWholeMinuteDigits = 2;
constexpr std::size_t kLatitudeDigits = 4;
constexpr std::size_t kLongitudeDigits = 5;
constexpr double kFullCircle = 360;
// An integer course part this close to 360 is north.
constexpr double kFullCircleTolerance = 0.00001;

// Fields: time, status, latitude, N/S, longitude, E/W, speed, course.
enum Field : std::size_t { kTime, kStatus, kLatitude, kNorthSouth, kLongitude, kEastWest, kSpeed, kCourse, kFieldsRead };

// Fields of digits and one point, without a sign.
constexpr DecimalForm kUnsignedDecimal{.sign = Sign::None};
// Decimals of a second that count.
constexpr std::size_t kSecondDecimals = 2;

// The sentence's body between "$" and "*" (or the end of the line), after
// checking the "*hh" checksum when there is one; nullopt when it is wrong.
std::optional<std::string_view> checkedBody(std::string_view sentence) {
  while (!sentence.empty() && (sentence.back() == '\r' || sentence.back() == '\n')) sentence.remove_suffix(1);
  if (sentence.empty() || sentence.front() != '$') return std::nullopt;
  sentence.remove_prefix(1);
  const std::size_t star = sentence.find('*');
  if (star == std::string_view::npos) return sentence;
  const int written = writtenChecksum(sentence.substr(star + 1));
  if (written < 0 || written != nmeaChecksum(sentence.substr(0, star))) return std::nullopt;
  return sentence.substr(0, star);
}

// The first kFieldsRead fields after the sentence name; nullopt when the
// sentence has fewer.
std::optional<std::array<std::string_view, kFieldsRead>> splitFields(std::string_view body) {
  std::size_t comma = body.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  std::array<std::string_view, kFieldsRead> fields;
  for (std::size_t i = 0; i < kFieldsRead; ++i) {
    if (comma == std::string_view::npos) return std::nullopt;
    const std::size_t start = comma + 1;
    comma = body.find(',', start);
    fields[i] = body.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
  }
  return fields;
}

// "hhmmss" with an optional fraction of which two decimals count.
bool readTime(std::string_view field, RmcFix& fix) {
  if (field.size() < kTimeDigits) return false;
  const auto hour = digitsOnly(field.substr(0, 2));
  const auto minute = digitsOnly(field.substr(2, 2));
  const auto second = digitsOnly(field.substr(4, 2));
  if (!hour || !minute || !second) return false;
  fix.hour = *hour;
  fix.minute = *minute;
  fix.second = *second;
  if (field.size() > kTimeDigits && field[kTimeDigits] == '.') {
    const auto fraction = leadingDecimal(field.substr(kTimeDigits, 1 + kSecondDecimals), kUnsignedDecimal);
    if (fraction) fix.second += fraction->value;
  }
  return fix.hour <= kMaxHour && fix.minute <= kMaxMinute && fix.second < kSecondLimit;
}

// "dddmm.mmm": `wholeDigits` digits of degrees and whole minutes before the
// point, the fraction of a minute after it. Minutes of 60 or more are refused.
std::optional<double> readAngle(std::string_view field, std::size_t wholeDigits, double limit) {
  if (field.find('.') != wholeDigits) return std::nullopt;
  const std::size_t degreeDigits = wholeDigits - kWholeMinuteDigits;
  const auto degrees = digitsOnly(field.substr(0, degreeDigits));
  const auto minutes = decimalOnly(field.substr(degreeDigits), kUnsignedDecimal);
  if (!degrees || !minutes || *minutes >= kMinutesPerDegree) return std::nullopt;
  const double angle = (*degrees * kMinutesPerDegree + *minutes) / kMinutesPerDegree;
  if (angle > limit) return std::nullopt;
  return angle;
}

// Digits and a point, with digits before it, after it or both. nullopt for
// anything else.
std::optional<double> readDecimal(std::string_view field) {
  if (field.find('.') == std::string_view::npos) return std::nullopt;
  return decimalOnly(field, kUnsignedDecimal);
}

std::optional<double> readHemisphere(std::string_view field, char positive, char negative) {
  if (field.empty()) return std::nullopt;
  if (field.front() == positive) return 1.0;
  if (field.front() == negative) return -1.0;
  return std::nullopt;
}

bool readMotion(std::string_view speedField, std::string_view courseField, RmcFix& fix) {
  if (speedField.empty()) {
    fix.speed = 0;
  } else {
    const auto speed = readDecimal(speedField);
    if (!speed) return false;
    fix.speed = *speed;
  }
  if (courseField.empty()) {
    fix.course = kUnknownCourse;
    return true;
  }
  const auto course = readDecimal(courseField);
  if (!course) return false;
  const double whole = std::trunc(*course);
  fix.course = std::fabs(whole - kFullCircle) < kFullCircleTolerance ? *course - whole : *course;
  return fix.course < kFullCircle;
}

}  // namespace

RmcReading readRmcSentence(std::string_view sentence) {
  RmcReading reading;
  const auto body = checkedBody(sentence);
  if (!body) return reading;
  const auto fields = splitFields(*body);
  if (!fields) return reading;
  const auto& f = *fields;
  RmcFix& fix = reading.fix;
  if (!readTime(f[kTime], fix)) return reading;
  if (!f[kStatus].empty() && f[kStatus].front() == 'V') return reading;
  const auto latitude = readAngle(f[kLatitude], kLatitudeDigits, kMaxLatitude);
  const auto north = readHemisphere(f[kNorthSouth], 'N', 'S');
  if (!latitude || !north) return reading;
  const auto longitude = readAngle(f[kLongitude], kLongitudeDigits, kMaxLongitude);
  const auto east = readHemisphere(f[kEastWest], 'E', 'W');
  if (!longitude || !east) return reading;
  // No "S" or "W" for a position exactly on the equator or the meridian.
  fix.latitude = *latitude == 0 ? 0.0 : *latitude * *north;
  fix.longitude = *longitude == 0 ? 0.0 : *longitude * *east;
  reading.positionRead = true;
  reading.accepted = readMotion(f[kSpeed], f[kCourse], fix);
  return reading;
}

}  // namespace z5
