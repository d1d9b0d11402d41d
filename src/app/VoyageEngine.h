#pragma once
// Extract Route: turns the text of a route into the voyage (the waypoint
// table, header texts, chart list, intercept requests and notes) and hands
// it on to the navigation computations.

#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "map/MapViewState.h"
#include "route/Voyage.h"

namespace z5 {

class Z5App;
struct ReadingState;

// Results of an extraction.
inline constexpr int kVoyageBuilt = 0;
inline constexpr int kVoyageEmpty = 1;      // no waypoint and no view point
inline constexpr int kRouteFailed = kNoIndex;  // the error has been shown and recorded
// kFatal (-88): no memory, or the leg pass failed.

// True when the voyage has neither a waypoint nor a view point.
bool voyageIsEmpty(const Voyage& voyage, const MapViewState& mapView);

class VoyageEngine {
 public:
  explicit VoyageEngine(Z5App& app);

  // Extracts the route `text` (the editor's text, or a file's); `fileName`
  // names it in messages and in the error locations.
  int extractRoute(std::string_view text, const std::string& fileName);
  // The same for the route file at `path`; error string 2 with the path
  // when it cannot be read.
  int extractRouteFile(const std::string& path);

  static constexpr const char* kNoDepartureText = " - No departure time given - no time calcs.";

 private:
  int extract(std::optional<std::string_view> text, const std::string& fileName);
  void resetVoyage(const std::string& fileName);
  int readRoute(std::string_view text, const std::string& fileName);
  void finishTable(const ReadingState& state);
  void moveAmverDestinationToEnd(int destination);
  // From table index `first` on.
  void leadAmverLegSpeeds(int first);
  void clearStaleIndices();
  void takeFileSpeed(double currentSpeed);
  void reportCut(const std::string& fileName, int line);
  int computeVoyage();

  Z5App& app_;
  SettingsRecord& settings_;
  Messages& messages_;
  Voyage& voyage_;
  MapViewState& mapView_;
  const Clock& clock_;
};

}  // namespace z5
