#pragma once
// What one RMC sentence does on the reader thread: the fix is read, dated,
// written into the fix texts, logged when due, turned into speed and course
// made good (the receiver's own, or averaged from the sample ring), and the
// goto-waypoint navigation is computed from it.

#include <string_view>

#include "base/SettingsRecord.h"
#include "gps/FixTime.h"
#include "gps/GotoWaypoint.h"
#include "gps/GpsLocks.h"
#include "gps/GpsTextSet.h"
#include "gps/RmcSentence.h"
#include "gps/SampleRing.h"
#include "gps/TrackLog.h"
#include "map/MapViewState.h"

namespace z5 {

class Clock;

// The numbered texts the reader shows, taken from the string table when the
// monitor starts, so the reader never reads the table while it is reloaded.
struct GpsNoticeTexts {
  std::string refused;   // the date text of a refused sentence
  std::string fromUnit;  // samples and interval texts while the unit's values are used
  GotoNoticeTexts gotoTexts;
};

// Everything the reader thread shares with the main thread, each value
// under its lock.
struct GpsShared {
  GpsLocks& locks;
  GpsTextSet& texts;
  SampleRing& samples;  // locks.sample
  TrackLog& trackLog;   // locks.log
  GotoLeg& gotoLeg;     // locks.gotoWaypoint
  SettingsRecord& settings;  // each GPS key under its lock
  MapViewState& mapView;     // locks.map
  const Clock& clock;
  const GpsNoticeTexts& notices;  // written only while the reader is stopped
};

class FixProcessor {
 public:
  explicit FixProcessor(GpsShared shared) : s_(shared) {}

  // Back to "no fix yet": no date, no previous fix, no last log time,
  // speed and course made good unknown.
  void reset();

  // One sentence from its "$" to the end of its line. True when the fix
  // was accepted and processed.
  bool process(std::string_view sentence);

  double smg() const { return smg_; }
  double cmg() const { return cmg_; }

 private:
  FixTime dateFix(const RmcFix& fix);
  void logIfDue(const FixTime& time, const RmcFix& fix, const std::string& header);
  void madeGood(const FixTime& time, const RmcFix& fix);
  void averageSamples(const FixTime& time, const RmcFix& fix, bool geodetic);
  void writeMadeGoodTexts(bool fromUnit);
  void navigate(const FixTime& time, const RmcFix& fix);
  bool geodetic();

  GpsShared s_;
  FixTime previous_;       // whole seconds; hour -1 (year 0): none
  bool havePrevious_ = false;
  FixTime lastLog_;        // year 0: none
  double smg_ = -1.0;
  double cmg_ = -1.0;
};

}  // namespace z5
