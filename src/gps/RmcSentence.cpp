#include "gps/RmcSentence.h"

#include "base/NmeaChecksum.h"
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
constexpr std::size_t kLatitudeDigits = 4;
constexpr std::size_t kLongitudeDigits = 5;
constexpr double kFullCircle = 360;
// An integer course part this close to 360 is north.
constexpr double kFullCircleTolerance = 0.00001;

// Fields: time, status, latitude, N/S, longitude, E/W, speed, course.
enum Field : std::size_t { kTime, kStatus, kLatitude, kNorthSouth, kLongitude, kEastWest, kSpeed, kCourse, kFieldsRead };

bool isDigit(char c) { return c >= '0' && c <= '9'; }
int digitValue(char c) { return c - '0'; }

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

// Digits after a decimal point, read from the last to the first.
std::optional<double> readFraction(std::string_view digits) {
  double f = 0;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (!isDigit(*it)) return std::nullopt;
    f = (digitValue(*it) + f) / 10;
  }
  return f;
}

// "hhmmss" with an optional fraction of which two decimals count.
bool readTime(std::string_view field, RmcFix& fix) {
  if (field.size() < kTimeDigits) return false;
  for (std::size_t i = 0; i < kTimeDigits; ++i)
    if (!isDigit(field[i])) return false;
  auto pair = [&](std::size_t i) { return 10 * digitValue(field[i]) + digitValue(field[i + 1]); };
  fix.hour = pair(0);
  fix.minute = pair(2);
  double second = pair(4);
  if (field.size() > kTimeDigits && field[kTimeDigits] == '.') {
    double f = 0;
    if (field.size() > kTimeDigits + 2 && isDigit(field[kTimeDigits + 2])) f = digitValue(field[kTimeDigits + 2]) / 10.0;
    if (field.size() > kTimeDigits + 1 && isDigit(field[kTimeDigits + 1])) f = (digitValue(field[kTimeDigits + 1]) + f) / 10;
    second += f;
  }
  fix.second = second;
  return fix.hour <= kMaxHour && fix.minute <= kMaxMinute && fix.second < kSecondLimit;
}

// "dddmm.mmm": `wholeDigits` digits of degrees and whole minutes before the
// point, the fraction of a minute after it. Minutes of 60 or more are refused.
std::optional<double> readAngle(std::string_view field, std::size_t wholeDigits, double limit) {
  const std::size_t point = field.find('.');
  if (point != wholeDigits) return std::nullopt;
  double minutes = 0;
  for (std::size_t i = 0; i < point; ++i) {
    if (!isDigit(field[i])) return std::nullopt;
    // The tens digit of the minutes: degrees so far become minutes.
    minutes = (point - i == 2 ? minutes * 6 : minutes * 10) + digitValue(field[i]);
  }
  if (digitValue(field[point - 2]) * 10 + digitValue(field[point - 1]) >= kMinutesPerDegree) return std::nullopt;
  const auto fraction = readFraction(field.substr(point + 1));
  if (!fraction) return std::nullopt;
  const double degrees = (minutes + *fraction) / kMinutesPerDegree;
  if (!std::isfinite(degrees) || degrees > limit) return std::nullopt;
  return degrees;
}

// Digits, a point, digits. nullopt for anything else.
std::optional<double> readDecimal(std::string_view field, double& integerPart) {
  const std::size_t point = field.find('.');
  if (point == std::string_view::npos) return std::nullopt;
  double value = 0;
  for (std::size_t i = 0; i < point; ++i) {
    if (!isDigit(field[i])) return std::nullopt;
    value = value * 10 + digitValue(field[i]);
  }
  const auto fraction = readFraction(field.substr(point + 1));
  if (!fraction || !std::isfinite(value)) return std::nullopt;
  integerPart = value;
  return value + *fraction;
}

std::optional<double> readHemisphere(std::string_view field, char positive, char negative) {
  if (field.empty()) return std::nullopt;
  if (field.front() == positive) return 1.0;
  if (field.front() == negative) return -1.0;
  return std::nullopt;
}

bool readMotion(std::string_view speedField, std::string_view courseField, RmcFix& fix) {
  double whole = 0;
  if (speedField.empty()) {
    fix.speed = 0;
  } else {
    const auto speed = readDecimal(speedField, whole);
    if (!speed) return false;
    fix.speed = *speed;
  }
  if (courseField.empty()) {
    fix.course = kUnknownCourse;
    return true;
  }
  const auto course = readDecimal(courseField, whole);
  if (!course) return false;
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
