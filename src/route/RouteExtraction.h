#pragma once
// Extract Route, its reading half: the text of a route read into the voyage
// (the waypoint table, header texts, chart list, intercept requests and
// notes), the table put in route order (AMVER destination last, reversed for
// backwards routing) and the file speed taken from it. The computations
// that follow are the voyage engine's.

#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "route/Voyage.h"

namespace z5 {

struct ReadingState;

// Results of an extraction.
inline constexpr int kVoyageBuilt = 0;
inline constexpr int kVoyageEmpty = 1;         // no waypoint and no view point
inline constexpr int kRouteFailed = kNoIndex;  // the error has been shown and recorded
// kFatal (-88): no memory, or the leg pass failed.

// What reading a route gave.
struct RouteReading {
  int result = kRouteFailed;  // kVoyageBuilt, kRouteFailed or kFatal
  // The text was read into the table, to its end or up to an error: indices
  // into the table kept elsewhere must be checked against its new size.
  bool tableRead = false;
};

class RouteExtraction {
 public:
  RouteExtraction(Voyage& voyage, SettingsRecord& settings, Messages& messages, const Clock& clock);

  // Reads the route `text` (the editor's text, or a file's); `fileName`
  // names it in messages and in the error locations. No text: it could not
  // be opened (error string 2 with `fileName`).
  RouteReading read(std::optional<std::string_view> text, const std::string& fileName);
  // The same for the route file at `path`; error string 2 with the path
  // when it cannot be read.
  RouteReading readFile(const std::string& path);

 private:
  void resetVoyage(const std::string& fileName);
  int readRoute(std::string_view text, const std::string& fileName);
  void finishTable(const ReadingState& state);
  void moveAmverDestinationToEnd(int destination);
  // From table index `first` on.
  void leadAmverLegSpeeds(int first);
  void clearStaleTarget();
  void takeFileSpeed(double currentSpeed);
  void reportCut(const std::string& fileName, int line);

  Voyage& voyage_;
  SettingsRecord& settings_;
  Messages& messages_;
  const Clock& clock_;
};

}  // namespace z5
