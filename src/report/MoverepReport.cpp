#include "report/MoverepReport.h"

#include <fmt/printf.h>

#include "base/TextUtil.h"
#include "nav/DateTimeGroups.h"
#include "nav/TimeText.h"
#include "nav/VoyageLegs.h"
#include "report/ReportRows.h"
#include "report/ShipReportRows.h"

namespace z5 {
namespace {

// Without any waypoint to name, the destination is the present position.
constexpr const char* kPositionName = "POS";

class MoverepWriter {
 public:
  MoverepWriter(const ReportContext& context, ReportOutput& out)
      : settings_(context.settings()), voyage_(context.voyage()), out_(out), rows_(shipReportRows(context)) {}

  bool write() {
    int line = 1;
    out_.writeWithoutHeading(
        fmt::sprintf("\nPPP MOVEREP %s, %s, OTSR/WEAX %02d//\n", settings_.VESSEL, settings_.CALL, line));
    const Waypoint& start = *voyageStart(voyage_);
    ++line;
    if (computedFromEnteredPosition(voyage_)) {
      out_.write(fmt::sprintf("DEP %s %s %s, %s DI %02d//\n", trim(start.name), latitude(start), longitude(start),
                              group(start.stopHours), line));
    } else {
      const std::string& given = departurePort(settings_, voyage_);
      const std::string& port = given.empty() ? voyage_.waypoints.front().name : given;
      out_.write(fmt::sprintf("DEP P %s, %s DI %02d//\n", trim(port), group(start.stopHours), line));
    }
    const std::string arrival = fmt::sprintf("ETA P %s, %s", destinationName(), group(arrivalHours(voyage_)));
    for (const ShipReportRow& row : rows_) {
      if (row.last) continue;
      ++line;
      out_.write(fmt::sprintf("VIA L %s %s, %s %s %s %02d//\n", latitude(*row.point), longitude(*row.point),
                              group(row.hours), row.greatCircle ? "GC" : "RH", moverepSpeedText(row.speed), line));
      if (out_.failed()) return false;
    }
    out_.write(fmt::sprintf("%s DI %02d//\n", arrival, line + 1));
    if (!settings_.REMARK.empty()) out_.write(fmt::sprintf("RMKS %s %02d//\n", settings_.REMARK, line + 2));
    out_.write("END////\n");
    return !out_.failed();
  }

 private:
  std::string destinationName() const {
    if (const std::string& port = arrivalPort(settings_, voyage_); !port.empty()) return trim(port);
    if (!voyage_.empty()) return trim(voyage_.waypoints.back().name);
    return kPositionName;
  }

  // The MOVEREP date-time group of the departure time moved on by `hours`;
  // empty without a departure time.
  std::string group(double hours) const {
    if (!settings_.departure.valid()) return {};
    return moverepDateTimeGroup(formatTimeText(settings_.departure, hours, settings_.ROUNDING));
  }

  static std::string latitude(const Waypoint& w) { return moverepPosition(w.latitude, PositionKind::Latitude); }
  static std::string longitude(const Waypoint& w) { return moverepPosition(w.longitude, PositionKind::Longitude); }

  const SettingsRecord& settings_;
  const Voyage& voyage_;
  ReportOutput& out_;
  const std::vector<ShipReportRow> rows_;
};

}  // namespace

bool writeMoverepReport(const ReportContext& context, ReportOutput& out) {
  return MoverepWriter(context, out).write();
}

}  // namespace z5
