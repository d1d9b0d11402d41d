// z5: the desktop program on a display, or, with the options of the
// command line (or without a display), a headless run that writes a
// report, a map or the GPS display and exits.

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <span>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include <fmt/printf.h>

#include "app/CommandLine.h"
#include "app/ConsoleHost.h"
#include "app/OverlaySettingsStore.h"
#include "app/ReportJobs.h"
#include "app/RouteCheck.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/AtomicFile.h"
#include "base/Clock.h"
#include "base/EpochClock.h"
#include "editor/MapDocument.h"
#include "editor/RouteDocument.h"
#include "gps/GpsTerminal.h"
#include "report/GpxImport.h"
#include "report/OutputFileName.h"
#include "ui/Desktop.h"
#include "ui/FontConfigurationLoader.h"
#include "ui/MapImage.h"
#include "ui/PdfPrinting.h"
#include "ui/PngEncoding.h"
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

// The computer's clock, or the moment SOURCE_DATE_EPOCH names, so that a
// report made again is the same to the byte.
std::unique_ptr<z5::Clock> programClock() {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch != nullptr) {
    if (const auto seconds = z5::parseEpochSeconds(epoch)) return std::make_unique<z5::EpochClock>(*seconds);
  }
  return std::make_unique<z5::SystemClock>();
}

// --list and --output: the route is extracted once for both.
int runReportJobs(z5::Z5App& app, const z5::CommandLine& line, std::ostream& out) {
  int status = z5::extractRouteJob(app, routePath(app, *line.route), std::cerr);
  if (status == z5::kJobDone && line.list) status = z5::writeListJob(app, out);
  if (status == z5::kJobDone && line.output) {
    const int format = line.outputFormat.value_or(app.settings().OUTPUT_FORMAT);
    status = z5::writeOutputJob(app, format, line.toStdout, out, std::cerr);
  }
  return status;
}

// Pictures are drawn off-screen: no display is needed, and none is used.
void useOffscreenPlatform() {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt wants a private runtime directory; a session without one gets its own.
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    const std::string runtime = "/tmp/z5-runtime-" + std::to_string(getuid());
    std::error_code error;
    std::filesystem::create_directory(runtime, error);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, error);
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
  }
}

// The map view of --map: the whole voyage or a centred view, at the picture's size.
void setMapView(z5::Z5App& app, const z5::CommandLine& line) {
  z5::MapViewState& view = app.mapView();
  view.drawingWidth = line.mapWidth;
  view.drawingHeight = line.mapHeight;
  if (line.centre) {
    view.viewPointMode = true;
    view.viewLatitude = line.centre->first;
    view.viewLongitude = line.centre->second;
    view.degreeSpan = *line.span;
  }
}

// The map of the extracted route written as a PNG whose path is printed.
int drawMap(z5::Z5App& app, const z5::CommandLine& line, std::ostream& out) {
  const z5::MapImage map = z5::renderMapImage(app, line.mapWidth, line.mapHeight);
  if (map.result != z5::kMapPainted) return kFileError;
  const std::optional<QByteArray> png = z5::encodePng(map.image);
  if (!png) {
    std::fprintf(stderr, "z5: cannot write the map picture %s: the picture cannot be encoded\n", line.mapFile->c_str());
    return kFileError;
  }
  const std::string route = app.voyage().routeFileName;
  const z5::FileWriteResult written =
      z5::writeFileAtomically(*line.mapFile, std::string_view(png->constData(), png->size()), std::span(&route, 1));
  if (!written.written) {
    std::fprintf(stderr, "z5: cannot write the map picture %s: %s\n", line.mapFile->c_str(), written.cause.c_str());
    return kFileError;
  }
  out << *line.mapFile << "\n";
  return kDone;
}

// `z5 --map FILE.png ROUTE`: the map of the route, the whole voyage or a
// centred view.
int writeMap(z5::Z5App& app, const z5::CommandLine& line, std::ostream& out) {
  setMapView(app, line);
  const int extracted = z5::VoyageEngine(app).extractRouteFile(routePath(app, *line.route));
  if (extracted == z5::kRouteFailed || extracted == z5::kFatal) return kFileError;
  return drawMap(app, line, out);
}

// `z5 --print FILE.pdf [--output[=FORMAT] | --map] ROUTE`: the route's
// text, its report or its map printed into a PDF.
int printToPdf(z5::Z5App& app, const z5::CommandLine& line, std::ostream& out) {
  const std::string route = routePath(app, *line.route);
  const std::string& pdf = *line.printFile;
  if (line.printMap) {
    setMapView(app, line);
    const int extracted = z5::VoyageEngine(app).extractRouteFile(route);
    if (extracted == z5::kRouteFailed || extracted == z5::kFatal) return kFileError;
    return z5::printMapToPdf(app, fmt::sprintf(z5::MapDocument::kTitleFormat, route), pdf, route, out);
  }
  if (line.output) {
    const int format = line.outputFormat.value_or(app.settings().OUTPUT_FORMAT);
    std::string report;
    if (z5::extractRouteJob(app, route, std::cerr) != z5::kJobDone ||
        z5::reportTextJob(app, format, report, std::cerr) != z5::kJobDone) {
      return kFileError;
    }
    const z5::RouteDocument document(z5::outputFileName(route, format), std::move(report));
    return z5::printTextToPdf(app, document, pdf, route, out);
  }
  const z5::RouteDocument* document = app.documents().openText(route, /*asRoute=*/false);
  return document == nullptr ? kFileError : z5::printTextToPdf(app, *document, pdf, route, out);
}

// `z5 --check ROUTE`: the route check's findings, with --map marked on the
// map. Its own exit statuses: 0 none, 1 some, 3 the check could not be made
// (the route has errors, the world data are missing or damaged, or the map
// could not be written).
int runCheck(z5::Z5App& app, const z5::CommandLine& line, std::ostream& out) {
  if (line.mapFile) setMapView(app, line);
  if (z5::extractRouteJob(app, routePath(app, *line.route), std::cerr) != z5::kJobDone) return z5::kCheckNotRun;
  const int status = z5::checkRouteJob(app, out);
  if (line.mapFile && drawMap(app, line, out) != kDone) return z5::kCheckNotRun;
  return status;
}

// SIGINT and SIGTERM blocked in this thread and in every thread it starts
// later (the GPS reader inherits the mask), so that only sigwait sees them.
sigset_t blockStopSignals() {
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  return stopSignals;
}

// `z5 --gps PORT [--goto N] [ROUTE]`: the GPS display in the terminal until
// Ctrl-C (or SIGTERM), which stops the monitor; nothing is saved.
int runGps(z5::Z5App& app, const z5::CommandLine& line) {
  if (line.gotoWaypoint && !line.route) return badCommandLine("--goto needs a ROUTE to choose the waypoint from");
  if (line.route && z5::extractRouteJob(app, routePath(app, *line.route), std::cerr) != z5::kJobDone) return kFileError;
  const sigset_t stopSignals = blockStopSignals();
  z5::GpsMonitor& gps = app.gps();
  app.settings().GPS_PORT = *line.gpsPort;
  gps.toggle();
  if (!gps.running()) return kFileError;
  if (line.gotoWaypoint && !gps.chooseGotoNumber(*line.gotoWaypoint)) {
    gps.stop();
    return badCommandLine("--goto " + std::to_string(*line.gotoWaypoint) + " names no waypoint of the route");
  }
  std::atomic<bool> stop{false};
  std::thread signalWaiter([&] {
    int signal = 0;
    sigwait(&stopSignals, &signal);
    stop = true;
  });
  z5::runGpsTerminal(gps, stdout, stop);
  signalWaiter.join();
  return kDone;
}

// `z5 --import-gpx FILE.gpx`: the route text of the file's route on
// standard output; a file that cannot be imported is said on standard error.
int importGpx(const std::string& file, std::ostream& out) {
  const z5::GpxImport imported = z5::importGpxFile(file);
  if (!imported.imported) {
    std::fprintf(stderr, "z5: %s\n", imported.message.c_str());
    return kFileError;
  }
  out << imported.routeText;
  return kDone;
}

// Writes what the run has for standard output, which must reach it: a full
// disk or a closed pipe is a failed run, said on standard error with its cause.
int finishStandardOutput(int status, const std::string& text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
  const int cause = errno;
  if (written && !std::ferror(stdout)) return status;
  std::fprintf(stderr, "z5: cannot write to standard output: %s\n",
               cause == 0 ? "a write failed" : std::generic_category().message(cause).c_str());
  return kFileError;
}

bool displayAvailable() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The profile the command line names (or the user's), with --home and --set
// laid over it for this run.
std::unique_ptr<z5::QtSettingsStore> profileStore(const z5::CommandLine& line) {
  return line.settingsFile ? std::make_unique<z5::QtSettingsStore>(*line.settingsFile)
                           : std::make_unique<z5::QtSettingsStore>();
}

void overrideSettings(z5::OverlaySettingsStore& store, const z5::CommandLine& line) {
  if (line.home) store.set(z5::kSettingsSection, "HOME_PATH", *line.home);
  for (const auto& [key, value] : line.sets) store.set(z5::kSettingsSection, key, value);
}

// `z5 [ROUTE]` on a display: the desktop program, which writes its
// settings back at exit (but those given with --home and --set).
int runWindow(int argc, char** argv, const z5::CommandLine& line) {
  QApplication qt(argc, argv);
  auto profile = profileStore(line);
  z5::OverlaySettingsStore store(*profile, /*writesEnabled=*/true);
  overrideSettings(store, line);
  const std::unique_ptr<z5::Clock> clock = programClock();
  return z5::runDesktop(store, *clock, {programDirectory(argv[0]), line.route});
}

// The whole run but its standard output, which the headless jobs leave in `out`.
int run(int argc, char** argv, std::ostream& out) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  const z5::CommandLineResult parsed = z5::parseCommandLine(arguments);
  if (!parsed.error.empty()) return badCommandLine(parsed.error);
  const z5::CommandLine& line = parsed.line;
  if (line.help) {
    out << z5::kUsage;
    return kDone;
  }
  if (line.importGpx) return importGpx(*line.importGpx, out);
  if (!line.headless() && displayAvailable()) return runWindow(argc, argv, line);
  std::unique_ptr<QCoreApplication> qt;
  std::optional<z5::FontConfigurationLoader> fonts;
  if (line.mapFile || line.printFile) {
    // The environment is set before the loader starts: setenv and its
    // getenv may not run at once.
    useOffscreenPlatform();
    fonts.emplace();
    qt = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    qt = std::make_unique<QCoreApplication>(argc, argv);
  }
  auto profile = profileStore(line);
  // Without its window the program never writes the settings back.
  z5::OverlaySettingsStore store(*profile, /*writesEnabled=*/false);
  overrideSettings(store, line);

  z5::ConsoleHost host;
  const std::unique_ptr<z5::Clock> clock = programClock();
  z5::Z5App app(host, store, *clock);
  if (!app.startUp(programDirectory(argv[0]))) return kFileError;
  if (line.gpsPort) return runGps(app, line);
  if (line.check) {
    const int status = runCheck(app, line, out);
    app.shutDown();
    return status;
  }
  if (line.printFile) {
    const int status = printToPdf(app, line, out);
    app.shutDown();
    return status;
  }
  int status = kDone;
  if (line.list || line.output) status = runReportJobs(app, line, out);
  if (status == kDone && line.mapFile) status = writeMap(app, line, out);
  if (!line.headless()) {
    std::fprintf(stderr,
                 "z5: home directory %s, route %s\n"
                 "z5: no display for the window; use --output, --list or --map (z5 --help)\n",
                 app.settings().HOME_PATH.c_str(), app.startDocument().path.c_str());
  }
  app.shutDown();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::ostringstream out;
  const int status = run(argc, argv, out);
  return finishStandardOutput(status, out.str());
}
