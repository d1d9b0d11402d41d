#pragma once
// Shared pieces of the GPS tests: a fix processor with everything it
// touches, a monitor with a scripted host and a monotonic clock the test
// moves, a pseudo-terminal pair standing in for the receiver, and sentences
// with their checksums.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include <fmt/format.h>

#include "FixedClock.h"
#include "PtyPair.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "base/Messages.h"
#include "base/Settings.h"
#include "base/StringTable.h"
#include "gps/FixProcessor.h"
#include "gps/GpsMonitor.h"

namespace z5::test {

// "$<body>*hh\r\n" with the right checksum.
inline std::string nmea(std::string_view body) {
  unsigned char sum = 0;
  for (char c : body) sum ^= static_cast<unsigned char>(c);
  return fmt::format("${}*{:02X}\r\n", body, sum);
}

// An RMC sentence at hhmmss with the given position, speed and course.
inline std::string rmc(std::string_view time, std::string_view latitude, std::string_view northSouth,
                       std::string_view longitude, std::string_view eastWest, std::string_view speed = "000.0",
                       std::string_view course = "000.0", char status = 'A') {
  return nmea(fmt::format("GPRMC,{},{},{},{},{},{},{},{},230394,003.1,W", time, status, latitude, northSouth,
                          longitude, eastWest, speed, course));
}

// The fix processor alone, on the test's thread.
struct FixBench {
  FixBench() {
    settings.HOME_PATH = home.home();
    notices.refused = "refused";
    notices.fromUnit = "unit";
    notices.gotoTexts = {"off leg", "too far", "L", "R", "arrived"};
  }
  std::string text(GpsTextSet::Text t) const { return texts.fix(t); }

  TempDir home;
  SettingsRecord settings;
  GpsLocks locks;
  GpsTextSet texts{locks.text};
  SampleRing samples;
  TrackLog trackLog{locks.log, settings};
  GotoLeg gotoLeg;
  MapViewState mapView;
  FixedClock clock{ClockTime{2002, 3, 23, 13, 35, 0, 6}, ClockTime{2002, 3, 23, 12, 35, 0, 6}};
  GpsNoticeTexts notices;
  FixProcessor fixes{GpsShared{locks, texts, samples, trackLog, gotoLeg, settings, mapView, clock, notices}};
};

// Counts the monitor's wake-up calls and lets the test wait for them.
class WakeCounter {
 public:
  std::function<void()> callback() {
    return [this] {
      std::lock_guard<std::mutex> hold(mutex_);
      ++count_;
      signal_.notify_all();
    };
  }
  // Waits until at least `n` wake-ups have come; false on time-out.
  bool waitFor(int n, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    std::unique_lock<std::mutex> hold(mutex_);
    return signal_.wait_for(hold, timeout, [&] { return count_ >= n; });
  }
  int count() {
    std::lock_guard<std::mutex> hold(mutex_);
    return count_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable signal_;
  int count_ = 0;
};

// A monotonic clock that stands still until the test moves it; the
// monitor's reader thread reads it.
class SteppedClock {
 public:
  std::chrono::steady_clock::time_point now() const {
    return std::chrono::steady_clock::time_point(std::chrono::milliseconds(elapsed_.load()));
  }
  void advance(std::chrono::milliseconds by) { elapsed_ += by.count(); }

 private:
  std::atomic<std::chrono::milliseconds::rep> elapsed_{0};
};

// A monitor with a scripted host and the default strings, on the given
// serial port (the computer's serial devices and network sources by
// default), timed by the stepped clock `steady` unless `realTime`.
struct MonitorBench {
  explicit MonitorBench(std::unique_ptr<SerialPort> port = nullptr, bool realTime = false)
      : monitor{settings, messages, voyage, mapView, clock, std::move(port), steadyClock(realTime)} {
    settings.HOME_PATH = home.home();
    monitor.resetState();
  }
  GpsMonitor::MonotonicNow steadyClock(bool realTime) {
    if (realTime) return [] { return std::chrono::steady_clock::now(); };
    return [this] { return steady.now(); };
  }
  std::string prompt(PromptNumber<> n) const { return strings.prompt(n); }
  // A text and the received flag as the display shows them.
  std::string dialog(GpsTextSet::Text text) {
    monitor.refreshDialog();
    return monitor.texts().dialog(text);
  }
  bool received() {
    monitor.refreshDialog();
    return monitor.texts().dialogReceived();
  }

  TempDir home;
  ScriptedHost host;
  StringTable strings;
  Messages messages{host, strings};
  SettingsRecord settings;
  Voyage voyage;
  MapViewState mapView;
  FixedClock clock;
  SteppedClock steady;
  GpsMonitor monitor;
};

}  // namespace z5::test
