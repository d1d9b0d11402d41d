#pragma once
// The z5 command line: `z5 [options] [ROUTE]`.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace z5 {

// The largest map picture side --size takes, pixels.
inline constexpr int kLargestPictureSide = 20000;

struct CommandLine {
  std::optional<std::string> home;          // --home DIR
  std::optional<std::string> settingsFile;  // --settings FILE
  std::vector<std::pair<std::string, std::string>> sets;  // --set KEY=VALUE
  bool output = false;                      // --output[=FORMAT]
  std::optional<int> outputFormat;          // 1..7 (7: gpx)
  bool toStdout = false;                    // --stdout
  bool list = false;                        // --list
  bool check = false;                       // --check: the route check against land
  std::optional<std::string> mapFile;       // --map FILE.png
  int mapWidth = 1024, mapHeight = 768;     // --size WxH
  std::optional<std::pair<double, double>> centre;  // --center LAT,LON (degrees, north and east positive)
  std::optional<double> span;               // --span DEG
  std::optional<std::string> gpsPort;       // --gps SOURCE (a port or network address)
  std::optional<int> gotoWaypoint;          // --goto N
  std::optional<std::string> importGpx;     // --import-gpx FILE
  std::optional<std::string> route;         // ROUTE
  bool help = false;

  // Any option that makes the program run headless and exit.
  bool headless() const {
    return output || list || check || mapFile.has_value() || gpsPort.has_value() || importGpx.has_value();
  }
};

struct CommandLineResult {
  CommandLine line;
  std::string error;  // empty when the command line is good
};

CommandLineResult parseCommandLine(const std::vector<std::string>& arguments);

// The output format named by a --output value: 1-6 or normal, delimited,
// amver, moverep, data, nmea, and gpx (7), in any case; nullopt when unknown.
std::optional<int> outputFormatByName(std::string_view name);

extern const char* const kUsage;

}  // namespace z5
