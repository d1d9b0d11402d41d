#include "report/AmverReport.h"

#include <fmt/printf.h>

#include "base/TextUtil.h"
#include "nav/DateTimeGroups.h"
#include "nav/TimeText.h"
#include "nav/VoyageLegs.h"
#include "report/ReportRows.h"
#include "report/ShipReportRows.h"

namespace z5 {
namespace {

// The destination line keeps the name, latitude and longitude fields of a
// stored I/ line (up to its fourth "/"); the time group is the report's own.
constexpr int kDestinationPositionFields = 4;

class AmverWriter {
 public:
  AmverWriter(const ReportContext& context, ReportOutput& out)
      : settings_(context.settings()), voyage_(context.voyage()), amver_(voyage_.amver), out_(out),
        rows_(shipReportRows(context)) {}

  bool write() {
    out_.writeWithoutHeading("\n");
    writeStored(amver_.header, computedFromEnteredPosition(voyage_) ? "AMVER/DR//\n" : "AMVER/PR//\n");
    writeStored(amver_.A, fmt::sprintf("A/%s/%s//\n", settings_.VESSEL, settings_.CALL));
    const Waypoint& start = *voyageStart(voyage_);
    out_.write(fmt::sprintf("B/%s\n", group(start.stopHours)));
    writeStored(amver_.F);
    writeStored(amver_.E);
    writeDeparture(start);
    writeDestination();
    for (const ShipReportRow& row : rows_) {
      const std::string method = row.greatCircle ? "GC" : "RL";
      const std::string speed = amverSpeedText(row.speed);
      if (row.last) {
        out_.write(fmt::sprintf("L/%s/%s//\n", method, speed));
      } else {
        out_.write(fmt::sprintf("L/%s/%s/%s/%s/%s\n", method, speed, latitude(*row.point), longitude(*row.point),
                                group(row.hours)));
      }
      if (out_.failed()) return false;
    }
    writeStored(amver_.M);
    writeStored(amver_.V);
    if (!amver_.X.empty()) {
      writeStored(amver_.X);
    } else if (!settings_.REMARK.empty()) {
      out_.write(fmt::sprintf("X/%s//\n", settings_.REMARK));
    }
    writeStored(amver_.Y);
    return !out_.failed();
  }

 private:
  // A stored AMVER line of the route file, else `otherwise` (nothing when empty).
  void writeStored(const std::string& stored, const std::string& otherwise = {}) {
    if (!stored.empty()) {
      out_.write(stored + "\n");
    } else if (!otherwise.empty()) {
      out_.write(otherwise);
    }
  }

  void writeDeparture(const Waypoint& start) {
    if (!amver_.G.empty()) {
      writeStored(amver_.G);
    } else if (computedFromEnteredPosition(voyage_)) {
      out_.write(fmt::sprintf("C/%s/%s//\n", latitude(start), longitude(start)));
    } else {
      const std::string& given = departurePort(settings_, voyage_);
      const std::string& port = given.empty() ? voyage_.waypoints.front().name : given;
      out_.write(fmt::sprintf("G/%s/%s/%s//\n", trim(port), latitude(start), longitude(start)));
    }
  }

  void writeDestination() {
    const std::string arrival = group(arrivalHours(voyage_));
    if (!amver_.I.empty()) {
      out_.write(storedDestinationPosition() + arrival + "\n");
      return;
    }
    const Waypoint& last = voyage_.waypoints.back();
    const std::string& given = arrivalPort(settings_, voyage_);
    const std::string& port = given.empty() ? last.name : given;
    out_.write(fmt::sprintf("I/%s/%s/%s/", trim(port), latitude(last), longitude(last)));
    out_.write(fmt::sprintf("%s\n", arrival));
  }

  // The stored I/ line up to and including the "/" after its longitude.
  std::string storedDestinationPosition() const {
    const std::string& line = amver_.I;
    int slashes = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '/' && ++slashes == kDestinationPositionFields) return line.substr(0, i + 1);
    }
    return line.back() == '/' ? line : line + "/";
  }

  // The AMVER date-time group of the departure time moved on by `hours`.
  std::string group(double hours) const {
    if (!settings_.departure.valid()) return kAmverNoTimeGroup;
    return amverDateTimeGroup(formatTimeText(settings_.departure, hours, settings_.ROUNDING),
                              settings_.NO_AMVER_MONTH == 1);
  }

  static std::string latitude(const Waypoint& w) { return amverPosition(w.latitude, PositionKind::Latitude); }
  static std::string longitude(const Waypoint& w) { return amverPosition(w.longitude, PositionKind::Longitude); }

  const SettingsRecord& settings_;
  const Voyage& voyage_;
  const AmverInput& amver_;
  ReportOutput& out_;
  const std::vector<ShipReportRow> rows_;
};

}  // namespace

bool writeAmverReport(const ReportContext& context, ReportOutput& out) { return AmverWriter(context, out).write(); }

}  // namespace z5
