#include "app/CommandLine.h"

#include <array>
#include <cmath>

#include <fmt/printf.h>

#include "base/NumberReading.h"
#include "base/Settings.h"
#include "base/TextUtil.h"
#include "gps/SourceAddress.h"
#include "map/MapViewState.h"
#include "nav/ComputeMapExtent.h"
#include "route/PositionText.h"

namespace z5 {

const char* const kUsage =
    "usage: z5 [options] [ROUTE]\n"
    "Without the options that run headless (--output, --list, --check, --map, --gps,\n"
    "--import-gpx) and with a display, z5 opens its window with ROUTE in an editor.\n"
    "  --home DIR           home (data) directory\n"
    "  --settings FILE      settings profile (INI) to use\n"
    "  --set KEY=VALUE      override one setting for this run (repeatable; never saved)\n"
    "  --output[=FORMAT]    write ROUTE's output file: 1-6 or normal, delimited, amver,\n"
    "                       moverep, data, nmea, in any case (default: the OUTPUT_FORMAT setting),\n"
    "                       or gpx: a GPX 1.1 route in ROUTE's name with extension .gpx\n"
    "  --import-gpx FILE    print the route text of a GPX file's first route (or its waypoints)\n"
    "  --stdout             with --output or --list: write to standard output\n"
    "  --list               list the waypoints of ROUTE\n"
    "  --check              check ROUTE's legs against the land of the world data (with --map:\n"
    "                       mark the findings on the map); exit 0 none, 1 some, 3 could not check\n"
    "  --map FILE.png       render the map of ROUTE (--size WxH, --center LAT,LON, --span DEG)\n"
    "  --gps SOURCE         run the GPS monitor on SOURCE: a serial port, gpsd://HOST[:PORT],\n"
    "                       tcp://HOST:PORT or udp://[ADDRESS]:PORT (--goto N picks the goto waypoint)\n";

namespace {

constexpr double kLongitudeLimit = 180;

struct FormatName {
  std::string_view name;
  int format;
};
constexpr std::array<FormatName, 7> kFormatNames = {{
    {"normal", 1}, {"delimited", 2}, {"amver", 3}, {"moverep", 4}, {"data", 5}, {"nmea", 6}, {"gpx", 7}}};

// A decimal number as people write degrees: an optional sign, digits and
// at most one decimal point. Nothing else (no exponent, hexadecimal, "nan"
// or "inf").
std::optional<double> parseDecimal(std::string_view text) { return decimalOnly(text); }

// One coordinate of --center: signed decimal degrees (north and east
// positive), or a position as a route writes it, ending in its hemisphere
// letter ("50-46N", "001-06W").
std::optional<double> centreCoordinate(std::string_view text, PositionKind kind) {
  if (const auto degrees = parseDecimal(text)) return degrees;
  const char letter = text.empty() ? '\0' : toUpper(text.substr(text.size() - 1)).front();
  const bool latitude = kind == PositionKind::Latitude;
  if (letter != (latitude ? 'N' : 'E') && letter != (latitude ? 'S' : 'W')) return std::nullopt;
  const double degrees = parsePosition(text, kind);
  if (degrees < kPositionErrorBelow) return std::nullopt;
  return degrees;
}

std::optional<std::pair<double, double>> parseCentre(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const auto lat = centreCoordinate(trim(text.substr(0, comma)), PositionKind::Latitude);
  const auto lon = centreCoordinate(trim(text.substr(comma + 1)), PositionKind::Longitude);
  if (!lat || !lon || std::fabs(*lat) > kMapLatitudeLimit || std::fabs(*lon) > kLongitudeLimit) return std::nullopt;
  return std::make_pair(*lat, *lon);
}

}  // namespace

std::optional<int> outputFormatByName(std::string_view name) {
  if (const auto number = integerOnly<int>(name); number && *number >= 1 && *number <= 6) return number;
  const std::string upper = toUpper(name);
  for (const FormatName& f : kFormatNames) {
    if (toUpper(f.name) == upper) return f.format;
  }
  return std::nullopt;
}

CommandLineResult parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLineResult result;
  CommandLine& line = result.line;
  auto fail = [&](std::string message) {
    result.error = std::move(message);
    return result;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= arguments.size()) return std::nullopt;
      return arguments[++i];
    };
    if (arg == "--help" || arg == "-h") {
      line.help = true;
    } else if (arg == "--home" || arg == "--settings" || arg == "--set" || arg == "--map" || arg == "--gps" ||
               arg == "--size" || arg == "--center" || arg == "--span" || arg == "--goto" || arg == "--import-gpx") {
      const auto v = value();
      if (!v) return fail(arg + " needs a value");
      if (arg == "--home") {
        line.home = *v;
      } else if (arg == "--settings") {
        line.settingsFile = *v;
      } else if (arg == "--set") {
        const std::size_t eq = v->find('=');
        if (eq == std::string::npos || eq == 0) return fail("--set needs KEY=VALUE, not " + *v);
        const std::string key = v->substr(0, eq);
        const std::string setting = v->substr(eq + 1);
        if (!isSettingsKey(key)) return fail("--set: unknown settings key " + key);
        if (const auto accepted = settingsValueRefusal(key, setting))
          return fail("--set " + *v + ": " + key + " takes " + *accepted);
        line.sets.emplace_back(key, setting);
      } else if (arg == "--map") {
        line.mapFile = *v;
      } else if (arg == "--gps") {
        if (const SourceAddressReading source = readSourceAddress(*v); !source.address)
          return fail("--gps " + *v + ": " + source.problem);
        line.gpsPort = *v;
      } else if (arg == "--import-gpx") {
        line.importGpx = *v;
      } else if (arg == "--size") {
        const std::size_t x = v->find('x');
        const auto w = x == std::string::npos ? std::nullopt : integerOnly<int>(std::string_view(*v).substr(0, x));
        const auto h = x == std::string::npos ? std::nullopt : integerOnly<int>(std::string_view(*v).substr(x + 1));
        const auto fits = [](std::optional<int> side) { return side && *side >= 1 && *side <= kLargestPictureSide; };
        if (!fits(w) || !fits(h))
          return fail(fmt::sprintf("--size needs WxH in pixels, each from 1 to %d, not %s", kLargestPictureSide, *v));
        line.mapWidth = *w;
        line.mapHeight = *h;
      } else if (arg == "--center") {
        line.centre = parseCentre(*v);
        if (!line.centre)
          return fail(fmt::sprintf(
              "--center needs LAT,LON: signed decimal degrees, north and east positive (50.77,-1.1), or positions "
              "as a route writes them with their N/S and E/W (50-46N,001-06W); latitude within %g degrees of the "
              "equator, longitude within %g; not %s",
              kMapLatitudeLimit, kLongitudeLimit, *v));
      } else if (arg == "--span") {
        const auto span = parseDecimal(*v);
        if (!span || *span < MapViewState::kSmallestSpan || *span > MapViewState::kLargestSpan)
          return fail(fmt::sprintf("--span needs decimal degrees from %g to %g, not %s", MapViewState::kSmallestSpan,
                                   MapViewState::kLargestSpan, *v));
        line.span = *span;
      } else if (arg == "--goto") {
        const auto n = integerOnly<int>(*v);
        if (!n) return fail("--goto needs a waypoint number, not " + *v);
        line.gotoWaypoint = *n;
      }
    } else if (arg == "--output") {
      line.output = true;
    } else if (arg.rfind("--output=", 0) == 0) {
      line.output = true;
      line.outputFormat = outputFormatByName(arg.substr(9));
      if (!line.outputFormat) return fail("--output: unknown format " + arg.substr(9));
    } else if (arg == "--stdout") {
      line.toStdout = true;
    } else if (arg == "--list") {
      line.list = true;
    } else if (arg == "--check") {
      line.check = true;
    } else if (arg.size() > 1 && arg.front() == '-') {
      return fail("unknown option " + arg);
    } else if (line.route) {
      return fail("only one ROUTE may be given");
    } else {
      line.route = arg;
    }
  }
  if (line.toStdout && !line.output && !line.list) return fail("--stdout goes with --output or --list");
  if ((line.centre.has_value() != line.span.has_value()) && line.mapFile)
    return fail("--center and --span go together");
  if (line.gotoWaypoint && !line.gpsPort) return fail("--goto goes with --gps");
  if (line.importGpx && (line.output || line.list || line.check || line.mapFile || line.gpsPort || line.route))
    return fail("--import-gpx goes alone: it prints the route text of the GPX file");
  if (line.check && (line.output || line.list || line.gpsPort)) return fail("--check goes alone or with --map");
  if ((line.output || line.list || line.check || line.mapFile) && !line.route) return fail("a ROUTE file is needed");
  return result;
}

}  // namespace z5
