#include "route/PositionText.h"

#include <cmath>

#include <fmt/printf.h>

#include "base/Messages.h"
#include "base/NumberReading.h"
#include "base/TextUtil.h"
#include "geo/ArcUnits.h"
#include "route/Waypoint.h"

namespace z5 {
namespace {

// A number larger than this is not a position.
constexpr double kLargestNumber = 100000000000.0;
// Digits with at most one decimal separator, which may end the number.
constexpr DecimalForm kPositionNumber{.sign = Sign::None, .points = ".,"};
// Magnitudes below this count as 0.
constexpr double kZeroBelow = 0.000001;
constexpr double kLatitudeLimit = 90;
constexpr double kLongitudeLimit = 180;
// The character 255 ends a value like the end of the text.
constexpr char kEndMark = static_cast<char>(255);

constexpr int kPositionQuestion = 11;  // prompt string
constexpr int kUnreadablePosition = 1; // error string
constexpr int kUnreadableShownMs = 1000;
constexpr int kAskAttempts = 3;

bool isSeparator(char c) { return c == '.' || c == ','; }

// Reads the text left to right; past the end (or at a NUL) it sees '\0'.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  char peek(std::size_t ahead = 0) const { return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0'; }
  std::string_view rest() const { return text_.substr(at_); }
  void advance(std::size_t count = 1) { at_ += count; }
  void skipSpace() {
    while (isSpace(peek())) advance();
  }
  // Fill: white space, apostrophes and double quotes.
  void skipFill() {
    while (isSpace(peek()) || peek() == '\'' || peek() == '"') advance();
  }
  bool singleSlash() const { return peek() == '/' && peek(1) != '/'; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

struct Number {
  bool present = false;
  double value = 0;
  std::size_t decimals = 0;  // digits read after the separator
  char separator = 0;        // '.' or ',' once one was read
};

// Digits with at most one decimal separator. False when no digit was read
// or the value exceeds kLargestNumber.
bool readNumber(Cursor& cursor, Number& number) {
  const auto read = leadingDecimal(cursor.rest(), kPositionNumber);
  if (!read || read->value > kLargestNumber) return false;
  cursor.advance(read->length);
  number = {true, read->value, read->decimals, read->point};
  return true;
}

bool startsNumber(const Cursor& cursor) {
  return isDigit(cursor.peek()) || (isSeparator(cursor.peek()) && isDigit(cursor.peek(1)));
}

// Minutes or seconds: an optional "-" (the dash form), fill, then a number
// or a lone separator. Returns false on a malformed number; `number` stays
// 0 when there is none.
bool readMinutesOrSeconds(Cursor& cursor, bool& dashForm, char& pendingSeparator, Number& number) {
  if (cursor.peek() == '-') {
    dashForm = true;
    cursor.advance();
  }
  cursor.skipFill();
  if (startsNumber(cursor)) {
    if (!readNumber(cursor, number)) return false;
    pendingSeparator = number.separator;
  } else if (isSeparator(cursor.peek())) {
    pendingSeparator = cursor.peek();
    cursor.advance();
  }
  return true;
}

std::string leadingZeros(double wholeDegrees, PositionKind kind) {
  std::string zeros;
  if (kind == PositionKind::Longitude && wholeDegrees < 100) zeros += '0';
  if (wholeDegrees < 10) zeros += '0';
  return zeros;
}

}  // namespace

double parsePosition(std::string_view text, PositionKind kind) {
  if (text.empty()) return kNoPosition;
  Cursor cursor(text);
  cursor.skipSpace();
  double sign = kind == PositionKind::Latitude ? 1 : -1;
  if (cursor.peek() == '-') {
    sign = -sign;
    cursor.advance();
  }
  if (cursor.peek() == '+') cursor.advance();
  cursor.skipSpace();

  if (!isDigit(cursor.peek()) && !isSeparator(cursor.peek())) return kNoPosition;
  Number degrees;
  if (!readNumber(cursor, degrees)) return kNoPosition;
  char pendingSeparator = degrees.separator;
  bool dashForm = false;
  Number minutes;
  Number seconds;
  cursor.skipFill();
  if (degrees.decimals == 0) {
    if (!readMinutesOrSeconds(cursor, dashForm, pendingSeparator, minutes)) return kNoPosition;
    cursor.skipFill();
    if (minutes.present && minutes.decimals == 0) {
      if (!readMinutesOrSeconds(cursor, dashForm, pendingSeparator, seconds)) return kNoPosition;
      if (seconds.value >= 60) return kNoPosition;
    }
    if (minutes.value >= 60) return kNoPosition;
  }

  const char next = cursor.peek();
  if (pendingSeparator != 0 && next == pendingSeparator) return kNoPosition;
  if (dashForm && next == '-') return kNoPosition;
  if (cursor.singleSlash()) return kNoPosition;

  const double value =
      degrees.value + minutes.value / kMinutesPerDegree + seconds.value / kSecondsPerDegree;
  if (value > (kind == PositionKind::Latitude ? kLatitudeLimit : kLongitudeLimit)) return kNoPosition;

  cursor.skipFill();
  if (cursor.singleSlash()) return kNoPosition;
  const char letter = cursor.peek();
  const char upper = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
  const char positive = kind == PositionKind::Latitude ? 'N' : 'E';
  const char negative = kind == PositionKind::Latitude ? 'S' : 'W';
  if (upper == positive) {
    sign = 1;
  } else if (upper == negative) {
    sign = -1;
  } else if (!(letter == '/' || letter == ',' || letter == ';' || letter == '\n' || letter == '\r' ||
               letter == '\0' || letter == kEndMark)) {
    return kNoPosition;
  }
  if (value < kZeroBelow) return 0;
  return sign * value;
}

std::string formatPosition(double degrees, PositionKind kind, bool threeDecimals) {
  const bool latitude = kind == PositionKind::Latitude;
  const char hemisphere = latitude ? (degrees < 0 ? 'S' : 'N') : (degrees < 0 ? 'W' : 'E');
  // Round to the last printed step of a minute before splitting, so that a
  // value just below a whole degree carries into it only when it would
  // print as 60 minutes.
  const double steps = threeDecimals ? 6000000.0 : 600000.0;
  double scaled = std::fabs(degrees) * steps;
  scaled = scaled - std::floor(scaled) >= 0.5 ? std::ceil(scaled) : std::floor(scaled);
  const double value = scaled * (1.0 / steps);

  double whole = std::floor(value);
  double minutes = (value - whole) * kMinutesPerDegree;
  const double largestMinutes = threeDecimals ? 59.999 : 59.99;
  if (minutes > largestMinutes) minutes = largestMinutes;
  const std::string zeros = leadingZeros(whole, kind);
  if (whole < kZeroBelow) whole = 0;
  if (minutes < kZeroBelow) minutes = 0;

  if (threeDecimals) {
    if (minutes >= 10.0005) return zeros + fmt::sprintf("%1.0f-%5.3f%c", whole, minutes, hemisphere);
    if (minutes > 9.999499) return zeros + fmt::sprintf("%1.0f-10.000%c", whole, hemisphere);
    return zeros + fmt::sprintf("%1.0f-0%5.3f%c", whole, minutes, hemisphere);
  }
  if (minutes >= 10.005) return zeros + fmt::sprintf("%1.0f-%4.2f%c", whole, minutes, hemisphere);
  if (minutes > 9.99499) return zeros + fmt::sprintf("%1.0f-10.00%c", whole, hemisphere);
  return zeros + fmt::sprintf("%1.0f-0%4.2f%c", whole, minutes, hemisphere);
}

double askPosition(Messages& messages, std::string_view label, PositionKind kind, std::string& defaultText) {
  const std::string question =
      fmt::sprintf("%s %s", messages.strings().prompt(kPositionQuestion), std::string(label));
  for (int attempt = 0; attempt < kAskAttempts; ++attempt) {
    std::string answer = defaultText;
    if (!messages.prompt(question, answer, true) || answer.empty()) {
      defaultText.clear();
      return kNoPosition;
    }
    defaultText = answer;
    const double degrees = parsePosition(answer, kind);
    if (degrees >= kPositionErrorBelow) return degrees;
    messages.showError(kUnreadablePosition, kUnreadableShownMs);
  }
  return kNoPosition;
}

}  // namespace z5
