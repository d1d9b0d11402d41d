#include "report/GpxExport.h"

#include <filesystem>

#include "base/TextUtil.h"
#include "report/DataFileExport.h"
#include "report/GpxDocument.h"
#include "report/ReportOutput.h"

namespace z5 {

bool writeGpxExport(const ReportContext& context, OutputSink& sink) {
  const Voyage& voyage = context.voyage();
  GpxRoute route;
  route.name = std::filesystem::path(voyage.routeFileName).stem().string();
  for (const Waypoint* w : exportedWaypoints(voyage, context.settings()))
    route.points.push_back(GpxPoint{trim(w->name), w->latitude, w->longitude, std::nullopt, 0});
  ReportOutput out(sink, {});
  return out.writeWithoutHeading(writeGpxRoute(route, kGpxCreator));
}

}  // namespace z5
