// The normal and delimited tables: entry checks, headings, rows, stops,
// courses, great-circle runs and the trailer's chart lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include <fmt/printf.h>

#include "ReportTesting.h"
#include "app/AppContexts.h"
#include "nav/CourseText.h"

namespace z5 {
namespace {

using test::countLinesWith;
using test::lines;
using test::lineWith;

class VoyageTable : public test::ReportTest {};

// A stream whose every write fails, as a full disk does.
class FailingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST_F(VoyageTable, DefaultVesselAndCallSignGiveTheShortHeading) {
  add("A", 50, -1);
  add("B", 50, -2, 38.6, 270);
  finishTable();
  EXPECT_EQ(lines(report(kNormalOutput)).at(0), "Z5 - route.txt - Fri Mar 15 10:30:00 2002");
  settings().CALL = "LXAB";
  const std::vector<std::string> named = lines(report(kNormalOutput));
  EXPECT_EQ(named.at(0), "Z5 - route.txt - Fri Mar 15 10:30:00 2002");
  EXPECT_EQ(named.at(1), "Vessel: vessel   Call sign: LXAB") << "a call sign alone names the vessel line";
}

TEST_F(VoyageTable, EmptyVoyageShowsErrorTwentyFourAndWritesNothing) {
  voyage().routeFileName = kFile;
  EXPECT_EQ(report(kNormalOutput), "");
  EXPECT_EQ(lastResult, ReportResult::NoWaypoints);
  EXPECT_EQ(popupsOf(24, std::string(kFile)), 1);
}

TEST_F(VoyageTable, SingleWaypointShowsErrorTwentyFiveInEveryFormat) {
  add("A", 50, -1);
  finishTable();
  for (int format = kNormalOutput; format <= kWaypointSentenceOutput; ++format) {
    EXPECT_EQ(report(format), "") << format;
    EXPECT_EQ(lastResult, ReportResult::OneWaypoint);
  }
  EXPECT_EQ(popupsOf(25, std::string(kFile)), 6);
}

TEST_F(VoyageTable, ZeroLengthVoyageWritesNothingAndShowsNothing) {
  add("A", 50, -1);
  add("B", 50, -1.00001, 0.0005, 270);
  finishTable();
  depart();
  voyage().fileSpeed = 10;
  for (int format : {kNormalOutput, kDelimitedOutput, kAmverOutput, kMoverepOutput}) {
    EXPECT_EQ(report(format), "") << format;
    EXPECT_EQ(lastResult, ReportResult::NoDistance);
  }
  EXPECT_TRUE(host.popups.empty());
}

TEST_F(VoyageTable, StopIsListedTwiceWithTheSameNumberAndItsDepartureTime) {
  add("A", 50, -1).speed = 10;
  add("B", 50, -2, 20, 270).stopHours = 5;
  add("C", 50, -3, 10, 270);
  finishTable();
  voyage().fileSpeed = 10;
  depart();
  const std::string text = report(kNormalOutput);
  const std::vector<std::string> all = lines(text);
  EXPECT_EQ(countLinesWith(text, " 2 B "), 2);
  EXPECT_NE(lineWith(text, "1400 15 MAR 02").find(" 2 B "), std::string::npos) << "arrival after 20 NM at 10 kn";
  const std::string second = all[std::find(all.begin(), all.end(), lineWith(text, "1400 15 MAR 02")) - all.begin() + 2];
  EXPECT_NE(second.find(" 2 B "), std::string::npos);
  EXPECT_NE(second.find("1900 15 MAR 02"), std::string::npos) << "departure five hours later";
  EXPECT_NE(lineWith(text, " 3 C ").find("2000 15 MAR 02"), std::string::npos);
  EXPECT_EQ(all[std::find(all.begin(), all.end(), second) - all.begin() - 1],
            "                                           270.00    0.0 ")
      << "the repeated row's course line shows no distance";
}

TEST_F(VoyageTable, CoursesAlwaysHaveThreeIntegerDigits) {
  add("A", 50, -1);
  add("B", 51, -0.9, 60.4, 5.5);
  add("C", 51, 1, 71.7, 90);
  add("D", 50, 1, 60, 180);
  finishTable();
  const std::string text = report(kNormalOutput);
  EXPECT_NE(text.find(" 005.50 "), std::string::npos);
  EXPECT_NE(text.find(" 090.00 "), std::string::npos);
  EXPECT_NE(text.find(" 180.00 "), std::string::npos);
}

TEST_F(VoyageTable, FileChartsWrapAfterElevenAndFoundChartsAfterTen) {
  add("A", 50, -1);
  add("B", 50, -2, 38.6, 270);
  finishTable();
  for (int n = 1; n <= 12; ++n) voyage().charts.push_back(1000 + n);
  for (int n = 1; n <= 11; ++n) app.routeCharts().charts.push_back({90000 + n, 'D', "DEMO", 3500000});
  settings().NO_CALC_CHART_OUT = 0;
  const std::string text = report(kNormalOutput);
  EXPECT_NE(text.find("\n     1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011\n     1012\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n90001,90002,90003,90004,90005,90006,90007,90008,90009,90010\n90011\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("\n  11 - Chart 90011 1/3500000 - DEMO\n"), std::string::npos);
}

TEST_F(VoyageTable, SuppressionSwitchesLeaveTheirPartOut) {
  add("A", 50, -1);
  add("B", 50, -2, 38.6, 270);
  finishTable();
  voyage().charts = {2045};
  app.routeCharts().charts.push_back({90001, 'D', "DEMO", 3500000});
  settings().NO_CALC_CHART_OUT = 0;
  settings().NO_FILE_CHART_OUT = 1;
  std::string text = report(kNormalOutput);
  EXPECT_EQ(text.find("2045"), std::string::npos);
  EXPECT_NE(text.find("90001"), std::string::npos);
  settings().NO_CALC_CHART_OUT = 1;
  settings().NO_FILE_CHART_OUT = 0;
  text = report(kNormalOutput);
  EXPECT_NE(text.find("2045"), std::string::npos);
  EXPECT_EQ(text.find("90001"), std::string::npos);
}

TEST_F(VoyageTable, MessageWindowGetsTheHeadingAndTheEndOfOutputLine) {
  add("A", 50, -1);
  add("B", 50, -2, 38.6, 270);
  finishTable();
  OutputSink window(app.messages());
  EXPECT_EQ(writeVoyageReport(reportContext(app), window, kNormalOutput), ReportResult::Written);
  const std::string shown = app.messages().text();
  EXPECT_EQ(shown.rfind("Z5 - route.txt", 0), 0u);
  EXPECT_NE(shown.find("End of output."), std::string::npos);
  EXPECT_GT(host.windowShown, 0);
}

TEST_F(VoyageTable, FailedWriteEndsTheReport) {
  add("A", 50, -1);
  add("B", 50, -2, 38.6, 270);
  finishTable();
  FailingBuffer buffer;
  std::ostream broken(&buffer);
  OutputSink sink(broken);
  EXPECT_EQ(writeVoyageReport(reportContext(app), sink, kNormalOutput), ReportResult::WriteFailed);
}

constexpr const char* kTranspacific =
    "!ZD -9\nNojima Zaki\n34-50N\n140-00E\n!SPEED 16\n!GC 5\n!ZD +8\nGolden Gate\n37-48N\n122-40W\n"
    "!RL\nPoint Reyes\n38-00N\n123-10W\n";

// The time texts of the rows named `name` in a report.
std::string timesOf(const std::string& text, const std::string& name) {
  std::string times;
  for (const std::string& line : lines(text)) {
    if (line.find(name) != std::string::npos) times += line.substr(line.size() - 14) + ";";
  }
  return times;
}

TEST_F(VoyageTable, HiddenGreatCirclePointsAddNoTime) {
  ASSERT_EQ(extract(kTranspacific), kVoyageBuilt);
  depart();
  settings().NO_CALC_GC_OUT = 1;
  const std::string hidden = report(kNormalOutput);
  settings().NO_CALC_GC_OUT = 0;
  const std::string shown = report(kNormalOutput);
  ASSERT_EQ(countLinesWith(hidden, "GC calc"), 0);
  ASSERT_GT(countLinesWith(shown, "GC calc"), 10);
  for (const char* name : {"Nojima Zaki", "Golden Gate", "Point Reyes", "Arrival"}) {
    EXPECT_EQ(timesOf(hidden, name), timesOf(shown, name)) << name;
  }
  // About 11.6 days across, not the run's distance counted at every hidden point.
  EXPECT_NE(lineWith(hidden, "Golden Gate").find("0326 27 MAR 02"), std::string::npos) << hidden;
}

TEST_F(VoyageTable, RowAfterHiddenRunShowsTheRunsInitialCourseAndWholeDistance) {
  ASSERT_EQ(extract(kTranspacific), kVoyageBuilt);
  const Waypoint& start = voyage().waypoints.front();
  const Waypoint& firstPoint = voyage().waypoints[1];
  const Waypoint& gate = voyage().waypoints[voyage().count() - 2];
  ASSERT_EQ(firstPoint.kind, kGcCalcPoint);
  const std::string text = report(kNormalOutput);
  const std::vector<std::string> all = lines(text);
  const auto gateRow = std::find(all.begin(), all.end(), lineWith(text, "Golden Gate"));
  const std::string courseLine = *(gateRow - 1);
  EXPECT_NE(courseLine.find(courseText(firstPoint.greatCircleCourse)), std::string::npos) << courseLine;
  EXPECT_NE(courseLine.find(fmt::sprintf("%9.2f", start.distanceToGo - gate.distanceToGo)), std::string::npos)
      << courseLine;
}

constexpr const char* kArctic =
    "North Cape\n71-15N\n025-40E\n!SPEED 11\n!GC 20\nBering Strait\n66-00N\n169-00W\n";

TEST_F(VoyageTable, CompositeTwoRowShowsItsParallelCourseAndStartsNoRun) {
  ASSERT_EQ(extract(kArctic), kVoyageBuilt);
  int c2 = -1;
  for (int i = 0; i < voyage().count(); ++i) {
    if (voyage().waypoints[i].kind == kComposite2) c2 = i;
  }
  ASSERT_GT(c2, 0);
  const Waypoint& composite2 = voyage().waypoints[c2];
  const Waypoint& nextPoint = voyage().waypoints[c2 + 1];
  ASSERT_EQ(nextPoint.kind, kGcCalcPoint);
  ASSERT_GT(std::fabs(composite2.greatCircleCourse - composite2.rhumbLineCourse), 1.0)
      << "the case needs a composite leg whose two courses differ";
  for (int hide : {0, 1}) {
    settings().NO_CALC_GC_OUT = hide;
    const std::string text = report(kNormalOutput);
    const std::vector<std::string> all = lines(text);
    const auto row = std::find(all.begin(), all.end(), lineWith(text, "composite-2"));
    ASSERT_NE(row, all.end());
    EXPECT_NE((row - 1)->find(" 090.00 "), std::string::npos) << "hide " << hide << ": " << *(row - 1);
    const std::string next = *(row + 2);  // the course line of the row after composite-2
    EXPECT_NE(next.find(courseText(nextPoint.greatCircleCourse)), std::string::npos) << "hide " << hide << ": " << next;
    EXPECT_EQ(next.find(courseText(composite2.greatCircleCourse)), std::string::npos) << next;
  }
}

TEST_F(VoyageTable, EnteredPositionStartsTheTableWithItsOwnDepartureLine) {
  enterPosition(2, 50.5, -2.5);
  ASSERT_EQ(extract("A\n50N\n001W\n!SPEED 10\n!ZD 0\nB\n50N\n002W\nC\n50N\n003W\n"), kVoyageBuilt);
  depart();
  const std::string text = report(kNormalOutput);
  EXPECT_NE(text.find("Departure: 50-30.00N 002-30.00W at 1200 15 MAR 02 GMT\n"), std::string::npos) << text;
  EXPECT_NE(lineWith(text, "POS").find(" 2 POS "), std::string::npos) << "numbered as the waypoint before the target";
  EXPECT_NE(lineWith(text, " 3 C   ").find("50-00.00N 003-00.00W"), std::string::npos) << text;
  EXPECT_EQ(countLinesWith(text, " A "), 0);
}

}  // namespace
}  // namespace z5
