#pragma once
// The commands' view of the application: Z5App's state, its documents and
// the desktop's windows behind the CommandContext the command table runs
// on. The desktop keeps one for the whole run and hands it to runCommand,
// commandStates and runIdleWork.

#include "app/Z5App.h"
#include "commands/CommandContext.h"
#include "commands/CommandWindows.h"
#include "commands/GpsDialog.h"
#include "commands/PendingWork.h"

namespace z5 {

class AppCommands final : public CommandContext {
 public:
  AppCommands(Z5App& app, CommandWindows& windows);

  SettingsRecord& settings() override { return app_.settings(); }
  Messages& messages() override { return app_.messages(); }
  Voyage& voyage() override { return app_.voyage(); }
  GpsMonitor& gps() override { return app_.gps(); }
  MapViewState& mapView() override { return app_.mapView(); }
  std::recursive_mutex& mapLock() override { return app_.mapLock(); }
  NavContext nav() override;
  ReportContext report() override;
  PendingWork& pending() override { return pending_; }
  GpsDialog& gpsDialog() override { return gpsDialog_; }
  int& gcPointsChoice() override { return gcPointsChoice_; }
  DocumentConditions documents() override;

  bool extractActiveRoute(bool again) override;
  void writeOutput(int format) override;
  void listRouteCheck() override;
  void importGpx() override;
  void openMap() override;
  void showSourceFile() override;
  void insertIntoRouteEditor(std::string_view text) override;
  void openReadme() override;
  bool openInEditor(const std::string& path) override;
  bool openOnDesktop(const std::string& path) override;

  void zoom(Zoom direction) override;
  void setSpan(double degrees) override;
  bool askCentreWaypoint() override;
  bool askViewPoint() override;
  bool askDegreeSpan() override;
  void storeViewInActiveMap() override;

  bool reloadSettings(SettingsMode mode) override { return app_.reloadSettings(mode); }

  void runSettingsSheet(SettingsSheet& sheet) override;
  bool runColourDialog() override;
  void gpsDialogChanged() override;
  void runFrameCommand(FrameCommand command, int index) override { windows_.runFrameCommand(command, index); }
  FrameConditions frameConditions() override { return windows_.frameConditions(); }

  void reloadMap() override;
  void reloadRoute() override;
  void redrawMap() override;

 private:
  Z5App& app_;
  CommandWindows& windows_;
  PendingWork pending_;
  GpsDialog gpsDialog_;
  int gcPointsChoice_ = kNoRememberedChoice;
};

}  // namespace z5
