// z5: the desktop program, or, with the options of the command line, a
// headless run that writes a report, a map or the GPS display and exits.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include "app/Clock.h"
#include "app/CommandLine.h"
#include "app/ConsoleHost.h"
#include "app/OverlaySettingsStore.h"
#include "app/Z5App.h"
#include "route/VoyageEngine.h"
#include "ui/MapImage.h"
#include "ui/QtSettingsStore.h"

namespace {

enum ExitStatus { kDone = 0, kFileError = 1, kBadCommandLine = 2 };

std::string programDirectory(const char* argv0) {
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) exe = std::filesystem::absolute(argv0, error);
  return exe.parent_path().string();
}

int badCommandLine(const std::string& message) {
  std::fprintf(stderr, "z5: %s\n%s", message.c_str(), z5::kUsage);
  return kBadCommandLine;
}

// A route named without a directory that is not in the current directory
// is looked for in the home directory.
std::string routePath(const z5::Z5App& app, const std::string& route) {
  std::error_code error;
  if (route.find('/') != std::string::npos || std::filesystem::exists(route, error)) return route;
  const std::string inHome = app.homeFile(route);
  return std::filesystem::exists(inHome, error) ? inHome : route;
}

// Pictures are drawn off-screen: no display is needed, and none is used.
void useOffscreenPlatform() {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// `z5 --map FILE.png ROUTE`: the map of the route, the whole voyage or a
// centred view, written as a PNG whose path is printed.
int writeMap(z5::Z5App& app, const z5::CommandLine& line) {
  z5::MapViewState& view = app.mapView();
  view.drawingWidth = line.mapWidth;
  view.drawingHeight = line.mapHeight;
  if (line.centre) {
    view.viewPointMode = true;
    view.viewLatitude = line.centre->first;
    view.viewLongitude = line.centre->second;
    view.degreeSpan = *line.span;
  }
  const int extracted = z5::VoyageEngine(app).extractRouteFile(routePath(app, *line.route));
  if (extracted == z5::kRouteFailed || extracted == z5::kFatal) return kFileError;
  const z5::MapImage map = z5::renderMapImage(app, line.mapWidth, line.mapHeight);
  if (map.result != z5::kMapPainted) return kFileError;
  if (!map.image.save(QString::fromStdString(*line.mapFile), "PNG")) {
    std::fprintf(stderr, "z5: cannot write the map picture %s\n", line.mapFile->c_str());
    return kFileError;
  }
  std::printf("%s\n", line.mapFile->c_str());
  return kDone;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  const z5::CommandLineResult parsed = z5::parseCommandLine(arguments);
  if (!parsed.error.empty()) return badCommandLine(parsed.error);
  const z5::CommandLine& line = parsed.line;
  if (line.help) {
    std::fputs(z5::kUsage, stdout);
    return kDone;
  }
  if (line.output) return badCommandLine("--output is not available in this build yet");
  if (line.list) return badCommandLine("--list is not available in this build yet");
  if (line.gpsPort) return badCommandLine("--gps is not available in this build yet");

  std::unique_ptr<QCoreApplication> qt;
  if (line.mapFile) {
    useOffscreenPlatform();
    qt = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    qt = std::make_unique<QCoreApplication>(argc, argv);
  }
  auto profile = line.settingsFile ? std::make_unique<z5::QtSettingsStore>(*line.settingsFile)
                                   : std::make_unique<z5::QtSettingsStore>();
  // Without its window the program never writes the settings back.
  z5::OverlaySettingsStore store(*profile, /*writesEnabled=*/false);
  if (line.home) store.set(z5::kSettingsSection, "HOME_PATH", *line.home);
  for (const auto& [key, value] : line.sets) store.set(z5::kSettingsSection, key, value);

  z5::ConsoleHost host;
  z5::SystemClock clock;
  z5::Z5App app(host, store, clock);
  if (!app.startUp(programDirectory(argv[0]))) return kFileError;
  std::fprintf(stderr, "z5: home directory %s, route %s\n", app.settings().HOME_PATH.c_str(),
               app.startDocument().path.c_str());
  int status = kDone;
  if (line.mapFile) status = writeMap(app, line);
  app.shutDown();
  return status;
}
