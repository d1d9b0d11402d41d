#include "app/Z5App.h"

#include <fstream>

#include "app/AppContexts.h"
#include "app/InstalledHome.h"
#include "app/VoyageEngine.h"
#include "report/OutputSink.h"
#include "report/WaypointList.h"
#include "route/VoyageHeader.h"

namespace z5 {

Z5App::Z5App(Host& host, SettingsStore& store, const Clock& clock)
    : host_(host),
      store_(store),
      clock_(clock),
      messages_(host, strings_),
      documents_(settings_, messages_),
      gps_(settings_, messages_, voyage_, mapView_, clock) {}

std::string Z5App::homeFile(std::string_view name) const { return z5::homeFile(settings_.HOME_PATH, name); }

std::string Z5App::defaultHomeDirectory(const std::string& programDirectory, const std::string& userDirectory,
                                        bool firstStart) {
  // A build or a copy of the program with its data beside it is its own home.
  if (std::ifstream(z5::homeFile(programDirectory, kChartCatalogueFileName)).is_open()) return programDirectory;
  const std::string installed = installedDataDirectory(programDirectory);
  if (installed.empty() || userDirectory.empty()) return installed.empty() ? programDirectory : installed;
  if (!firstStart) return userDirectory;
  const HomeFilling filling = fillHomeDirectory(installed, userDirectory);
  if (filling.filled) return userDirectory;
  messages_.showMessage("The home directory " + userDirectory + " could not be made (" + filling.cause +
                            "); the shipped one, " + installed + ", is used, where the GPS track log cannot be kept.",
                        kHomeProblemMs);
  return installed;
}

void Z5App::establishHomeDirectory(const std::string& programDirectory, const std::string& userDirectory) {
  // The default home is the home path until a stored one is accepted, and
  // the one offered when the stored one holds no chart catalogue.
  const auto stored = store_.readText(kSettingsSection, "HOME_PATH");
  const bool firstStart = !stored || stored->empty();
  settings_.HOME_PATH = z5::homeFile(defaultHomeDirectory(programDirectory, userDirectory, firstStart), "");
  if (!firstStart) return;
  settings_.DATA_FILE = settings_.HOME_PATH + kSampleRoute;
  store_.writeText(kSettingsSection, "HOME_PATH", settings_.HOME_PATH);
  store_.writeText(kSettingsSection, "DATA_FILE", settings_.DATA_FILE);
}

bool Z5App::loadSettings(SettingsMode mode) {
  // The GPS reader reads the settings and the map view under its locks.
  const auto hold = gps_.locks().all();
  mapView_.degreeSpan = MapViewState::kDefaultSpan;
  mapView_.centreIndex = kNoIndex;
  voyage_.toWaypoint.index = kNoIndex;
  if (!z5::loadSettings(mode, settings_, store_, strings_, messages_)) return false;
  resetVoyageHeaderTexts(voyage_, strings_);
  return true;
}

bool Z5App::reloadSettings(SettingsMode mode) {
  const std::string dataFile = settings_.DATA_FILE;
  applyPaletteDefaults(settings_);
  if (mode == SettingsMode::Stored && !gps_.running()) applyGpsOptionDefaults(settings_);
  const bool loaded = loadSettings(mode);
  if (!loaded) host_.wait(kStartFailurePauseMs);
  settings_.DATA_FILE = dataFile;
  settings_.outputFileName = settingsOutputFileName(dataFile);
  return loaded;
}

bool Z5App::startUp(const std::string& programDirectory, const std::string& userDirectory) {
  establishHomeDirectory(programDirectory, userDirectory);
  mapFonts_.load(store_);
  pageSetup_.load(store_);
  editorProfile_.load(store_);
  applyPaletteDefaults(settings_);
  applyGpsOptionDefaults(settings_);
  if (!loadSettings(SettingsMode::Stored)) {
    host_.wait(kStartFailurePauseMs);
    return false;
  }
  gps_.resetState();
  return true;
}

Z5App::StartDocument Z5App::startDocument() const {
  // A relative DATA_FILE names a file in the home directory.
  const std::string& dataFile = settings_.DATA_FILE;
  const std::string route = (!dataFile.empty() && dataFile.front() == '/') ? dataFile : homeFile(dataFile);
  if (std::ifstream(route).is_open()) return {route, true};
  return {homeFile(kReadme), false};
}

Z5App::StartExtraction Z5App::extractStartDocument() {
  // An error location is selected only when its line says more than a line end.
  constexpr std::size_t kSelectableLineText = 2;
  StartExtraction done;
  const StartDocument document = startDocument();
  if (!document.isRoute) return done;
  done.result = VoyageEngine(*this).extractRouteFile(document.path);
  if (done.result == kFatal) {
    host_.wait(kStartFailurePauseMs);
    return done;
  }
  if (done.result == kVoyageBuilt) {
    OutputSink window(messages_);
    writeWaypointList(reportContext(*this), window);
  }
  if (!voyage_.errors.empty()) {
    ErrorLocation last = voyage_.errors.back();
    voyage_.errors.clear();
    if (last.lineText.size() > kSelectableLineText) done.selection = std::move(last);
  }
  return done;
}

void Z5App::startGpsAtStart() {
  if (settings_.GPS_AT_START == 1 && !gps_.running()) gps_.toggle();
}

void Z5App::shutDown() {
  gps_.stop();
  if (settings_.noSave) return;
  saveSettings(settings_, store_);
  mapFonts_.save(store_);
  pageSetup_.save(store_);
  editorProfile_.save(store_);
}

bool Z5App::gpsDrawsTrack() const { return gps_.running() && settings_.GPS_DISPLAY_TRACK == 1; }

}  // namespace z5
