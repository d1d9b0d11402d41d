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

bool writeWaypointExport(const ReportContext& context, OutputSink& sink, int format) {
  const Voyage& voyage = context.voyage();
  const SettingsRecord& settings = context.settings();
  const bool extra = settings.EXTRA_PRECISION == 1;
  const bool hideGcPoints = settings.NO_CALC_GC_OUT == 1;
  auto record = [&](const Waypoint& w) {
    return format == kSentenceFormat ? formatWaypointSentence(w.name, w.latitude, w.longitude, extra)
                                     : dataFileRecord(w, extra);
  };
  ReportOutput out(sink, {});
  out.writeWithoutHeading("\n");
  const ReportStart start = reportStart(voyage);
  out.write(record(*start.point));
  const int last = std::min(voyage.count(), kMaxWaypoints) - 1;
  for (int i = start.index + 1; i <= last && !out.failed(); ++i) {
    const Waypoint& w = voyage.waypoints[i];
    if (hideGcPoints && w.kind == kGcCalcPoint) continue;
    out.write(record(w));
  }
  return !out.failed();
}

}  // namespace z5
