#pragma once
// Reads route text into the voyage's waypoint table: classifies each line
// (blank, directive, scanning off, comment, AMVER header, AMVER line,
// waypoint), reads three-line waypoints and $CCWPL sentences, and holds the
// reading state that the directives and AMVER lines change.

#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "route/RouteErrors.h"
#include "route/RouteLines.h"
#include "route/Voyage.h"

namespace z5 {

// What reading one line leads to.
enum ReadStatus : int {
  kReadOn = 0,          // go on with the next line
  kReadCut = 1,         // the table is full and another waypoint starts: stop reading
  kReadError = kNoIndex,  // an error in the text, shown and recorded
  kReadFatal = kFatal,  // no memory
};

// Reading state of one extraction.
struct ReadingState {
  bool scanning = true;       // false after !OFF until !ON
  double currentSpeed = 0;    // knots
  bool released = true;       // from the start until !SET; again after !UNSET or !AVE
  bool greatCircle = false;   // sailing mode: !GC / !RL, AMVER L/GC / L/RL
  double pendingGcInterval = 0;  // degrees, from the last !GC; 0 when used or none
  double currentZone = kZoneNotGiven;
  double firstZone = kZoneNotGiven;  // the first !ZD of the file
  int currentChart = 0;
  double previousLatitude = kNoPosition;
  double previousLongitude = kNoPosition;
  bool amverDepartureRead = false;  // a G/ line made a waypoint
  int amverDestination = kNoIndex;  // table index of the I/ waypoint
  int amverFirstWaypoint = 0;       // table index of the first waypoint read after the AMVER header
};

class RouteReader {
 public:
  RouteReader(Voyage& voyage, SettingsRecord& settings, Messages& messages, const Clock& clock,
              std::string fileName);

  // Reads the text to its end, or until a waypoint would follow a full
  // table. Each line is UTF-8 where it is valid UTF-8, else Latin-1. Returns kReadOn, kReadCut, kReadError or kReadFatal.
  int read(std::string_view text);
  // The line of the first waypoint that did not fit (0 when none).
  int cutLine() const { return cutLine_; }

  // For the directive and AMVER line handlers.
  ReadingState& state() { return state_; }
  Voyage& voyage() { return voyage_; }
  SettingsRecord& settings() { return settings_; }
  Messages& messages() { return messages_; }
  const Clock& clock() const { return clock_; }
  const std::string& fileName() const { return fileName_; }
  int lineNumber() const { return lines_.lineNumber(); }
  // The number of the waypoint being read: the count so far plus one.
  int waypointNumber() const { return voyage_.count() + 1; }
  // The last waypoint read, or nullptr before the first.
  Waypoint* lastWaypoint() { return voyage_.empty() ? nullptr : &voyage_.waypoints.back(); }

  // Before a waypoint starts: false (and the reading stops) when the table
  // is already full.
  bool roomForWaypoint();
  // A new record with the settings that the reading state gives it.
  Waypoint newWaypoint();
  // Appends a complete record; error 20 when it repeats the previous position.
  int addWaypoint(Waypoint waypoint);

  // Shows the error string with `args`, records where it happened and
  // returns kReadError.
  template <class... A, class... B>
  int fail(const RouteError<A...>& error, const B&... args) {
    return failWith(messages_.strings().error(error.number, args...), error.milliseconds);
  }
  // The common argument lists: (line, file, n) and (line, file).
  int failAtWaypoint(const WaypointError& error) { return fail(error, lineNumber(), fileName_, waypointNumber()); }
  int failAtLine(const LineError& error) { return fail(error, lineNumber(), fileName_); }
  // The same with a message of the program's own.
  int failWith(const std::string& message, int milliseconds);

 private:
  int readLine(std::string_view line);
  int readWaypoint(std::string_view nameLine);
  int readWaypointSentence(std::string_view line);
  // The next line that is not blank or a comment: the latitude and
  // longitude lines of a waypoint.
  std::optional<std::string_view> nextPositionLine();

  Voyage& voyage_;
  SettingsRecord& settings_;
  Messages& messages_;
  const Clock& clock_;
  std::string fileName_;
  std::string utf8Text_;  // the text in UTF-8, when it was not already
  ReadingState state_;
  RouteLines lines_{std::string_view{}};
  int cutLine_ = 0;
};

// The text after "!" of a directive line: runs the directive (Directives.cpp).
int runDirective(RouteReader& reader, std::string_view afterMark);
// An AMVER line, upper-cased, without leading white space (AmverLines.cpp).
int readAmverLine(RouteReader& reader, std::string_view line);

}  // namespace z5
