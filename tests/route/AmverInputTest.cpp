// Routes given as the lines of an AMVER report.

#include <string>

#include "RouteTesting.h"

namespace z5::test {
namespace {

// Lines 1 to 14; the destination comes before the route legs.
constexpr const char* kSailPlan =
    "amver/sp//\n"
    "A/AURORA/LXAB//\n"
    "B/171200Z//\n"
    "E/250//\n"
    "F/145//\n"
    "G/falmouth/5009N/00504W/\n"
    "I/NEW YORK/4040N/07400W/\n"
    "L/RL/145/4955N/00512W/\n"
    "L/GC/150/4030N/06900W/\n"
    "L/RL/120//\n"
    "M/GKA//\n"
    "V/NIL//\n"
    "X/ICE CLASS//\n"
    "Y/MSG//\n";

class AmverInput : public RouteTest {};

TEST_F(AmverInput, SailPlanBecomesTheRouteWithTheDestinationLast) {
  ASSERT_EQ(extract(kSailPlan), kVoyageBuilt);
  std::vector<Waypoint> w;  // the route's own waypoints, without the points the leg pass inserts
  for (const Waypoint& p : voyage.waypoints) {
    if (p.kind == kOrdinaryPoint) w.push_back(p);
  }
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(w[0].name, paddedWaypointName("FALMOUTH"));
  EXPECT_EQ(w[1].name, paddedWaypointName("AMVER LINE 8"));
  EXPECT_EQ(w[2].name, paddedWaypointName("AMVER LINE 9"));
  EXPECT_EQ(w[3].name, paddedWaypointName("NEW YORK"));
  EXPECT_DOUBLE_EQ(w[0].latitude, 50 + 9.0 / 60);
  EXPECT_DOUBLE_EQ(w[0].longitude, -(5 + 4.0 / 60));
  EXPECT_DOUBLE_EQ(w[3].longitude, -74);

  EXPECT_EQ(w[1].greatCircle, 0);
  EXPECT_EQ(w[2].greatCircle, 1);
  EXPECT_EQ(w[3].greatCircle, 0) << "a leg line without position gives its mode to the destination";
  EXPECT_DOUBLE_EQ(voyage.fileSpeed, 12);
}

// A leg line's speed is the speed of the leg that ends at its point, so it
// is carried by the waypoint the leg leaves; the report writes it back on
// the same leg line.
TEST_F(AmverInput, LegSpeedsTimeTheLegsEndingAtTheirPoints) {
  ASSERT_EQ(extract(kSailPlan), kVoyageBuilt);
  std::vector<Waypoint> w;
  for (const Waypoint& p : voyage.waypoints) {
    if (p.kind == kOrdinaryPoint) w.push_back(p);
  }
  ASSERT_EQ(w.size(), 4u);
  EXPECT_DOUBLE_EQ(w[0].speed, 14.5) << "FALMOUTH to line 8 is sailed at line 8's speed";
  EXPECT_DOUBLE_EQ(w[1].speed, 15) << "line 8 to line 9 is sailed at line 9's speed";
  EXPECT_DOUBLE_EQ(w[2].speed, 12) << "the last leg is sailed at the destination line's speed";
}

TEST_F(AmverInput, WaypointsReadBeforeTheReportKeepTheirOwnSpeeds) {
  ASSERT_EQ(extract(waypointText("A", "10N", "20W") + "!SPEED 8\n" + waypointText("B", "11N", "20W") +
                    "!SPEED 9\nAMVER\nL/RL/150/1200N/02000W/\nL/RL/120/1300N/02000W/\n"),
            kVoyageBuilt);
  ASSERT_EQ(voyage.count(), 4);
  EXPECT_DOUBLE_EQ(voyage.waypoints[0].speed, 8) << "a route line's speed moved";
  EXPECT_DOUBLE_EQ(voyage.waypoints[1].speed, 9) << "a route line's speed moved";
  EXPECT_DOUBLE_EQ(voyage.waypoints[2].speed, 12);
}

TEST_F(AmverInput, BackwardsRoutingSailsEachLegAtItsOwnSpeed) {
  settings.backwardsRouting = 1;
  ASSERT_EQ(extract(kSailPlan), kVoyageBuilt);
  std::vector<Waypoint> w;
  for (const Waypoint& p : voyage.waypoints) {
    if (p.kind == kOrdinaryPoint) w.push_back(p);
  }
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(w[0].name, paddedWaypointName("NEW YORK"));
  EXPECT_DOUBLE_EQ(w[0].speed, 12) << "NEW YORK to line 9 is the destination leg";
  EXPECT_DOUBLE_EQ(w[1].speed, 15) << "line 9 to line 8";
  EXPECT_DOUBLE_EQ(w[2].speed, 14.5) << "line 8 to FALMOUTH";
}

TEST_F(AmverInput, LinesAreStoredUpperCasedForTheReport) {
  ASSERT_EQ(extract(std::string("  ") + kSailPlan), kVoyageBuilt);
  const z5::AmverInput& a = voyage.amver;
  EXPECT_TRUE(a.active);
  EXPECT_EQ(a.header, "amver/sp//");
  EXPECT_EQ(a.A, "A/AURORA/LXAB//");
  EXPECT_EQ(a.G, "G/FALMOUTH/5009N/00504W/");
  EXPECT_EQ(a.X, "X/ICE CLASS//");
  EXPECT_EQ(a.Y, "Y/MSG//");

  ASSERT_EQ(extract(waypointText("A", "10N", "20W")), kVoyageBuilt);
  EXPECT_FALSE(voyage.amver.active) << "a new extraction clears the AMVER input";
  EXPECT_EQ(voyage.amver.G, "");
}

TEST_F(AmverInput, DateTimeGroupSetsTheDepartureInThisOrTheNextMonth) {
  struct Case {
    ClockTime today;
    const char* line;
    DateTime departure;
    const char* catches;
  };
  const Case cases[] = {
      {{2002, 3, 15}, "B/171200Z//", {2002, 3, 17, 12, 0}, "a day ahead moved to another month"},
      {{2002, 3, 15}, "B/130845Z//", {2002, 3, 13, 8, 45}, "two days back already rolled over"},
      {{2002, 3, 15}, "B/120000Z//", {2002, 4, 12, 0, 0}, "three days back not rolled over"},
      {{2002, 12, 20}, "B/050600Z//", {2003, 1, 5, 6, 0}, "the year not advanced after December"},
      {{2004, 2, 27}, "B/290600Z//", {2004, 2, 29, 6, 0}, "a leap day refused"},
      {{2004, 1, 31}, "B/290600Z//", {2004, 1, 29, 6, 0}, "exactly two days back rolled over"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.catches);
    clock.set(c.today, c.today);
    settings.departure = {};
    ASSERT_EQ(extract(std::string("AMVER\n") + c.line + "\n"), kVoyageEmpty);
    EXPECT_EQ(settings.departure, c.departure);
    EXPECT_EQ(settings.departureText, dateTimeText(c.departure));
  }
}

TEST_F(AmverInput, ImpossibleDateTimeGroupLeavesTheDepartureAndSaysSo) {
  clock.set({2002, 2, 27}, {2002, 2, 27});
  settings.departure = {2001, 5, 6, 7, 8};
  for (const char* line : {"B/301200Z", "B/152400Z", "B/151260Z", "B/1512", "B/"}) {
    host.windowText.clear();
    ASSERT_EQ(extract(std::string("AMVER\n") + line + "\n"), kVoyageEmpty) << line;
    EXPECT_EQ(settings.departure, (DateTime{2001, 5, 6, 7, 8})) << line;
    EXPECT_NE(messages.text().find("B/ line"), std::string::npos) << line;
  }
}

TEST_F(AmverInput, SpeedLineIsInTenthsOfAKnot) {
  ASSERT_EQ(extract("AMVER\nF/1\nG/A/1000N/02000W/\nG/B/1100N/02000W/\n"), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.fileSpeed, 0.1);

  for (const char* line : {"F/0", "F/10001", "F/", "F/fast", "F/145abc", "F/1e3//"}) {
    EXPECT_EQ(extract(std::string("AMVER\nG/A/1000N/02000W/\n") + line + "\n"), kRouteFailed) << line;
    expectErrorAt(11, 3, 2);
    EXPECT_EQ(host.popups.back().milliseconds, 3000);
  }
}

TEST_F(AmverInput, DestinationReadBeforeTheLegsStillEndsTheRoute) {
  ASSERT_EQ(extract("AMVER\nI/END/1000N/02000W/\nG/START/1100N/02100W/\nL/RL/100/1050N/02050W/\n"), kVoyageBuilt);
  ASSERT_EQ(voyage.count(), 3);
  EXPECT_EQ(voyage.waypoints[0].name, paddedWaypointName("START"));
  EXPECT_EQ(voyage.waypoints[2].name, paddedWaypointName("END"));
}

TEST_F(AmverInput, LegLineWithoutSpeedKeepsItsPosition) {
  ASSERT_EQ(extract("AMVER\nF/100\nG/A/1000N/02000W/\nL/GC//1100N/02000W/\nL/RL/\nG/B/1200N/02000W/\n"),
            kVoyageBuilt);
  ASSERT_EQ(voyage.count(), 3) << "the waypoint of a leg line without speed dropped";
  EXPECT_DOUBLE_EQ(voyage.waypoints[1].latitude, 11);
  EXPECT_EQ(voyage.waypoints[1].greatCircle, 1);
  EXPECT_DOUBLE_EQ(voyage.waypoints[0].speed, 0) << "the leg without speed is timed at the voyage's speed";
  EXPECT_EQ(voyage.waypoints[2].greatCircle, 0) << "a leg line with only a method sets the method";
}

struct LegSpeedCase {
  const char* line;
  double knots;  // of the leg to the line's point; 0 when the route is refused
  const char* catches;
};

constexpr LegSpeedCase kLegSpeeds[] = {
    {"L/RL/145/1100N/02000W/", 14.5, "three digits of tenths misread"},
    {"L/RL/1000/1100N/02000W//", 100, "a fourth digit dropping the waypoint"},
    {"L/RL/000/1100N/02000W/", 0, "a speed of zero dropping the waypoint"},
    {"L/RL/-10/1100N/02000W/", 0, "a negative speed dropping the waypoint"},
    {"L/RL/abc/1100N/02000W/", 0, "a speed that is no number dropping the waypoint"},
    {"L/RL/10001/1100N/02000W/", 0, "a speed above 1000 knots accepted or dropping the waypoint"},
    {"L/RL/12x/1100N/02000W/", 0, "letters after the speed dropped"},
};

TEST_F(AmverInput, LegLineSpeedIsTakenOrTheLineIsRefused) {
  for (const LegSpeedCase& c : kLegSpeeds) {
    SCOPED_TRACE(c.catches);
    const int result = extract(std::string("AMVER\nG/A/1000N/02000W/\n") + c.line + "\n");
    if (c.knots == 0) {
      EXPECT_EQ(result, kRouteFailed);
      expectErrorAt(11, 3, 2);
      EXPECT_EQ(voyage.errors.back().lineText, c.line);
    } else {
      ASSERT_EQ(result, kVoyageBuilt);
      ASSERT_EQ(voyage.count(), 2);
      EXPECT_DOUBLE_EQ(voyage.waypoints[0].speed, c.knots);
    }
  }
}

TEST_F(AmverInput, OtherLinesAreIgnoredAndUnknownLettersRefused) {
  ASSERT_EQ(extract("AMVER\nName line\n10N\n20W\nAMVER again\n// note\n"), kVoyageEmpty);
  EXPECT_EQ(voyage.count(), 0);

  EXPECT_EQ(extract("AMVER\nG/A/1000N/02000W/\nQ/WHAT//\n"), kRouteFailed);
  expectErrorAt(12, 3, 2);
  EXPECT_EQ(host.popups.back().milliseconds, 8000);
}

TEST_F(AmverInput, MalformedPositionsAreRefused) {
  struct Case {
    const char* line;
    ErrorNumber<int, std::string, int> error;
    const char* catches;
  };
  for (const Case& c : {Case{"G/A/5099N/00504W/", 17, "99 minutes of latitude accepted"},
                        Case{"G/A/9100N/00504W/", 17, "a latitude above 90 accepted"},
                        Case{"G/A/5009X/00504W/", 17, "a wrong latitude letter accepted"},
                        Case{"G/NO POSITION", 17, "a missing position accepted"},
                        Case{"I/A/5009N/0050W/", 19, "a short longitude accepted"},
                        Case{"I/A/5009N/18100E/", 19, "a longitude above 180 accepted"},
                        Case{"I/A/5009N/00504W5/", 19, "a digit after the longitude letter dropped"},
                        Case{"L/RL/100/5009N", 19, "a missing longitude accepted"},
                        Case{"L/RL/100/5009N/00504S/", 19, "a wrong longitude letter accepted"}}) {
    EXPECT_EQ(extract(std::string("AMVER\n") + c.line + "\n"), kRouteFailed) << c.catches;
    expectErrorAt(c.error, 2, 1);
  }
}

}  // namespace
}  // namespace z5::test
