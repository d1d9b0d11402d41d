#include "route/WaypointSentence.h"

#include <algorithm>

#include "base/NmeaChecksum.h"
#include "base/NumberReading.h"
#include "base/TextUtil.h"
#include "geo/ArcUnits.h"
#include "route/Waypoint.h"

namespace z5 {
namespace {

constexpr std::size_t kMinimumMinuteDecimals = 2;
// A point and digits, no sign.
constexpr DecimalForm kMinuteFraction{.sign = Sign::None};

class Fields {
 public:
  explicit Fields(std::string_view text) : text_(text) {}
  char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool take(char c) {
    if (peek() != c) return false;
    ++at_;
    return true;
  }
  // Exactly `count` digits as a whole number; -1 when they are not there.
  int digits(std::size_t count) {
    const std::string_view field = rest().substr(0, count);
    const auto value = field.size() == count ? digitsOnly(field) : std::nullopt;
    if (!value) return -1;
    at_ += count;
    return *value;
  }
  // "." and at least two digits: the fraction of a minute; -1 when malformed.
  double minuteFraction() {
    if (peek() != '.') return -1;
    const auto fraction = leadingDecimal(rest(), kMinuteFraction);
    if (!fraction || fraction->decimals < kMinimumMinuteDecimals) return -1;
    at_ += fraction->length;
    return fraction->value;
  }
  char takeUpper() {
    const char c = peek();
    if (c != '\0') ++at_;
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  std::string_view rest() const { return text_.substr(std::min(at_, text_.size())); }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

struct Angle {
  bool wellFormed = false;
  double degrees = 0;
  double minutes = 0;
};

// Degrees of `degreeDigits` digits, two digits of minutes, the fraction of
// a minute and the closing comma.
Angle readAngle(Fields& fields, int degreeDigits) {
  Angle angle;
  const int degrees = fields.digits(degreeDigits);
  const int minutes = fields.digits(2);
  const double fraction = fields.minuteFraction();
  angle.wellFormed = degrees >= 0 && minutes >= 0 && fraction >= 0 && fields.take(',');
  angle.degrees = degrees;
  angle.minutes = minutes + fraction;
  return angle;
}

double value(const Angle& angle) { return angle.degrees + angle.minutes / kMinutesPerDegree; }

// A name begins with a character that shows: not a blank, not a control
// character (which the NMEA output would write as a blank).
bool beginsVisibly(std::string_view name) {
  constexpr unsigned char kDelete = 0x7F;
  const auto first = static_cast<unsigned char>(name.empty() ? '\0' : name.front());
  return first > ' ' && first != kDelete;
}

// The "hh" after the "*": two hexadecimal digits, then only white space;
// -1 when malformed.
int checksumField(std::string_view text) {
  return text.size() < 2 || !trim(text.substr(2)).empty() ? -1 : writtenChecksum(text);
}

}  // namespace

WaypointSentence decodeWaypointSentence(std::string_view line) {
  WaypointSentence sentence;
  if (line.substr(0, kWaypointSentenceTag.size()) != kWaypointSentenceTag) return sentence;
  line = line.substr(0, line.find_first_of("\r\n"));
  if (const std::size_t star = line.find('*'); star != std::string_view::npos) {
    const int written = checksumField(line.substr(star + 1));
    if (written < 0) return sentence;
    line = line.substr(0, star);
    const int computed = nmeaChecksum(line.substr(1));
    if (written != computed) {
      sentence.result = WaypointSentence::kBadChecksum;
      sentence.writtenChecksum = written;
      sentence.computedChecksum = computed;
      return sentence;
    }
  }
  Fields fields(line.substr(kWaypointSentenceTag.size()));
  if (!fields.take(',')) return sentence;

  const Angle latitude = readAngle(fields, 2);
  if (!latitude.wellFormed) return sentence;
  if (value(latitude) > 90 || latitude.minutes >= kMinutesPerDegree) {
    sentence.result = WaypointSentence::kBadLatitude;
    return sentence;
  }
  const char north = fields.takeUpper();
  if (north != 'N' && north != 'S') {
    sentence.result = WaypointSentence::kBadLatitude;
    return sentence;
  }
  if (!fields.take(',')) return sentence;

  const Angle longitude = readAngle(fields, 3);
  if (!longitude.wellFormed) return sentence;
  const char east = fields.takeUpper();
  if (east != 'E' && east != 'W') {
    sentence.result = WaypointSentence::kBadLongitude;
    return sentence;
  }
  if (!fields.take(',')) return sentence;
  if (value(longitude) > 180 || longitude.minutes >= kMinutesPerDegree) {
    sentence.result = WaypointSentence::kBadLongitude;
    return sentence;
  }

  const std::string_view name = fields.rest();
  if (!beginsVisibly(name)) {
    sentence.result = WaypointSentence::kBadName;
    return sentence;
  }
  sentence.latitude = north == 'S' ? -value(latitude) : value(latitude);
  sentence.longitude = east == 'W' ? -value(longitude) : value(longitude);
  sentence.name = paddedWaypointName(name);
  sentence.result = WaypointSentence::kValid;
  return sentence;
}

}  // namespace z5
