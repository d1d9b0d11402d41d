#pragma once
// What the window's documents say about the command states: which kind of
// document is active and whether it has a file.

#include <optional>

namespace z5 {

struct DocumentConditions {
  enum class Kind { None, Route, Output, Map };

  Kind active = Kind::None;    // the document of the active window
  bool activeHasPath = false;  // it has a file name
  // The map centre waypoint (table index or kNoIndex) kept by the route
  // document of the active map; nullopt when no map is active.
  std::optional<int> activeMapCentreIndex;

  // A document with a file: a route document (it will be named before it
  // is extracted), or any document with a path.
  bool documentWithFile() const { return active == Kind::Route || (active != Kind::None && activeHasPath); }
  bool mapWithFile() const { return active == Kind::Map && activeHasPath; }
};

}  // namespace z5
