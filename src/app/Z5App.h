#pragma once
// The program without its windows: the state the desktop program and the
// headless runs share (settings, numbered strings, messages, voyage, map
// view), and the start-up and exit sequences.

#include <mutex>
#include <optional>
#include <string>

#include "app/InstalledHome.h"
#include "base/Clock.h"
#include "base/Host.h"
#include "base/Messages.h"
#include "base/Settings.h"
#include "base/SettingsRecord.h"
#include "base/SettingsStore.h"
#include "base/StringTable.h"
#include "charts/RouteChartTable.h"
#include "editor/Clipboard.h"
#include "editor/DocumentSet.h"
#include "editor/EditorProfile.h"
#include "editor/PageSetup.h"
#include "geo/MapExtent.h"
#include "gps/GpsMonitor.h"
#include "map/MapFont.h"
#include "map/MapViewState.h"
#include "map/PositionLine.h"
#include "nav/CalculatorState.h"
#include "route/Voyage.h"
#include "world/LandCheck.h"
#include "world/LandIndexCache.h"

namespace z5 {

class Z5App {
 public:
  Z5App(Host& host, SettingsStore& store, const Clock& clock);
  Z5App(const Z5App&) = delete;
  Z5App& operator=(const Z5App&) = delete;

  // Home directory, settings and string files. False when the program
  // cannot go on; the reason has been shown.
  //
  // Without a stored HOME_PATH the home directory is the program's own
  // directory when it holds the chart catalogue (a build, or a copy with
  // its data); else, for a program installed in PREFIX/bin, the user's data
  // directory `userDirectory`, filled from PREFIX/share/z5 with the files it
  // lacks; else the program's directory (the data path is then asked for).
  bool startUp(const std::string& programDirectory, const std::string& userDirectory = userDataDirectory());

  // The document start-up opens: `DATA_FILE`, or the home directory's
  // "readme.txt" when that cannot be opened (then it is not extracted).
  struct StartDocument {
    std::string path;
    bool isRoute = false;
  };
  StartDocument startDocument() const;

  // Start-up's extraction of the start document when it is a route: the
  // voyage is built and its waypoints listed in the message window. After
  // the fatal result (kFatal) it has paused kStartFailurePauseMs and the
  // program must end. When the route had errors, the last one is returned
  // for the editor to select its line (only when that line's text is longer
  // than 2 characters) and the list is emptied.
  struct StartExtraction {
    int result = 0;  // the engine's result
    std::optional<ErrorLocation> selection;
  };
  StartExtraction extractStartDocument();

  // Loads the settings with the resets of the values that are not stored.
  bool loadSettings(SettingsMode mode);

  // The reload of the "&Default settings" (Defaults) and "&Restart settings"
  // (Stored) commands: the palettes go back to their defaults, `DATA_FILE`
  // is kept, and the restart applies the GPS option defaults while the
  // monitor is stopped. A failed reload pauses kStartFailurePauseMs and the
  // program goes on; false then. Re-extracting and redrawing are the
  // command's.
  bool reloadSettings(SettingsMode mode);

  // The end of the window program's start-up: the GPS monitor is started,
  // as by its menu command, when GPS_AT_START is 1. Headless runs do not
  // call it.
  void startGpsAtStart();

  // Exit: the GPS monitor is stopped; then the settings, the map fonts,
  // the editor profile and the page setup that changed are written back
  // unless the no-save flag is set.
  void shutDown();

  SettingsRecord& settings() { return settings_; }
  const SettingsRecord& settings() const { return settings_; }
  StringTable& strings() { return strings_; }
  Messages& messages() { return messages_; }
  Voyage& voyage() { return voyage_; }
  MapViewState& mapView() { return mapView_; }
  // The leg pass's whole-voyage extent: the reference meridian of every
  // longitude difference of the navigation, and the chart search box.
  MapExtent& voyageExtent() { return voyageExtent_; }
  // The extent of the last map painted, for the mouse over it.
  MapExtent& mapExtent() { return mapExtent_; }
  RouteChartTable& routeCharts() { return routeCharts_; }
  CalculatorState& calculators() { return calculators_; }
  MapFonts& mapFonts() { return mapFonts_; }
  GpsMonitor& gps() { return gps_; }
  // The open documents, and the windows that show them.
  DocumentSet& documents() { return documents_; }
  PageSetupProfile& pageSetup() { return pageSetup_; }
  // The editors' fonts, tab stops and word wrap.
  EditorProfile& editorProfile() { return editorProfile_; }
  // What the map's bearings are taken to, kept from one click to the next.
  PositionReference& positionReference() { return positionReference_; }
  Clipboard& clipboard() { return *clipboard_; }
  void attachClipboard(Clipboard& clipboard) { clipboard_ = &clipboard; }
  // The GPS draws its track on the map: the map then follows the ship, and
  // a route's own view settings are not handed to it.
  bool gpsDrawsTrack() const;
  // The route check: the land index of the home directory, and the last
  // check's result, which the map marks.
  LandIndexCache& landIndex() { return landIndex_; }
  LandCheckResult& landCheck() { return landCheck_; }
  // Guards the map view's position fields, which the GPS reader moves.
  std::recursive_mutex& mapLock() { return gps_.locks().map; }
  const Clock& clock() const { return clock_; }
  SettingsStore& store() { return store_; }
  Host& host() { return host_; }

  // A file in the home directory.
  std::string homeFile(std::string_view name) const;

  static constexpr int kStartFailurePauseMs = 2000;
  static constexpr int kHomeProblemMs = 8000;
  static constexpr const char* kSampleRoute = "README.TXT";
  static constexpr const char* kReadme = "readme.txt";

 private:
  std::string defaultHomeDirectory(const std::string& programDirectory, const std::string& userDirectory,
                                   bool firstStart);
  void establishHomeDirectory(const std::string& programDirectory, const std::string& userDirectory);

  Host& host_;
  SettingsStore& store_;
  const Clock& clock_;
  SettingsRecord settings_;
  StringTable strings_;
  Messages messages_;
  Voyage voyage_;
  MapViewState mapView_;
  MapExtent voyageExtent_;
  MapExtent mapExtent_;
  RouteChartTable routeCharts_;
  CalculatorState calculators_;
  MapFonts mapFonts_;
  DocumentSet documents_;
  PageSetupProfile pageSetup_;
  EditorProfile editorProfile_;
  PositionReference positionReference_;
  MemoryClipboard ownClipboard_;
  Clipboard* clipboard_ = &ownClipboard_;
  LandIndexCache landIndex_;
  LandCheckResult landCheck_;
  GpsMonitor gps_;  // last: its reader ends before the state it reads goes
};

}  // namespace z5
