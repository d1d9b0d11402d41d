#include "charts/ChartCatalogueCsv.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <fmt/printf.h>

#include "base/NumberReading.h"
#include "base/TextUtil.h"
#include "geo/Longitude.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

constexpr int kFieldCount = 8;
constexpr char kFirstPrintable = ' ';
constexpr char kLastPrintable = '~';

// The fields of one line; quoted fields may hold commas. False when a quote is not closed.
bool splitFields(std::string_view line, std::vector<std::string>& fields) {
  fields.clear();
  std::string field;
  bool quoted = false;
  bool wasQuoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"' && trim(field).empty()) {
      quoted = wasQuoted = true;
      field.clear();
    } else if (c == ',') {
      fields.push_back(wasQuoted ? field : trim(field));
      field.clear();
      wasQuoted = false;
    } else if (!wasQuoted || !isSpace(c)) {
      field += c;
    }
  }
  fields.push_back(wasQuoted ? field : trim(field));
  return !quoted;
}

// A whole number from 1 up: blanks, a sign and digits.
std::optional<std::int32_t> parseWhole(std::string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  const auto value = integerOnly<std::int32_t>(text, Sign::Either);
  if (!value || *value < 1) return std::nullopt;
  return value;
}

bool printableTitle(const std::string& title) {
  for (char c : title) {
    if (c < kFirstPrintable || c > kLastPrintable) return false;
  }
  return true;
}

// One chart line to a record; the problem text when it is not one.
std::optional<ChartRecord> chartOfLine(const std::vector<std::string>& f, std::string& problem) {
  if (f.size() != kFieldCount) {
    problem = fmt::sprintf("%d fields, expected %d", static_cast<int>(f.size()), kFieldCount);
    return std::nullopt;
  }
  ChartRecord r;
  const auto number = parseWhole(f[0]);
  const auto scale = parseWhole(f[3]);
  if (!number) {
    problem = "chart number \"" + f[0] + "\" is not a whole number above 0";
    return std::nullopt;
  }
  if (f[1].size() > 1) {
    problem = "carried character \"" + f[1] + "\" is more than one character";
    return std::nullopt;
  }
  if (f[2].size() > kChartTitleBytes || !printableTitle(f[2]) || !r.setTitle(f[2])) {
    problem = fmt::sprintf("title \"%s\" is not at most %d printable ASCII characters", f[2], kChartTitleBytes);
    return std::nullopt;
  }
  if (!scale) {
    problem = "scale \"" + f[3] + "\" is not a whole number above 0";
    return std::nullopt;
  }
  const char* names[] = {"south edge", "north edge", "first longitude edge", "second longitude edge"};
  std::int32_t edges[4];
  for (int i = 0; i < 4; ++i) {
    const auto seconds = parseChartPosition(f[4 + i], i >= 2);
    if (!seconds) {
      problem = fmt::sprintf("%s \"%s\" is not a %s", names[i], f[4 + i], i >= 2 ? "longitude" : "latitude");
      return std::nullopt;
    }
    edges[i] = *seconds;
  }
  if (edges[0] >= edges[1]) {
    problem = "the south edge is not south of the north edge";
    return std::nullopt;
  }
  if (edges[2] == edges[3]) {
    problem = "the two longitude edges are the same";
    return std::nullopt;
  }
  r.number = *number;
  r.carried = f[1].empty() ? '\0' : f[1][0];
  r.scale = *scale;
  r.south = edges[0];
  r.north = edges[1];
  r.longitude1 = edges[2];
  r.longitude2 = edges[3];
  return r;
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

std::optional<int> parseChartPosition(std::string_view text, bool longitude) {
  // A catalogue field holds one position and nothing after its hemisphere letter.
  const std::string field = trim(text);
  const auto letter = std::find_if(field.begin(), field.end(), [](char c) { return isAlpha(c); });
  if (letter != field.end() && letter + 1 != field.end()) return std::nullopt;
  const double degrees = parsePosition(text, longitude ? PositionKind::Longitude : PositionKind::Latitude);
  if (degrees < kPositionErrorBelow) return std::nullopt;
  return static_cast<int>(std::lround(degrees * kSecondsPerDegree));
}

std::string formatChartPosition(int seconds, bool longitude) {
  const char letter = longitude ? (seconds < 0 ? 'W' : 'E') : (seconds < 0 ? 'S' : 'N');
  const long long magnitude = std::llabs(static_cast<long long>(seconds));
  const long long degrees = magnitude / kSecondsPerDegree;
  const long long minutes = magnitude / 60 % 60;
  const long long rest = magnitude % 60;
  return fmt::sprintf(longitude ? "%03lld-%02lld-%02lld%c" : "%02lld-%02lld-%02lld%c", degrees, minutes, rest, letter);
}

ChartCsv readChartCsv(std::string_view text) {
  ChartCsv result;
  std::vector<std::string> fields;
  int lineNumber = 0;
  bool first = true;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    if (!splitFields(line, fields)) {
      result.problems.push_back({lineNumber, "a quoted field is not closed"});
      first = false;
      continue;
    }
    if (first && toUpper(fields.front()) == "NUMBER") {
      first = false;
      continue;
    }
    first = false;
    std::string problem;
    if (std::optional<ChartRecord> record = chartOfLine(fields, problem)) {
      result.records.push_back(*record);
    } else {
      result.problems.push_back({lineNumber, problem});
    }
  }
  return result;
}

std::string writeChartCsv(const std::vector<ChartRecord>& records) {
  std::string out = "number,carried,title,scale,south,north,longitude1,longitude2\n";
  for (const ChartRecord& r : records) {
    const std::string carried = r.carried == '\0' ? std::string() : std::string(1, r.carried);
    out += fmt::sprintf("%d,%s,%s,%d,%s,%s,%s,%s\n", r.number, isAlnum(r.carried) ? carried : quoted(carried),
                        quoted(r.title()), r.scale, formatChartPosition(r.south, false),
                        formatChartPosition(r.north, false), formatChartPosition(r.longitude1, true),
                        formatChartPosition(r.longitude2, true));
  }
  return out;
}

}  // namespace z5
