#include "world/GmtCoastDump.h"

#include <cmath>
#include <string_view>

#include "base/NumberReading.h"

namespace z5 {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kLargestDegrees = 720.0;  // anything beyond is not a position

std::string_view skipBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

// The numbers of a dump as gmt writes them ("%.12g": 1e-05 for a small one).
constexpr DecimalForm kDumpNumber{.sign = Sign::MinusOnly, .exponent = true};

// One number and the rest of the text after it, or false.
bool takeNumber(std::string_view& s, double& value) {
  s = skipBlanks(s);
  const auto read = leadingDecimal(s, kDumpNumber);
  if (!read) return false;
  value = read->value;
  s.remove_prefix(read->length);
  return true;
}

bool parseLevel(std::string_view header, int& level) {
  const std::size_t at = header.find("Level");
  if (at == std::string_view::npos) return false;
  std::string_view rest = skipBlanks(header.substr(at + 5));
  const auto read = leadingInteger<int>(rest);
  if (read) level = read->value;
  return read.has_value();
}

void finish(std::vector<DumpPiece>& pieces) {
  if (!pieces.empty() && pieces.back().points.size() < 2) pieces.pop_back();
}

}  // namespace

std::int32_t roundToArcSeconds(double degrees) {
  return static_cast<std::int32_t>(std::lround(degrees * kArcSecondsPerDegree));
}

bool parseGmtDump(std::istream& in, std::vector<DumpPiece>& pieces, std::string& error) {
  std::string line;
  int lineNumber = 0;
  bool inPiece = false;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string_view text = skipBlanks(line);
    if (text.empty() || text.front() == '#') continue;
    if (text.front() == '>') {
      finish(pieces);
      int level = 0;
      if (!parseLevel(text, level)) {
        error = "line " + std::to_string(lineNumber) + ": segment header without a level";
        return false;
      }
      pieces.push_back({level, {}});
      inPiece = true;
      continue;
    }
    double lon = 0, lat = 0;
    if (!inPiece || !takeNumber(text, lon) || !takeNumber(text, lat) || std::fabs(lon) > kLargestDegrees ||
        std::fabs(lat) > 90.0 || !skipBlanks(text).empty()) {
      error = "line " + std::to_string(lineNumber) + ": not a longitude and latitude";
      return false;
    }
    const ArcPoint p{roundToArcSeconds(lon), roundToArcSeconds(lat)};
    auto& points = pieces.back().points;
    if (points.empty() || !(points.back() == p)) points.push_back(p);
  }
  finish(pieces);
  return true;
}

std::uint64_t pieceFingerprint(const std::vector<ArcPoint>& points) {
  constexpr std::uint64_t kFnvOffset = 14695981039346656037ull, kFnvPrime = 1099511628211ull;
  std::uint64_t h = kFnvOffset;
  auto mix = [&](std::int32_t v) {
    for (int i = 0; i < 4; ++i) {
      h ^= static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
      h *= kFnvPrime;
    }
  };
  for (const ArcPoint& p : points) {
    mix(p.lon);
    mix(p.lat);
  }
  return h;
}

}  // namespace z5
