#include "report/ReportTrailer.h"

#include <fmt/printf.h>

#include "nav/Intercepts.h"
#include "report/ReportRows.h"

namespace z5 {
namespace {

// Prompt strings of the trailer.
constexpr int kTotalLabel = 29;
constexpr int kFileChartsLabel = 35;
constexpr int kFoundChartsLabel = 36;

constexpr const char* kTotalWithTimes = "                       %s = %9.1f\n";
constexpr const char* kTotal = "                            %s = %9.2f\n";
constexpr int kFileChartsPerLine = 11;
constexpr const char* kFileChartLineStart = "\n    %5.0f";
constexpr int kFoundChartsPerLine = 10;
constexpr const char* kFoundChartLineStart = "\n%5.0f";
constexpr const char* kChartNumber = ",%5.0f";
constexpr const char* kChartLine = "  %d - Chart %5.0f 1/%1.0f - %s\n";

bool writeFileCharts(const ReportContext& context, ReportOutput& out) {
  const std::vector<int>& charts = context.voyage().charts;
  if (context.settings().NO_FILE_CHART_OUT == 1 || charts.empty()) return true;
  out.write(context.strings().prompt(kFileChartsLabel));
  writeChartNumbers(out, charts, kFileChartsPerLine, kFileChartLineStart);
  return out.write("\n");
}

bool writeNotes(const ReportContext& context, ReportOutput& out) {
  for (const std::string& note : context.voyage().notes) out.write(note + "\n");
  return out.write("\n");
}

// The intercept texts go into the report; a failed append stops them.
InterceptWriter interceptWriter(ReportOutput& out) {
  return [&out](const std::string& text) { return out.write(text); };
}

bool writeFileIntercepts(const ReportContext& context, ReportOutput& out) {
  if (context.settings().NO_FILE_INTER_OUT == 1) return true;
  NavContext nav = context.nav;
  return writeFileIntercepts(nav, interceptWriter(out)) == 1;
}

bool writeFoundCharts(const ReportContext& context, ReportOutput& out) {
  const RouteChartTable& table = context.charts;
  if (context.settings().NO_CALC_CHART_OUT == 1 || table.count() == 0) return true;
  std::vector<int> numbers;
  for (const RouteChart& chart : table.charts) numbers.push_back(chart.number);
  out.write(context.strings().prompt(kFoundChartsLabel));
  writeChartNumbers(out, numbers, kFoundChartsPerLine, kFoundChartLineStart);
  out.write("\n");
  for (int i = 0; i < table.count(); ++i) {
    const RouteChart& chart = table.charts[i];
    out.write("\n");
    out.write(fmt::sprintf(kChartLine, i + 1, static_cast<double>(chart.number), static_cast<double>(chart.scale),
                           chart.title));
    if (context.settings().NO_CALC_INTER_OUT == 1) continue;
    NavContext nav = context.nav;
    const InterceptBox box = chartBox(chart, nav.extent.referenceMeridian);
    if (writeChartEdgeIntercepts(nav, box, interceptWriter(out)) == 0) return false;
  }
  return !out.failed();
}

}  // namespace

bool writeChartNumbers(ReportOutput& out, const std::vector<int>& numbers, int perLine, const char* lineStart) {
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const double number = numbers[i];
    if (i % perLine == 0) {
      out.write(fmt::sprintf(lineStart, number));
    } else {
      out.continueLine(fmt::sprintf(kChartNumber, number));
    }
  }
  return !out.failed();
}

bool writeReportTrailer(const ReportContext& context, ReportOutput& out) {
  const double total = reportStart(context.voyage()).point->distanceToGo;
  const bool eta = etaOn(context.settings(), context.voyage());
  out.write(fmt::sprintf(eta ? kTotalWithTimes : kTotal, context.strings().prompt(kTotalLabel), total));
  return writeFileCharts(context, out) && writeNotes(context, out) && writeFileIntercepts(context, out) &&
         writeFoundCharts(context, out);
}

}  // namespace z5
