#include "app/CommandLine.h"

#include <array>
#include <charconv>
#include <cstdlib>

#include "app/Settings.h"
#include "app/TextUtil.h"

namespace z5 {

const char* const kUsage =
    "usage: z5 [options] [ROUTE]\n"
    "  --home DIR           home (data) directory\n"
    "  --settings FILE      settings profile (INI) to use\n"
    "  --set KEY=VALUE      override one setting for this run (repeatable; never saved)\n"
    "  --output[=FORMAT]    write ROUTE's output file: 1-6 or normal, delimited, amver,\n"
    "                       moverep, data, nmea (default: the OUTPUT_FORMAT setting)\n"
    "  --stdout             with --output or --list: write to standard output\n"
    "  --list               list the waypoints of ROUTE\n"
    "  --map FILE.png       render the map of ROUTE (--size WxH, --center LAT,LON, --span DEG)\n"
    "  --gps PORT           run the GPS monitor on PORT (--goto N picks the goto waypoint)\n";

namespace {

struct FormatName {
  std::string_view name;
  int format;
};
constexpr std::array<FormatName, 6> kFormatNames = {{
    {"normal", 1}, {"delimited", 2}, {"amver", 3}, {"moverep", 4}, {"data", 5}, {"nmea", 6}}};

std::optional<int> parseInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> parseDouble(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int> outputFormatByName(std::string_view name) {
  if (const auto number = parseInt(name); number && *number >= 1 && *number <= 6) return number;
  for (const FormatName& f : kFormatNames) {
    if (f.name == name) return f.format;
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
               arg == "--size" || arg == "--center" || arg == "--span" || arg == "--goto") {
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
        if (!isSettingsKey(key)) return fail("--set: unknown settings key " + key);
        line.sets.emplace_back(key, v->substr(eq + 1));
      } else if (arg == "--map") {
        line.mapFile = *v;
      } else if (arg == "--gps") {
        line.gpsPort = *v;
      } else if (arg == "--size") {
        const std::size_t x = v->find('x');
        const auto w = x == std::string::npos ? std::nullopt : parseInt(std::string_view(*v).substr(0, x));
        const auto h = x == std::string::npos ? std::nullopt : parseInt(std::string_view(*v).substr(x + 1));
        if (!w || !h || *w < 1 || *h < 1 || *w > 20000 || *h > 20000) return fail("--size needs WxH in pixels, not " + *v);
        line.mapWidth = *w;
        line.mapHeight = *h;
      } else if (arg == "--center") {
        const std::size_t comma = v->find(',');
        const auto lat = comma == std::string::npos ? std::nullopt : parseDouble(v->substr(0, comma));
        const auto lon = comma == std::string::npos ? std::nullopt : parseDouble(v->substr(comma + 1));
        if (!lat || !lon || *lat < -85 || *lat > 85 || *lon < -180 || *lon > 180)
          return fail("--center needs LAT,LON in degrees, not " + *v);
        line.centre = std::make_pair(*lat, *lon);
      } else if (arg == "--span") {
        const auto span = parseDouble(*v);
        if (!span || *span < 0.05 || *span > 150) return fail("--span needs degrees from 0.05 to 150, not " + *v);
        line.span = *span;
      } else if (arg == "--goto") {
        const auto n = parseInt(*v);
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
  if ((line.output || line.list || line.mapFile) && !line.route) return fail("a ROUTE file is needed");
  return result;
}

}  // namespace z5
