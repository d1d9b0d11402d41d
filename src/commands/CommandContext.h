#pragma once
// What the commands work on. The state of the lower floors is handed out by
// reference; what needs the documents, the application or a window is asked
// for by name. The application implements it over Z5App, its documents and
// its window; every command action takes it and nothing else.

#include <mutex>
#include <string>
#include <string_view>

#include "base/Messages.h"
#include "base/Settings.h"
#include "base/SettingsRecord.h"
#include "commands/DocumentConditions.h"
#include "commands/FrameCommand.h"
#include "commands/GpsDialog.h"
#include "commands/PendingWork.h"
#include "gps/GpsMonitor.h"
#include "map/MapViewControl.h"
#include "map/MapViewState.h"
#include "nav/NavContext.h"
#include "report/ReportContext.h"
#include "route/Voyage.h"

namespace z5 {

class SettingsSheet;

// gcPointsChoice(), the user's own setting of "GC &Points get GC data",
// before he has made one. When "No &GC waypoints out" has to switch
// GC_PT_GCD on, the choice becomes 0, and the switch goes off again with
// "No &GC waypoints out" for that choice only.
inline constexpr int kNoRememberedChoice = -1;

class CommandContext {
 public:
  virtual ~CommandContext() = default;

  // --- The program's state ---
  virtual SettingsRecord& settings() = 0;
  virtual Messages& messages() = 0;
  virtual Voyage& voyage() = 0;
  virtual GpsMonitor& gps() = 0;
  // Guarded by mapLock(): the GPS reader moves its view point.
  virtual MapViewState& mapView() = 0;
  virtual std::recursive_mutex& mapLock() = 0;
  virtual NavContext nav() = 0;
  virtual ReportContext report() = 0;
  virtual PendingWork& pending() = 0;
  virtual GpsDialog& gpsDialog() = 0;
  virtual int& gcPointsChoice() = 0;
  virtual DocumentConditions documents() = 0;

  // --- The active route document ---
  // Extract Route on the active window's route (named by the user first when
  // it has no file): nothing to do when it is the route in memory and
  // unchanged since its extraction, unless `again`, after a setting the
  // extraction reads has changed. False when it failed (the message has
  // been shown).
  virtual bool extractActiveRoute(bool again) = 0;
  // The output of the active route in `format` (1..7), written and opened.
  virtual void writeOutput(int format) = 0;
  // The route check of the extracted voyage against land, listed in the
  // message window.
  virtual void listRouteCheck() = 0;
  // A GPX file the user chooses, its route opened as the text of a new
  // route editor; a file that cannot be imported is named with its fault.
  virtual void importGpx() = 0;
  // The map document of the active route, opened or brought up to date.
  virtual void openMap() = 0;
  // The route document of the active map or output window to the front.
  virtual void showSourceFile() = 0;
  // The text at the caret of the active editor (the command is enabled
  // only while an editor is active).
  virtual void insertIntoRouteEditor(std::string_view text) = 0;
  // The home directory's "readme.txt" in an editor window.
  virtual void openReadme() = 0;
  // A file opened in an editor window; false when it cannot be.
  virtual bool openInEditor(const std::string& path) = 0;
  // A file opened by the desktop's own program for it; false when not.
  virtual bool openOnDesktop(const std::string& path) = 0;

  // --- The map view (the active map window's, when it is one) ---
  // The zoom commands and the span buttons: the route extracted, then the
  // active map, if the active window is one, zoomed or given the span.
  virtual void zoom(Zoom direction) = 0;
  virtual void setSpan(double degrees) = 0;
  // The questions of the map commands; each returns true when its value
  // changed. Choosing a centre waypoint ends the view point mode; a view
  // point ends the centre waypoint. The operations take the map lock.
  virtual bool askCentreWaypoint() = 0;
  virtual bool askViewPoint() = 0;
  virtual bool askDegreeSpan() = 0;
  // The active map's route document takes the global view settings.
  virtual void storeViewInActiveMap() = 0;

  // --- The application ---
  // The settings loaded again in `mode`, keeping DATA_FILE; false when the
  // load failed (the message has been shown).
  virtual bool reloadSettings(SettingsMode mode) = 0;

  // --- Windows ---
  virtual void runSettingsSheet(SettingsSheet& sheet) = 0;
  // The map colour dialog; true on OK.
  virtual bool runColourDialog() = 0;
  // The GPS dialog model changed (texts or visibility).
  virtual void gpsDialogChanged() = 0;
  // The window's own commands and what their states read.
  virtual void runFrameCommand(FrameCommand command, int index) = 0;
  virtual FrameConditions frameConditions() = 0;

  // --- Idle work ---
  // Reopen the open map document with the new settings (a redraw).
  virtual void reloadMap() = 0;
  // Write the active route's output again in its document's format.
  virtual void reloadRoute() = 0;
  // Paint the map again from the map view state.
  virtual void redrawMap() = 0;
};

}  // namespace z5
