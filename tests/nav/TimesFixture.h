#pragma once
// A navigation context over a scripted host, for the time, intercept and
// to-waypoint tests.

#include <string>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "base/Messages.h"
#include "base/StringTable.h"
#include "nav/NavContext.h"

namespace z5::test {

struct TimesFixture {
  ScriptedHost host;
  StringTable strings;
  Messages messages{host, strings};
  SettingsRecord settings;
  Voyage voyage;
  CalculatorState calculators;
  FixedClock clock;
  MapExtent extent;
  NavContext nav{settings, voyage, messages, calculators, clock, extent};

  // Appends a waypoint whose arriving leg is `legDistance` NM long and
  // whose leaving leg has `speed` knots (0: none).
  Waypoint& add(double legDistance, double speed = 0, double stopHours = 0) {
    Waypoint w;
    w.latitude = 0;
    w.longitude = static_cast<double>(voyage.waypoints.size());
    w.legDistance = legDistance;
    w.speed = speed;
    w.stopHours = stopHours;
    voyage.waypoints.push_back(w);
    return voyage.waypoints.back();
  }

  // Fills every waypoint's distance to go from the leg distances.
  void fillDistanceToGo() {
    double total = 0;
    for (int i = voyage.count() - 1; i >= 0; --i) {
      voyage.waypoints[i].distanceToGo = total;
      total += voyage.waypoints[i].legDistance;
    }
  }

  void answers(std::initializer_list<const char*> texts) {
    for (const char* t : texts) host.answer(t == nullptr ? std::nullopt : std::optional<std::string>(t));
  }

  // How many pop-ups showed error string `number` formatted with `args`.
  template <class... A>
  int errorPopups(ErrorNumber<A...> number, const A&... args) const {
    const std::string text = strings.error(number, args...);
    int n = 0;
    for (const auto& p : host.popups) n += p.text == text ? 1 : 0;
    return n;
  }
};

}  // namespace z5::test
