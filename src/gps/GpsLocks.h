#pragma once
// The locks shared by the main thread and the GPS reader thread, one per
// shared value. Code takes them one at a time; they are re-entrant because
// the log and display-track toggles call each other while holding the
// log-switch lock.

#include <mutex>

namespace z5 {

struct GpsLocks {
  std::recursive_mutex text;            // the GPS texts and their copies
  std::recursive_mutex log;             // the track log file
  std::recursive_mutex gotoWaypoint;    // the goto waypoint and its copies
  std::recursive_mutex logInterval;     // GPS_LOGGING_INTERVAL and its text
  std::recursive_mutex sampleInterval;  // GPS_SAMPLE_INTERVAL
  std::recursive_mutex sampleCount;     // GPS_MAX_SAMPLES
  std::recursive_mutex sample;          // the SampleRing
  std::recursive_mutex unit;            // GPS_SMG_CMG
  std::recursive_mutex logSwitch;       // GPS_LOG and GPS_DISPLAY_TRACK
  std::recursive_mutex gps;             // the GPS-data-updated flag
  std::recursive_mutex map;             // the map's view point that fixes move

  // Every lock at once, for replacing the settings record or the map view
  // wholesale while the reader runs. The reader holds at most one lock at a
  // time, so taking them all cannot deadlock with it.
  [[nodiscard]] auto all() {
    return std::scoped_lock(text, log, gotoWaypoint, logInterval, sampleInterval, sampleCount, sample, unit, logSwitch,
                            gps, map);
  }
};

using Lock = std::lock_guard<std::recursive_mutex>;

}  // namespace z5
