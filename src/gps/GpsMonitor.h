#pragma once
// The GPS monitor: a reader thread that reads NMEA sentences from the
// serial port or a network source (gpsd, TCP, UDP), hands each fix to the fix processor, and wakes the main
// thread; the commands that start and stop it and change its settings; the
// goto-waypoint choice. The main thread owns this object; the reader thread
// exists only while the monitor runs.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "base/Clock.h"
#include "base/Messages.h"
#include "base/SettingsKeys.h"
#include "base/SettingsRecord.h"
#include "gps/FixProcessor.h"
#include "gps/GotoWaypoint.h"
#include "gps/GpsLocks.h"
#include "gps/GpsTextSet.h"
#include "gps/SampleRing.h"
#include "gps/SerialPort.h"
#include "gps/SourceAddress.h"
#include "gps/TrackLog.h"
#include "map/MapViewState.h"
#include "route/Voyage.h"

namespace z5 {

class GpsMonitor {
 public:
  // Without a quiet line for this long the received flag clears.
  static constexpr std::chrono::milliseconds kQuietPeriod{8000};
  // The longest single wait for bytes, so a stop or a quiet check is never late.
  static constexpr std::chrono::milliseconds kReadWait{5000};
  // How often a port that vanished (a receiver unplugged, a network peer
  // gone) is tried again.
  static constexpr std::chrono::milliseconds kReopenInterval{1000};
  // How long a stop waits for the reader to acknowledge.
  static constexpr std::chrono::milliseconds kStopWait{500};
  static constexpr int kAlertMilliseconds = 2000;
  static constexpr std::size_t kReadSize = 256;
  // The longest port setting: a device path or a network address.
  static constexpr std::size_t kPortNameLength = findTextKey(&SettingsRecord::GPS_PORT)->maximum;
  static constexpr const char* kDefaultPortName = "COM1:";

  // The monotonic clock the quiet period and the reopen interval are timed by.
  using MonotonicNow = std::function<std::chrono::steady_clock::time_point()>;

  // Without a port, the computer's serial devices and network sources, as
  // the port setting names them; without a monotonic clock, the computer's.
  GpsMonitor(SettingsRecord& settings, Messages& messages, Voyage& voyage, MapViewState& mapView, const Clock& clock,
             std::unique_ptr<SerialPort> port = nullptr, MonotonicNow monotonicNow = nullptr);
  ~GpsMonitor();
  GpsMonitor(const GpsMonitor&) = delete;
  GpsMonitor& operator=(const GpsMonitor&) = delete;

  // --- Start, stop, hand-over (main thread) ---

  // Called on the reader thread after the texts changed; the platform wakes
  // its main loop. It is called under the GPS lock, so it may be replaced at
  // any time, and must not wait for the main thread.
  void setWakeUp(std::function<void()> wakeUp);

  // Clears speed and course made good, the samples, the fix date, the goto
  // waypoint and every text, and sets the interval texts. Does nothing
  // while the monitor runs (starting resets it before the reader starts).
  void resetState();
  // Starts the monitor when stopped, stops it when running, with the
  // toggle message; a port that cannot be opened or configured is reported
  // and the monitor stays stopped.
  void toggle();
  bool running() const { return running_ != 0; }
  // The reader thread exists (main thread only). After stop() it does not,
  // while running() still shows the menu's check mark.
  bool reading() const { return reader_.joinable(); }
  // Ends the reader thread (waiting a bounded time for it) without a
  // message and without changing the running flag; for program exit.
  void stop();

  // The idle hand-over: true (and the flag cleared) when the reader has
  // updated the texts since the last call.
  bool takeUpdate();
  // Copies the snapshot into the dialog copy; then the dialog texts are
  // GpsTextSet::dialog().
  void refreshDialog() { texts_.refreshDialog(); }

  // --- Settings commands (main thread) ---
  void setPortPrompt();
  void setBaudPrompt();
  void toggleUnitSmgCmg();
  void setNumberOfSamples();
  void setSampleInterval();
  void setLogInterval();
  void toggleLog();
  void toggleDisplayTrack();
  // The "Display Track" command: the toggle, then the map stops following
  // the ship when the track is off, and is redrawn.
  void displayTrackCommand();
  // The "Label Track" command: the toggle and a map redraw.
  void labelTrackCommand();
  // The "Reset log file" command: the log emptied; a log that cannot be
  // emptied is reported with its path and the cause.
  void resetLog();
  // The "View log" command: the track log opened in the editor, or, when the
  // editor cannot open it, by the desktop's own program for it; each is
  // asked while no record can be appended. Nothing is reported when neither
  // opens it.
  void viewLog(const std::function<bool(const std::string& path)>& openInEditor,
               const std::function<bool(const std::string& path)>& openOnDesktop);

  // --- Goto waypoint (main thread) ---
  // Asks for the goto waypoint (first the Change / Disable / Abort choice
  // when one is set).
  void selectGotoWaypoint();
  // Chooses by waypoint number as shown (table index plus the first row
  // number); false, and none chosen, when the number names no waypoint
  // that can be chosen.
  bool chooseGotoNumber(int number);
  void clearGotoWaypoint();
  int gotoIndex();

  GpsTextSet& texts() { return texts_; }
  GpsLocks& locks() { return locks_; }
  TrackLog& trackLog() { return trackLog_; }
  const std::string& baudText() const { return baudText_; }
  // Speed and course made good of the last fix, for tests. Reader state:
  // read only while the monitor is stopped or the reader is idle.
  const FixProcessor& fixProcessor() const { return fixes_; }

 private:
  void start();
  void readerLoop(std::string device, int baud);
  void handleLine(std::string_view line);
  void quietCheck(std::chrono::steady_clock::time_point now);
  void announceUpdate();
  void restartIfRunning();
  void loadNoticeTexts();
  void setGoto(int index);
  int askGotoIndex(int current);
  void setSamplingTexts();
  void restartSampling();

  SettingsRecord& settings_;
  Messages& messages_;
  Voyage& voyage_;
  MapViewState& mapView_;
  std::unique_ptr<SerialPort> port_;
  MonotonicNow now_;

  GpsLocks locks_;
  GpsTextSet texts_{locks_.text};
  SampleRing samples_;
  TrackLog trackLog_{locks_.log, settings_};
  GotoLeg gotoLeg_;
  GpsNoticeTexts notices_;
  FixProcessor fixes_;

  int running_ = 0;
  std::string baudText_;

  // Under locks_.gps.
  bool dataUpdated_ = false;
  std::function<void()> wakeUp_;

  std::thread reader_;
  std::atomic<bool> stopRequested_{false};
  std::mutex stoppedMutex_;
  std::condition_variable stoppedSignal_;
  bool stopped_ = true;  // under stoppedMutex_

  // Reader thread only.
  std::chrono::steady_clock::time_point lastHeard_;
};

// A baud answer moved to the nearest multiple of 1200 (600 rounds up).
int nearestBaud(int answer);

}  // namespace z5
