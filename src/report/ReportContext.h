#pragma once
// What the report writer reads and updates: the voyage with its settings,
// the messages, the clock of the heading date, the map extent (reference
// meridian of the intercepts) and the charts the chart search found.

#include "charts/RouteChartTable.h"
#include "nav/NavContext.h"

namespace z5 {

struct ReportContext {
  NavContext nav;
  const RouteChartTable& charts;

  SettingsRecord& settings() const { return nav.settings; }
  Voyage& voyage() const { return nav.voyage; }
  Messages& messages() const { return nav.messages; }
  const StringTable& strings() const { return nav.messages.strings(); }
};

}  // namespace z5
