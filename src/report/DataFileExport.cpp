#include "report/DataFileExport.h"

#include <algorithm>

#include "report/ReportOutput.h"
#include "report/ReportRows.h"
#include "report/WaypointSentenceFormat.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

constexpr int kSentenceFormat = 6;

std::string dataFileRecord(const Waypoint& w, bool extra) {
  return w.name + "\n" + formatPosition(w.latitude, PositionKind::Latitude, extra) + "\n" +
         formatPosition(w.longitude, PositionKind::Longitude, extra) + "\n";
}

}  // namespace

std::vector<const Waypoint*> exportedWaypoints(const Voyage& voyage, const SettingsRecord& settings) {
  const ReportStart start = reportStart(voyage);
  std::vector<const Waypoint*> rows;
  if (start.point == nullptr) return rows;
  rows.push_back(start.point);
  const int last = std::min(voyage.count(), kMaxWaypoints) - 1;
  for (int i = start.index + 1; i <= last; ++i) {
    const Waypoint& w = voyage.waypoints[i];
    if (settings.NO_CALC_GC_OUT == 1 && w.kind == kGcCalcPoint) continue;
    rows.push_back(&w);
  }
  return rows;
}

bool writeWaypointExport(const ReportContext& context, OutputSink& sink, int format) {
  const bool extra = context.settings().EXTRA_PRECISION == 1;
  auto record = [&](const Waypoint& w) {
    return format == kSentenceFormat ? formatWaypointSentence(w.name, w.latitude, w.longitude, extra)
                                     : dataFileRecord(w, extra);
  };
  ReportOutput out(sink, {});
  out.writeWithoutHeading("\n");
  for (const Waypoint* w : exportedWaypoints(context.voyage(), context.settings())) {
    if (!out.write(record(*w))) break;
  }
  return !out.failed();
}

}  // namespace z5
