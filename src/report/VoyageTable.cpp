#include "report/VoyageTable.h"

#include <algorithm>
#include <cmath>

#include <fmt/printf.h>

#include "nav/CourseText.h"
#include "nav/TimeText.h"
#include "report/ReportRows.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

constexpr int kDelimitedFormat = 2;

// Prompt strings of the table.
constexpr int kGeodeticLine = 31;
constexpr int kTotalsLine = 32;            // distance, average speed, hours, days, hours, minutes
constexpr PromptNumber<> kHeaderWithTimes = 33;
constexpr int kDelimitedHeaderWithTimes = 34;     // eight separators
constexpr int kAtWord = 58;
constexpr int kUnderline = 102;
constexpr PromptNumber<> kHeaderWithoutTimes = 103;
constexpr int kDelimitedHeaderWithoutTimes = 104;  // seven separators
constexpr int kDepartureLabel = 108;
constexpr int kArrivalLabel = 109;
constexpr int kNewSpeedLabel = 110;
constexpr int kGcPointsStart = 114;
constexpr int kGcPointsEnd = 115;
constexpr int kPortsLine = 179;                    // departure port, arrival port

// A leg without any speed while times are printed: error string 26.
constexpr int kNoLegSpeed = 26;
constexpr int kNoLegSpeedMs = 3000;

constexpr double kSpeedChange = 0.0001;     // knots that make a new speed line
constexpr double kTotalsFileSpeed = 0.00001; // knots: the totals line needs a file speed above this
constexpr double kSomeHours = 0.000001;     // hours: totals above this count
constexpr double kSomeTotal = 0.00001;      // hours: the departure and arrival lines need more

// The fixed line formats. In the delimited table every %c is the separator.
constexpr const char* kCourseWithTimes = "                                           %s %6.1f \n";
constexpr const char* kCourse = "                                             %s %9.2f\n";
constexpr const char* kRowWithTimes = "%2d %s %s %s              %7.1f %s\n";
constexpr const char* kRow = "%2d %s %s %s                       %9.2f\n";
constexpr const char* kDelimitedCourseWithTimes = " %c%c%c%c%s%c%6.1f%c\n";
constexpr const char* kDelimitedCourse = " %c%c%c%c%s%c%9.2f%c\n";
constexpr const char* kDelimitedRowWithTimes = "%2d%c%s%c%s%c%s%c%c%c%7.1f%c%s%c\n";
constexpr const char* kDelimitedRow = "%2d%c%s%c%s%c%s%c%c%c%9.2f%c\n";
constexpr const char* kSpeedLine = "%s = %7.4f KTS.\n";
constexpr const char* kDepartureLine = "%s: %s %s GMT %s  ZD %+2.1f  LT %s\n";
constexpr const char* kDepartureFromPositionLine = "%s: %s %s at %s GMT\n";
constexpr const char* kArrivalLine = "%s:  %s %s GMT %s  ZD %+2.1f  LT %s\n";

// What the rows carry from one to the next.
struct RowState {
  int number = 0;                  // of the last printed row
  double lastSpeed = 0;            // of the last speed line
  int rememberedKind = kOrdinaryPoint;
  double previousDistanceToGo = 0; // of the last shown row
  double elapsed = 0;              // hours since leaving the start point
  bool stopPending = false;        // the row just printed is listed again after its stop
  bool suppressing = false;        // inside a run of hidden great-circle points
  bool afterGcOrComposite2 = false;
  double course = 0;
};

class VoyageTableWriter {
 public:
  VoyageTableWriter(const ReportContext& context, ReportOutput& out, int format)
      : context_(context),
        settings_(context.settings()),
        voyage_(context.voyage()),
        out_(out),
        delimited_(format == kDelimitedFormat),
        separator_(static_cast<char>(settings_.SEPARATOR_CHAR)),
        eta_(etaOn(settings_, voyage_)),
        extra_(settings_.EXTRA_PRECISION == 1) {}

  bool write() { return writePreamble() && writeRows(); }

 private:
  template <class... A>
  std::string prompt(PromptNumber<A...> number, const A&... args) const {
    return context_.strings().prompt(number, args...);
  }

  std::string latitudeText(const Waypoint& w) const {
    return formatPosition(w.latitude, PositionKind::Latitude, extra_);
  }
  std::string longitudeText(const Waypoint& w) const {
    return formatPosition(w.longitude, PositionKind::Longitude, extra_);
  }
  // The departure time moved on by `hours`, rounded to ROUNDING.
  std::string timeText(double hours) const { return formatTimeText(settings_.departure, hours, settings_.ROUNDING); }

  bool writePreamble() {
    out_.write("");
    const std::string& from = departurePort(settings_, voyage_);
    const std::string& to = arrivalPort(settings_, voyage_);
    if (!from.empty() && !to.empty()) out_.write(prompt(kPortsLine, from, to));
    if (settings_.LEN_LAT_LON == 1) out_.write(prompt(kGeodeticLine));
    const double total = reportStart(voyage_).point->distanceToGo;
    if (voyage_.fileSpeed > kTotalsFileSpeed && settings_.NO_ETA_OUT == 0 && voyage_.totalHours > kSomeHours &&
        voyage_.steamingHours > kSomeHours) {
      out_.write(prompt(kTotalsLine, total, total / voyage_.steamingHours, voyage_.totalHours, voyage_.totalDays,
                        voyage_.totalHoursPart, voyage_.totalMinutes));
    }
    return !out_.failed();
  }

  bool writeRows() {
    const ReportStart start = reportStart(voyage_);
    const int last = std::min(voyage_.count(), kMaxWaypoints) - 1;
    const double startStop = start.point->stopHours;
    RowState s;
    s.number = start.index + settings_.firstRowNumber - 1;
    s.previousDistanceToGo = start.point->distanceToGo;
    for (int i = start.index; i <= last; ++i) {
      if (s.stopPending) {
        // A waypoint with a stop is listed again with its departure time.
        --i;
        --s.number;
      }
      const bool first = i == start.index;
      const Waypoint& row = first ? *start.point : voyage_.waypoints[i];
      if (first && !writeDepartureAndHeader(start)) return false;
      const double speed = rowSpeed(voyage_, i, first, row);
      if (!first && !writeSpeedAndMarkers(row, i, speed, s)) return false;
      chooseCourse(row, s);
      const bool hidden = row.kind == kGcCalcPoint && settings_.NO_CALC_GC_OUT == 1;
      // A hidden point leaves the distance to go where it was, so that the
      // next shown row's leg spans the whole run.
      const double legDistance = s.previousDistanceToGo - row.distanceToGo;
      if (!hidden) s.previousDistanceToGo = row.distanceToGo;
      if (!first && eta_) addElapsed(row, speed, legDistance, hidden, s);
      if (hidden) continue;
      ++s.number;
      if (!first && !out_.write(courseLine(courseText(s.course), legDistance))) return false;
      if (!out_.write(rowLine(s.number, row, eta_ ? timeText(s.elapsed + startStop) : std::string()))) return false;
    }
    return true;
  }

  bool writeDepartureAndHeader(const ReportStart& start) {
    const Waypoint& first = *start.point;
    const Waypoint& last = voyage_.waypoints[std::min(voyage_.count(), kMaxWaypoints) - 1];
    // The entered position's departure line shows GMT only: it needs no zone.
    const bool zones = (start.enteredPosition || first.zoneGiven()) && last.zoneGiven();
    if (eta_ && voyage_.totalHours > kSomeTotal && zones) {
      const double departure = first.stopHours;
      if (start.enteredPosition) {
        out_.write(fmt::sprintf(kDepartureFromPositionLine, prompt(kDepartureLabel), latitudeText(first),
                                longitudeText(first), timeText(departure)));
      } else {
        const std::string& given = departurePort(settings_, voyage_);
        const std::string& port = given.empty() ? voyage_.waypoints.front().name : given;
        out_.write(fmt::sprintf(kDepartureLine, prompt(kDepartureLabel), port, prompt(kAtWord),
                                timeText(departure), first.zoneDescription,
                                timeText(departure - first.zoneDescription)));
      }
      const double arrival = arrivalHours(voyage_);
      const std::string& given = arrivalPort(settings_, voyage_);
      const std::string& port = given.empty() ? last.name : given;
      out_.write(fmt::sprintf(kArrivalLine, prompt(kArrivalLabel), port, prompt(kAtWord), timeText(arrival),
                              last.zoneDescription, timeText(arrival - last.zoneDescription)));
    }
    const std::string header = columnHeader();
    const std::string underline = prompt(kUnderline);
    out_.write(header);
    out_.write(underline);
    out_.setHeading(out_.heading() + header + underline);
    return !out_.failed();
  }

  std::string columnHeader() const {
    const char c = separator_;
    if (!delimited_) return prompt(eta_ ? kHeaderWithTimes : kHeaderWithoutTimes);
    if (eta_) return prompt(kDelimitedHeaderWithTimes, c, c, c, c, c, c, c, c);
    return prompt(kDelimitedHeaderWithoutTimes, c, c, c, c, c, c, c);
  }

  bool writeSpeedAndMarkers(const Waypoint& row, int index, double speed, RowState& s) {
    if (settings_.departure.valid() && settings_.NO_ETA_OUT == 0 && voyage_.fileSpeed > kNoRowSpeed &&
        std::fabs(speed - s.lastSpeed) > kSpeedChange) {
      out_.write(fmt::sprintf(kSpeedLine, prompt(kNewSpeedLabel), speed));
      s.lastSpeed = speed;
    }
    if (row.kind != s.rememberedKind) {
      const int previousKind = index > 0 ? voyage_.waypoints[index - 1].kind : kOrdinaryPoint;
      if (row.kind == kGcCalcPoint) {
        out_.write(prompt(kGcPointsStart));
        s.rememberedKind = kGcCalcPoint;
      } else if (previousKind != kGcCalcPoint) {
        out_.write(prompt(kGcPointsEnd));
        s.rememberedKind = kOrdinaryPoint;
      }
    }
    return !out_.failed();
  }

  // The course shown above the row: the great-circle course on great-circle
  // points (GC_PT_GCD), else the rhumb-line course. A run of hidden
  // great-circle points shows, at the row after it, the initial course of
  // the run. A composite-2 point ends the parallel sailing on its
  // rhumb-line course and starts no run.
  void chooseCourse(const Waypoint& row, RowState& s) const {
    if (!s.suppressing) {
      const bool greatCircle = settings_.GC_PT_GCD == 1 &&
                               (row.kind == kGcCalcPoint || row.kind == kComposite1 || s.afterGcOrComposite2);
      s.course = greatCircle ? row.greatCircleCourse : row.rhumbLineCourse;
    }
    if (row.kind != kGcCalcPoint) {
      s.suppressing = false;
    } else if (settings_.NO_CALC_GC_OUT == 1 && !s.suppressing) {
      s.suppressing = true;
      s.course = row.greatCircleCourse;
    }
    s.afterGcOrComposite2 = row.kind == kGcCalcPoint || row.kind == kComposite2;
  }

  // The second listing of a stopping waypoint adds the stop; a hidden point
  // adds nothing, the next shown row times the distance it spans.
  void addElapsed(const Waypoint& row, double speed, double legDistance, bool hidden, RowState& s) const {
    if (s.stopPending) {
      s.elapsed += row.stopHours;
      s.stopPending = false;
      return;
    }
    if (row.stopHours > kListedStopHours) s.stopPending = true;
    if (hidden) return;
    if (speed > kTimingSpeed) {
      s.elapsed += legDistance / speed;
    } else if (voyage_.arrivalTimeMode && voyage_.fileSpeed > kTimingSpeed) {
      s.elapsed += legDistance / voyage_.fileSpeed;
    } else {
      context_.messages().showError(kNoLegSpeed, kNoLegSpeedMs);
    }
  }

  std::string courseLine(const std::string& course, double legDistance) const {
    const char c = separator_;
    if (delimited_) {
      return eta_ ? fmt::sprintf(kDelimitedCourseWithTimes, c, c, c, c, course, c, legDistance, c)
                  : fmt::sprintf(kDelimitedCourse, c, c, c, c, course, c, legDistance, c);
    }
    return eta_ ? fmt::sprintf(kCourseWithTimes, course, legDistance) : fmt::sprintf(kCourse, course, legDistance);
  }

  std::string rowLine(int number, const Waypoint& row, const std::string& time) const {
    const char c = separator_;
    const std::string lat = latitudeText(row);
    const std::string lon = longitudeText(row);
    if (delimited_) {
      return eta_ ? fmt::sprintf(kDelimitedRowWithTimes, number, c, row.name, c, lat, c, lon, c, c, c,
                                 row.distanceToGo, c, time, c)
                  : fmt::sprintf(kDelimitedRow, number, c, row.name, c, lat, c, lon, c, c, c, row.distanceToGo, c);
    }
    return eta_ ? fmt::sprintf(kRowWithTimes, number, row.name, lat, lon, row.distanceToGo, time)
                : fmt::sprintf(kRow, number, row.name, lat, lon, row.distanceToGo);
  }

  const ReportContext& context_;
  const SettingsRecord& settings_;
  const Voyage& voyage_;
  ReportOutput& out_;
  const bool delimited_;
  const char separator_;
  const bool eta_;
  const bool extra_;
};

}  // namespace

bool writeVoyageTable(const ReportContext& context, ReportOutput& out, int format) {
  return VoyageTableWriter(context, out, format).write();
}

}  // namespace z5
