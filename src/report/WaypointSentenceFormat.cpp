#include "report/WaypointSentenceFormat.h"

#include <algorithm>
#include <cmath>

#include <fmt/printf.h>

#include "base/AsciiText.h"
#include "geo/ArcUnits.h"

namespace z5 {
namespace {

constexpr double kZeroBelow = 0.000001;

// The two precisions of the coordinate fields.
struct Precision {
  double stepsPerDegree;   // the quantising step
  double largestMinutes;   // minutes are limited to this
  double roundUpFrom;      // a minute fraction from here on makes the next whole minute
  double fractionDigits;   // 100 or 1000
  const char* latitudeFormat;
  const char* longitudeFormat;
};
constexpr Precision kNormal = {600000, 59.99, 0.995, 100, "%02.0f%02.0f.%02.0f", "%03.0f%02.0f.%02.0f"};
constexpr Precision kExtra = {6000000, 59.999, 0.9995, 1000, "%02.0f%02.0f.%03.0f", "%03.0f%02.0f.%03.0f"};

// NMEA 0183 reserves these characters; a field may not hold them.
constexpr std::string_view kReservedCharacters = "$*,!\\^~";
constexpr char kNoNmeaForm = '?';
constexpr char kFirstPrintable = ' ';

// The name as a sentence field: printable ASCII (see toAscii), with "?"
// for a character that has no ASCII form, is reserved or is a control.
std::string nameField(std::string_view name) {
  std::string field = toAscii(name, std::string_view(&kNoNmeaForm, 1));
  std::replace_if(
      field.begin(), field.end(),
      [](char c) { return c < kFirstPrintable || kReservedCharacters.find(c) != std::string_view::npos; },
      kNoNmeaForm);
  return field;
}

double roundHalfUp(double value) { return value - std::floor(value) < 0.5 ? std::floor(value) : std::ceil(value); }

// "DDMM.mm" (or "DDDMM.mm") of |degrees|.
std::string coordinateField(double degrees, const char* format, const Precision& p) {
  const double value = roundHalfUp(std::fabs(degrees) * p.stepsPerDegree) / p.stepsPerDegree;
  double whole = std::floor(value);
  double minutes = std::min((value - whole) * kMinutesPerDegree, p.largestMinutes);
  if (whole < kZeroBelow) whole = 0;
  if (minutes < kZeroBelow) minutes = 0;
  double wholeMinutes = std::floor(minutes);
  double fraction = minutes - wholeMinutes;
  if (std::ceil(minutes) < kMinutesPerDegree && fraction >= p.roundUpFrom) {
    wholeMinutes = std::ceil(minutes);
    fraction = 0;
  }
  const double digits = std::min(std::floor(fraction * p.fractionDigits + 0.5), p.fractionDigits - 1);
  return fmt::sprintf(format, whole, wholeMinutes, digits);
}

}  // namespace

std::string formatWaypointSentence(std::string_view name, double latitude, double longitude, bool extraPrecision) {
  const Precision& p = extraPrecision ? kExtra : kNormal;
  name.remove_prefix(std::min(name.size(), name.find_first_not_of(" \t")));
  // Control characters turn into blanks in ASCII: those at the start go too.
  std::string field = nameField(name);
  field.erase(0, field.find_first_not_of(' '));
  return fmt::sprintf("$CCWPL,%s,%c,%s,%c,%s\n", coordinateField(latitude, p.latitudeFormat, p),
                      latitude >= 0 ? 'N' : 'S', coordinateField(longitude, p.longitudeFormat, p),
                      longitude >= 0 ? 'E' : 'W', field);
}

}  // namespace z5
