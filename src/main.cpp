// z5: the desktop program, or, with the options of the command line, a
// headless run that writes a report, a map or the GPS display and exits.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "app/Clock.h"
#include "app/CommandLine.h"
#include "app/ConsoleHost.h"
#include "app/EpochClock.h"
#include "app/OverlaySettingsStore.h"
#include "app/Z5App.h"
#include "report/ReportJobs.h"
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
int runReportJobs(z5::Z5App& app, const z5::CommandLine& line) {
  int status = z5::extractRouteJob(app, *line.route, std::cerr);
  if (status == z5::kJobDone && line.list) status = z5::writeListJob(app, std::cout);
  if (status == z5::kJobDone && line.output) {
    const int format = line.outputFormat.value_or(app.settings().OUTPUT_FORMAT);
    status = z5::writeOutputJob(app, format, line.toStdout, std::cout, std::cerr);
  }
  return status;
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
  if (line.mapFile) return badCommandLine("--map is not available in this build yet");
  if (line.gpsPort) return badCommandLine("--gps is not available in this build yet");

  QCoreApplication qt(argc, argv);
  auto profile = line.settingsFile ? std::make_unique<z5::QtSettingsStore>(*line.settingsFile)
                                   : std::make_unique<z5::QtSettingsStore>();
  // Without its window the program never writes the settings back.
  z5::OverlaySettingsStore store(*profile, /*writesEnabled=*/false);
  if (line.home) store.set(z5::kSettingsSection, "HOME_PATH", *line.home);
  for (const auto& [key, value] : line.sets) store.set(z5::kSettingsSection, key, value);

  z5::ConsoleHost host;
  const std::unique_ptr<z5::Clock> clock = programClock();
  z5::Z5App app(host, store, *clock);
  if (!app.startUp(programDirectory(argv[0]))) return kFileError;
  if (line.list || line.output) {
    const int status = runReportJobs(app, line);
    app.shutDown();
    return status;
  }
  std::fprintf(stderr, "z5: home directory %s, route %s\n", app.settings().HOME_PATH.c_str(),
               app.startDocument().path.c_str());
  app.shutDown();
  return kDone;
}
