#include "report/VoyageReport.h"

#include "nav/VoyageTimes.h"
#include "report/AmverReport.h"
#include "report/DataFileExport.h"
#include "report/GpxExport.h"
#include "report/MoverepReport.h"
#include "report/ReportOutput.h"
#include "report/ReportRows.h"
#include "report/ReportTrailer.h"
#include "report/VoyageTable.h"

namespace z5 {
namespace {

constexpr int kErrorOneWaypoint = 25;   // route file name
constexpr int kEntryErrorMs = 3000;
constexpr int kEndOfOutput = 4;         // prompt string
constexpr double kNoDistance = 0.001;   // NM

}  // namespace

bool formatNeedsTimes(int format) { return format == kAmverOutput || format == kMoverepOutput; }

ReportResult writeVoyageReport(const ReportContext& context, OutputSink& sink, int format) {
  Voyage& voyage = context.voyage();
  if (format < kNormalOutput || format > kGpxOutput) format = kNormalOutput;
  if (voyage.empty()) {
    context.messages().showError(kErrorNoVoyage, kEntryErrorMs, voyage.routeFileName);
    return ReportResult::NoWaypoints;
  }
  const ReportStart start = reportStart(voyage);
  if (!start.enteredPosition && voyage.count() == 1) {
    context.messages().showError(kErrorOneWaypoint, kEntryErrorMs, voyage.routeFileName);
    return ReportResult::OneWaypoint;
  }
  if (format == kDataFileOutput || format == kWaypointSentenceOutput) {
    return writeWaypointExport(context, sink, format) ? ReportResult::Written : ReportResult::WriteFailed;
  }
  if (format == kGpxOutput) return writeGpxExport(context, sink) ? ReportResult::Written : ReportResult::WriteFailed;
  // The ship reports go to rescue and naval authorities by satellite or
  // telex, which carry ASCII only.
  const bool shipReport = format == kAmverOutput || format == kMoverepOutput;
  ReportOutput out(sink, reportHeading(context), shipReport ? ReportCharacters::Ascii : ReportCharacters::Utf8);
  if (!(start.point->distanceToGo > kNoDistance)) return ReportResult::NoDistance;
  NavContext nav = context.nav;
  updateVoyageTimes(nav);

  bool written = false;
  if (format == kAmverOutput) {
    written = writeAmverReport(context, out);
  } else if (format == kMoverepOutput) {
    written = writeMoverepReport(context, out);
  } else {
    written = writeVoyageTable(context, out, format) && writeReportTrailer(context, out);
    if (written && sink.isMessageWindow()) context.messages().appendLine(context.strings().prompt(kEndOfOutput));
  }
  return written ? ReportResult::Written : ReportResult::WriteFailed;
}

}  // namespace z5
