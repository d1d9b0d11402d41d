// The command line as a user or a script types it: arguments separated by
// NUL bytes (which no argument can hold). A command line that parses holds
// only values the program can use: a picture size it can draw, a centre
// and span that give a map in range, known settings with values they take
// and a known output format.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "app/CommandLine.h"
#include "base/Settings.h"
#include "geo/ExtentFit.h"
#include "map/MapViewState.h"
#include "nav/ComputeMapExtent.h"

using z5::fuzz::check;

namespace {

// The map of --center and --span on a picture of --size, as --map draws it.
void checkCentredMap(const z5::CommandLine& line) {
  const auto [latitude, longitude] = *line.centre;
  check(std::isfinite(latitude) && std::fabs(latitude) <= z5::kMapLatitudeLimit);
  check(std::isfinite(longitude) && std::fabs(longitude) <= 180);
  if (!line.span) return;
  z5::MapExtentRequest request;
  request.viewPoint = true;
  request.viewLatitude = latitude;
  request.viewLongitude = longitude;
  request.degreeSpan = *line.span;
  request.width = line.mapWidth;
  request.height = line.mapHeight;
  const z5::MapExtent e = z5::ComputeMapExtent(z5::Voyage{}, request);
  check(e.south < e.north && e.west < e.east && e.latitudeSpan > 0 && e.longitudeSpan > 0);
  check(e.width >= 1 && e.width <= line.mapWidth && e.height >= 1 && e.height <= line.mapHeight);
  check(std::fabs(e.south) <= z5::kMapLatitudeLimit && std::fabs(e.north) <= z5::kMapLatitudeLimit);
  check(e.west >= -180 && e.east <= 180);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> arguments;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  while (!text.empty()) {
    const std::string_view argument = text.substr(0, text.find('\0'));
    arguments.emplace_back(argument);
    text.remove_prefix(std::min(text.size(), argument.size() + 1));
  }
  const z5::CommandLineResult result = z5::parseCommandLine(arguments);
  if (!result.error.empty()) return 0;
  const z5::CommandLine& line = result.line;
  check(line.mapWidth >= 1 && line.mapWidth <= z5::kLargestPictureSide);
  check(line.mapHeight >= 1 && line.mapHeight <= z5::kLargestPictureSide);
  check(!line.outputFormat || (*line.outputFormat >= 1 && *line.outputFormat <= 6));
  if (line.span) {
    check(*line.span >= z5::MapViewState::kSmallestSpan && *line.span <= z5::MapViewState::kLargestSpan);
  }
  if (line.centre) checkCentredMap(line);
  for (const auto& [key, value] : line.sets) check(z5::isSettingsKey(key) && !z5::settingsValueRefusal(key, value));
  return 0;
}
