// z5: the desktop program, or, with the options of the command line, a
// headless run that writes a report, a map or the GPS display and exits.

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>

#include "app/Clock.h"
#include "app/CommandLine.h"
#include "app/ConsoleHost.h"
#include "app/OverlaySettingsStore.h"
#include "app/Z5App.h"
#include "gps/GpsTerminal.h"
#include "route/VoyageEngine.h"
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

// --gps PORT [--goto N] [ROUTE]: the GPS display in the terminal until
// Ctrl-C (or SIGTERM), which stops the monitor; nothing is saved.
int runGps(z5::Z5App& app, const z5::CommandLine& line) {
  if (line.gotoWaypoint && !line.route) return badCommandLine("--goto needs a ROUTE to choose the waypoint from");
  if (line.route && z5::VoyageEngine(app).extractRouteFile(*line.route) != z5::kVoyageBuilt) return kFileError;
  // The signals are taken by a thread of their own: blocked here, before
  // the reader thread starts and inherits the mask.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

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
  if (line.mapFile) return badCommandLine("--map is not available in this build yet");

  QCoreApplication qt(argc, argv);
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
  if (line.gpsPort) return runGps(app, line);
  std::fprintf(stderr, "z5: home directory %s, route %s\n", app.settings().HOME_PATH.c_str(),
               app.startDocument().path.c_str());
  app.shutDown();
  return kDone;
}
