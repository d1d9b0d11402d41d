#pragma once
// The application over a scripted host and the shipped home directory, for
// the report tests: extract a route text, or fill the waypoint table by
// hand, then write a report into a string.

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "app/AppContexts.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/SettingsStore.h"
#include "report/OutputSink.h"
#include "report/ReportContext.h"
#include "report/VoyageReport.h"
#include "report/WaypointList.h"

namespace z5::test {

class ReportTest : public ::testing::Test {
 protected:
  static constexpr const char* kFile = "route.txt";

  ReportTest() {
    store.writeText(kSettingsSection, "HOME_PATH", std::string(Z5_DATA_DIR) + "/");
    started = app.startUp("/nowhere");
  }

  void SetUp() override { ASSERT_TRUE(started); }

  SettingsRecord& settings() { return app.settings(); }
  Voyage& voyage() { return app.voyage(); }

  int extract(std::string_view text) { return VoyageEngine(app).extractRoute(text, kFile); }

  // The to-waypoint mode as its calculator leaves it: the voyage is computed
  // from (latitude, longitude), named "POS", to the waypoint at `index`.
  void enterPosition(int index, double latitude, double longitude) {
    ToWaypointState& tw = voyage().toWaypoint;
    tw.index = index;
    tw.start.name = paddedWaypointName("POS");
    tw.start.latitude = latitude;
    tw.start.longitude = longitude;
  }

  // The departure time 15 March 2002 12:00 GMT.
  void depart() { settings().departure = {2002, 3, 15, 12, 0}; }

  std::string report(int format) {
    std::ostringstream text;
    OutputSink sink(text);
    lastResult = writeVoyageReport(reportContext(app), sink, format);
    return text.str();
  }

  std::string listing() {
    std::ostringstream text;
    OutputSink sink(text);
    writeWaypointList(reportContext(app), sink);
    return text.str();
  }

  // A waypoint of a hand-made table: the leg that arrives here is `legDistance`
  // NM on course `course`; its name is padded to 18 characters.
  Waypoint& add(std::string_view name, double latitude, double longitude, double legDistance = 0,
                double course = 0) {
    Waypoint w;
    w.name = paddedWaypointName(name);
    w.latitude = latitude;
    w.longitude = longitude;
    w.legDistance = legDistance;
    w.rhumbLineCourse = course;
    w.greatCircleCourse = course;
    voyage().waypoints.push_back(w);
    return voyage().waypoints.back();
  }

  // Distances to go from the leg distances of the hand-made table.
  void finishTable() {
    double total = 0;
    for (int i = voyage().count() - 1; i >= 0; --i) {
      voyage().waypoints[i].distanceToGo = total;
      total += i > 0 ? voyage().waypoints[i].legDistance : 0;
    }
    voyage().routeFileName = kFile;
  }

  template <class... A>
  int popupsOf(ErrorNumber<A...> number, const A&... args) {
    const std::string text = app.strings().error(number, args...);
    int n = 0;
    for (const auto& p : host.popups) n += p.text == text ? 1 : 0;
    return n;
  }

  ScriptedHost host;
  MemorySettingsStore store;
  FixedClock clock;
  Z5App app{host, store, clock};
  bool started = false;
  ReportResult lastResult = ReportResult::Written;
};

// The lines of a text.
inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// The first line that contains `part`, or "" when none does.
inline std::string lineWith(const std::string& text, std::string_view part) {
  for (const std::string& line : lines(text)) {
    if (line.find(part) != std::string::npos) return line;
  }
  return {};
}

// How many lines contain `part`.
inline int countLinesWith(const std::string& text, std::string_view part) {
  int n = 0;
  for (const std::string& line : lines(text)) n += line.find(part) != std::string::npos ? 1 : 0;
  return n;
}

}  // namespace z5::test
