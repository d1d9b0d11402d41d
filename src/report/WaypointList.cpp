#include "report/WaypointList.h"

#include <fmt/printf.h>

#include "report/ReportOutput.h"
#include "report/ReportRows.h"
#include "report/ReportTrailer.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

// Prompt strings of the listing.
constexpr int kEndOfOutput = 4;
// The listing's heading: program, route file, date (vessel, call sign).
constexpr HeadingStrings kListingHeading{99, 100};
constexpr int kColumnHeader = 101;
constexpr int kUnderline = 102;
constexpr int kChartsLabel = 105;
constexpr int kLatitudeRequest = 106;
constexpr int kLongitudeRequest = 107;
constexpr int kNoSpeedText = 215;

constexpr const char* kRow = "%3d  %s  %s  %s %s %3.1f %s  %s  %s\n";
constexpr int kSpeedWidth = 7;
constexpr int kChartsPerLine = 10;
constexpr const char* kChartLineStart = "\n%5.0f";
constexpr double kNoSpeed = 0.001;

std::string row(const ReportContext& context, int number, const Waypoint& w) {
  const bool extra = context.settings().EXTRA_PRECISION == 1;
  std::string speed = w.speed > kNoSpeed ? fmt::sprintf("%7.4f", w.speed) : context.strings().prompt(kNoSpeedText);
  if (static_cast<int>(speed.size()) < kSpeedWidth) speed.resize(kSpeedWidth, ' ');
  const std::string zone = w.zoneGiven() ? fmt::sprintf("%+2.1f", w.zoneDescription) : std::string(" - ");
  return fmt::sprintf(kRow, number, w.name, w.greatCircle ? "GC" : "RL",
                      w.greatCircle ? fmt::sprintf("%2.0f", w.gcInterval) : std::string("- "), speed, w.stopHours,
                      zone, formatPosition(w.latitude, PositionKind::Latitude, extra),
                      formatPosition(w.longitude, PositionKind::Longitude, extra));
}

}  // namespace

bool writeWaypointList(const ReportContext& context, OutputSink& sink) {
  const Voyage& voyage = context.voyage();
  if (voyage.empty()) return true;
  const StringTable& strings = context.strings();
  ReportOutput out(sink, reportHeading(context, kListingHeading) + strings.prompt(kColumnHeader) + strings.prompt(kUnderline));
  out.write("");
  int number = context.settings().firstRowNumber;
  for (const Waypoint& w : voyage.waypoints) {
    if (w.kind != kOrdinaryPoint) continue;
    if (!out.write(row(context, number++, w))) return false;
  }
  if (!voyage.charts.empty()) {
    out.write(strings.prompt(kChartsLabel));
    writeChartNumbers(out, voyage.charts, kChartsPerLine, kChartLineStart);
  }
  out.write("\n");
  const bool extra = context.settings().EXTRA_PRECISION == 1;
  for (const InterceptRequest& r : voyage.latitudeRequests) {
    out.write(strings.prompt(kLatitudeRequest, formatPosition(r.value, PositionKind::Latitude, extra)));
  }
  for (const InterceptRequest& r : voyage.longitudeRequests) {
    out.write(strings.prompt(kLongitudeRequest, formatPosition(r.value, PositionKind::Longitude, extra)));
  }
  if (sink.isMessageWindow()) context.messages().appendLine(strings.prompt(kEndOfOutput));
  return !out.failed();
}

}  // namespace z5
