#include "report/GpxImport.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fmt/format.h>

#include "base/TextUtil.h"
#include "base/Utf8Text.h"
#include "report/GpxDocument.h"
#include "route/PositionText.h"
#include "route/Voyage.h"
#include "route/Waypoint.h"

namespace z5 {
namespace {

// Position lines are written in steps of 1e-5 minute (about 2 cm).
constexpr std::int64_t kStepsPerMinute = 100000;
constexpr std::int64_t kStepsPerDegree = 60 * kStepsPerMinute;
// The speeds !SPEED takes, knots.
constexpr double kSlowestSpeed = 0.01;
constexpr double kFastestSpeed = 1000;
// Characters of the file and route names in the first comment, so that it
// stays within a route line.
constexpr std::size_t kCommentNameLength = 100;
constexpr std::uintmax_t kBytesPerMegabyte = 1u << 20;
constexpr std::string_view kUnnamedPoint = "WPT ";
constexpr std::string_view kNamePrefix = "WP ";

std::string withoutControls(std::string_view text) {
  std::string clean = asUtf8(text);
  std::replace_if(clean.begin(), clean.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
  return trim(clean);
}

// A name line that the route reader takes as a waypoint's name, whatever the
// point was called.
std::string nameLine(std::string_view name, std::size_t number) {
  std::string clean = withoutControls(name);
  if (clean.empty()) return std::string(kUnnamedPoint) + std::to_string(number);
  const bool readAsOther = clean.front() == '!' || clean.starts_with("//") || toUpper(clean).starts_with("AMVER") ||
                           clean.starts_with("$CCWPL");
  if (readAsOther) clean = std::string(kNamePrefix) + clean;
  return trim(firstCharacters(clean, kWaypointNameLength));
}

// "DD-MM.mmmmmH" or "DDD-MM.mmmmmH", a form the route reader takes.
std::string positionLine(double degrees, PositionKind kind) {
  const std::int64_t steps = std::llround(std::fabs(degrees) * kStepsPerDegree);
  const bool latitude = kind == PositionKind::Latitude;
  const char hemisphere = degrees < 0 && steps > 0 ? (latitude ? 'S' : 'W') : (latitude ? 'N' : 'E');
  return fmt::format("{:0{}d}-{:02d}.{:05d}{}", steps / kStepsPerDegree, latitude ? 2 : 3,
                     steps % kStepsPerDegree / kStepsPerMinute, steps % kStepsPerMinute, hemisphere);
}

std::string speedLines(const std::optional<double>& knots) {
  if (!knots) return {};
  if (*knots >= kSlowestSpeed && *knots <= kFastestSpeed) return fmt::format("!SPEED {:.2f}\n", *knots);
  return fmt::format("// a planned speed of {} kn left out: !SPEED takes {} to {} knots\n", *knots, kSlowestSpeed,
                     kFastestSpeed);
}

std::string firstComment(const GpxRoute& route, std::string_view fileName) {
  const std::string file(firstCharacters(withoutControls(fileName), kCommentNameLength));
  if (route.source == GpxRoute::Source::Waypoints) return fmt::format("// GPX waypoints (wpt) of {}\n", file);
  const std::string name(firstCharacters(withoutControls(route.name), kCommentNameLength));
  return fmt::format("// GPX route \"{}\" ({} of {}) of {}\n", name, route.routeNumber, route.routeCount, file);
}

std::string routeText(const GpxRoute& route, std::string_view fileName) {
  std::string text = firstComment(route, fileName) + speedLines(route.plannedSpeed);
  std::string previousLatitude, previousLongitude;
  for (std::size_t i = 0; i < route.points.size(); ++i) {
    const GpxPoint& point = route.points[i];
    const std::string name = nameLine(point.name, i + 1);
    std::string latitude = positionLine(point.latitude, PositionKind::Latitude);
    std::string longitude = positionLine(point.longitude, PositionKind::Longitude);
    if (latitude == previousLatitude && longitude == previousLongitude) {
      text += fmt::format("// {} (line {}) left out: the position of the waypoint before\n", name, point.line);
      continue;
    }
    text += name + "\n" + latitude + "\n" + longitude + "\n" + speedLines(point.plannedSpeed);
    previousLatitude = std::move(latitude);
    previousLongitude = std::move(longitude);
  }
  return text;
}

GpxImport refused(std::string_view fileName, const GpxProblem& problem) {
  GpxImport result;
  result.message = problem.line > 0 ? fmt::format("{}:{}: {}", fileName, problem.line, problem.message)
                                    : fmt::format("{}: {}", fileName, problem.message);
  return result;
}

GpxImport tooLarge(const std::string& path, std::uintmax_t size) {
  return refused(path, {fmt::format("the file has {} MB; a GPX file over {} MB is not read (a route of {} waypoints "
                                    "takes well under 1 MB)",
                                    (size + kBytesPerMegabyte - 1) / kBytesPerMegabyte,
                                    kLargestGpxFile / kBytesPerMegabyte, kMaxWaypoints)});
}

}  // namespace

GpxImport importGpxText(std::string_view bytes, std::string_view fileName) {
  const GpxReading reading = readGpxRoute(bytes, kMaxWaypoints);
  if (!reading.route) return refused(fileName, reading.problem);
  GpxImport result;
  result.imported = true;
  result.routeText = routeText(*reading.route, std::filesystem::path(fileName).filename().string());
  return result;
}

GpxImport importGpxFile(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status))
    return refused(path, {"cannot read it: " + (error ? error.message() : std::generic_category().message(ENOENT))});
  if (!std::filesystem::is_regular_file(status)) return refused(path, {"not a regular file"});
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return refused(path, {"cannot read it: " + error.message()});
  if (size > kLargestGpxFile) return tooLarge(path, size);

  std::ifstream in(path, std::ios::binary);
  if (!in) return refused(path, {"cannot read it: " + std::generic_category().message(errno)});
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return refused(path, {"cannot read it: a read failed"});
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return importGpxText(bytes, path);
}

}  // namespace z5
