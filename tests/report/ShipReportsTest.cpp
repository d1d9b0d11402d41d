// The AMVER and MOVEREP reports: the lines built from the voyage, the
// route file's own AMVER lines, the to-waypoint variants, and reports
// without a departure time or a speed.

#include <gtest/gtest.h>

#include "ReportTesting.h"

namespace z5 {
namespace {

using test::lines;
using test::lineWith;

class ShipReports : public test::ReportTest {
 protected:
  // A -> B (stop 2 h) -> C -> D at 10 knots, 60 NM legs due east on the equator.
  void plainVoyage() {
    add("Port A", 0, 0).speed = 10;
    add("Point B", 0, 1, 60, 90).stopHours = 2;
    add("Point C", 0, 2, 60, 90);
    add("Port D", 0, 3, 60, 90);
    finishTable();
    voyage().fileSpeed = 10;
  }
};

TEST_F(ShipReports, AmverWithoutStoredLinesIsASailPlanOfTheVoyage) {
  plainVoyage();
  depart();
  const std::vector<std::string> amver = lines(report(kAmverOutput));
  const std::vector<std::string> expected = {
      "",
      "AMVER/PR//",
      "A/vessel/call//",
      "B/151200Z//",
      "G/Port A/0000N/00000E//",
      "I/Port D/0000N/00300E/160800Z//",
      "L/RL/100/0000N/00100E/151800Z//",
      "L/RL/100/0000N/00100E/152000Z//",
      "L/RL/100/0000N/00200E/160200Z//",
      "L/RL/100//",
  };
  EXPECT_EQ(amver, expected) << "B reached at 1800, left at 2000; C at 0200; D at 0800";
}

TEST_F(ShipReports, AmverMonthAndRemark) {
  plainVoyage();
  depart();
  settings().NO_AMVER_MONTH = 0;
  settings().REMARK = "ICE CLASS 1A";
  const std::string text = report(kAmverOutput);
  EXPECT_EQ(lineWith(text, "B/"), "B/151200Z MAR//");
  EXPECT_EQ(lineWith(text, "L/RL/100/0000N/00100E"), "L/RL/100/0000N/00100E/151800Z MAR//");
  EXPECT_EQ(lines(text).back(), "X/ICE CLASS 1A//");
}

TEST_F(ShipReports, AmverWithoutDepartureTimeLeavesTheGroupsBlank) {
  plainVoyage();
  const std::string text = report(kAmverOutput);
  EXPECT_EQ(lineWith(text, "B/"), "B/      Z//");
  EXPECT_EQ(lineWith(text, "I/"), "I/Port D/0000N/00300E/      Z//");
  EXPECT_EQ(lineWith(text, "L/RL/100/0000N/00100E"), "L/RL/100/0000N/00100E/      Z//");
}

TEST_F(ShipReports, AmverWithoutSpeedSaysSoAndShowsTheMissingSpeed) {
  plainVoyage();
  voyage().fileSpeed = 0;
  voyage().waypoints.front().speed = 0;
  depart();
  const std::string text = report(kAmverOutput);
  EXPECT_EQ(lineWith(text, "L/RL/<speed>/0000N/00100E"), "L/RL/<speed>/0000N/00100E/151200Z//");
  EXPECT_EQ(popupsOf(26), 3) << "one message per leg without a speed";
}

TEST_F(ShipReports, StoredAmverLinesReplaceTheirOwnAndKeepTheirOrder) {
  plainVoyage();
  depart();
  AmverInput& a = voyage().amver;
  a.active = true;
  a.header = "AMVER/SP//";
  a.A = "A/AURORA/LXAB//";
  a.B = "B/010000Z//";
  a.E = "E/090//";
  a.F = "F/100//";
  a.G = "G/SINGAPORE/0116N/10350E//";
  a.I = "I/COLOMBO/0656N/07950E/301200Z//";
  a.M = "M/GKA//";
  a.V = "V/NIL//";
  a.X = "X/FROM FILE//";
  a.Y = "Y/MSG//";
  settings().REMARK = "NOT USED";
  const std::vector<std::string> expected = {
      "",
      "AMVER/SP//",
      "A/AURORA/LXAB//",
      "B/151200Z//",
      "F/100//",
      "E/090//",
      "G/SINGAPORE/0116N/10350E//",
      "I/COLOMBO/0656N/07950E/160800Z//",
      "L/RL/100/0000N/00100E/151800Z//",
      "L/RL/100/0000N/00100E/152000Z//",
      "L/RL/100/0000N/00200E/160200Z//",
      "L/RL/100//",
      "M/GKA//",
      "V/NIL//",
      "X/FROM FILE//",
      "Y/MSG//",
  };
  EXPECT_EQ(lines(report(kAmverOutput)), expected)
      << "the stored B/ line is not used; the stored I/ line keeps its position and takes the computed arrival";
}

TEST_F(ShipReports, StoredDestinationWithoutTrailingSlashStillGetsItsGroup) {
  plainVoyage();
  depart();
  voyage().amver.I = "I/COLOMBO/0656N/07950E";
  EXPECT_EQ(lineWith(report(kAmverOutput), "I/"), "I/COLOMBO/0656N/07950E/160800Z//");
}

TEST_F(ShipReports, GreatCircleLegAlongTheEquatorIsReportedAsRhumbLine) {
  plainVoyage();
  depart();
  for (Waypoint& w : voyage().waypoints) w.greatCircle = 1;
  EXPECT_EQ(lineWith(report(kAmverOutput), "L/R"), "L/RL/100/0000N/00100E/151800Z//");
  EXPECT_NE(report(kMoverepOutput).find(" RH 10.0K1 "), std::string::npos);
  voyage().waypoints[1].rhumbLineCourse = 89.5;
  EXPECT_EQ(lineWith(report(kAmverOutput), "00100E"), "L/GC/100/0000N/00100E/151800Z//");
}

TEST_F(ShipReports, MoverepNumbersItsLinesAndChecksItsDigits) {
  plainVoyage();
  depart();
  settings().VESSEL = "AURORA";
  settings().CALL = "LXAB";
  settings().REMARK = "ICE CLASS";
  voyage().waypoints[0].speed = 12.5;
  voyage().fileSpeed = 12.5;
  const std::vector<std::string> expected = {
      "",
      "PPP MOVEREP AURORA, LXAB, OTSR/WEAX 01//",
      "DEP P Port A, 151200Z9 MAR DI 02//",
      "VIA L 00-00N0 001-00E1, 151648Z5 MAR RH 12.5K8 03//",
      "VIA L 00-00N0 001-00E1, 151848Z7 MAR RH 12.5K8 04//",
      "VIA L 00-00N0 002-00E2, 152336Z0 MAR RH 12.5K8 05//",
      "ETA P Port D, 160424Z7 MAR DI 06//",
      "RMKS ICE CLASS 07//",
      "END////",
  };
  EXPECT_EQ(lines(report(kMoverepOutput)), expected) << "4.8 hours a leg and a stop of 2 hours at B";
}

TEST_F(ShipReports, StopIsListedAgainWithItsDepartureAndTheLegThatLeavesIt) {
  plainVoyage();
  depart();
  voyage().waypoints[1].speed = 8;  // B -> C at 8 knots by great circle: 7.5 hours
  voyage().waypoints[2].greatCircle = 1;
  voyage().waypoints[2].rhumbLineCourse = 89.5;
  const std::vector<std::string> amver = lines(report(kAmverOutput));
  EXPECT_EQ(std::vector<std::string>(amver.end() - 4, amver.end() - 1),
            (std::vector<std::string>{"L/RL/100/0000N/00100E/151800Z//", "L/GC/080/0000N/00100E/152000Z//",
                                      "L/GC/080/0000N/00200E/160330Z//"}))
      << "B reached at 10 knots, left 2 hours later on the leg to C";
  const std::string moverep = report(kMoverepOutput);
  EXPECT_EQ(lineWith(moverep, "152000Z"), "VIA L 00-00N0 001-00E1, 152000Z8 MAR GC 8.0K8 04//");
  EXPECT_EQ(lineWith(moverep, "ETA"), "ETA P Port D, 160930Z9 MAR DI 06//") << "the numbers after the stop follow on";
}

TEST_F(ShipReports, EnteredPositionMakesADeviationReport) {
  enterPosition(2, 10.5, -2.5);
  ASSERT_EQ(extract("A\n10N\n001W\n!SPEED 10\nB\n10N\n002W\nC\n10N\n003W\n"), kVoyageBuilt);
  depart();
  const std::vector<std::string> amver = lines(report(kAmverOutput));
  EXPECT_EQ(amver.at(1), "AMVER/DR//");
  EXPECT_EQ(amver.at(4), "C/1030N/00230W//");
  EXPECT_EQ(amver.at(5).substr(0, 19), "I/C/1000N/00300W/15");
  EXPECT_EQ(amver.back(), "L/RL/100//");
  const std::string moverep = report(kMoverepOutput);
  EXPECT_EQ(lineWith(moverep, "DEP").substr(0, 32), "DEP POS 10-30N4 002-30W5, 151200");
}

}  // namespace
}  // namespace z5
