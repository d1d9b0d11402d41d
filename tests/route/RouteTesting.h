#pragma once
// The objects an extraction works on, fresh for each test, and helpers to
// check which numbered error stopped it.

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "base/SettingsStore.h"
#include "base/StringTable.h"
#include "map/MapViewState.h"
#include "route/Voyage.h"

namespace z5::test {

class RouteTest : public ::testing::Test {
 protected:
  static constexpr const char* kFile = "test.rte";

  int extract(std::string_view text) { return engine.extractRoute(text, kFile); }

  // The last error recorded is error string `number` formatted with `args`.
  template <class... A>
  void expectError(ErrorNumber<A...> number, const A&... args) {
    ASSERT_FALSE(voyage.errors.empty()) << "no error was recorded";
    EXPECT_EQ(voyage.errors.back().message, strings.error(number, args...));
  }
  // The same with the (line, file, waypoint number) arguments of most route errors.
  void expectErrorAt(ErrorNumber<int, std::string, int> number, int line, int waypointNumber) {
    expectError(number, line, std::string(kFile), waypointNumber);
  }

  ScriptedHost host;
  MemorySettingsStore store;
  FixedClock clock;
  Z5App app{host, store, clock};
  StringTable& strings = app.strings();
  Messages& messages = app.messages();
  SettingsRecord& settings = app.settings();
  Voyage& voyage = app.voyage();
  MapViewState& mapView = app.mapView();
  VoyageEngine engine{app};
};

// A three-line waypoint entry.
inline std::string waypointText(std::string_view name, std::string_view latitude, std::string_view longitude) {
  return std::string(name) + "\n" + std::string(latitude) + "\n" + std::string(longitude) + "\n";
}

}  // namespace z5::test
