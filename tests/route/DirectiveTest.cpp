// The directives of the route language: what each accepts, what it refuses
// and with which message.

#include <string>
#include <variant>

#include "RouteTesting.h"
#include "route/DirectiveTemplates.h"

namespace z5::test {
namespace {

const std::string kOnePoint = waypointText("Start", "10N", "20W");  // lines 1-3

class Directives : public RouteTest {};

// The error strings by the arguments they name: (line, file, waypoint),
// (line, file) and (line, file, waypoint, largest interval).
using AtWaypoint = ErrorNumber<int, std::string, int>;
using AtLine = ErrorNumber<int, std::string>;
using AtWaypointWithLimit = ErrorNumber<int, std::string, int, int>;

struct RefusedCase {
  const char* line;  // read as line 4, after one waypoint
  std::variant<AtWaypoint, AtLine, AtWaypointWithLimit> error;
  const char* catches;
};

constexpr RefusedCase kRefused[] = {
    {"!SPEED", AtWaypoint{3}, "a speed without a number accepted"},
    {"!SPEED 0.005", AtWaypoint{3}, "a speed below 0.01 accepted"},
    {"!SPEED 1000.5", AtWaypoint{3}, "a speed above 1000 accepted"},
    {"!SPEED fast", AtWaypoint{3}, "a word taken for a speed"},
    {"!SPEED -5", AtWaypoint{3}, "a negative speed accepted"},
    {"!SPEED 1e308", AtWaypoint{3}, "an exponent dropped: 1e308 read as 1 knot"},
    {"!SPEED 1e10", AtWaypoint{3}, "an exponent dropped: 1e10 read as 1 knot"},
    {"!SPEED 12abc", AtWaypoint{3}, "letters after the number dropped: read as 12 knots"},
    {"!SPEED 12.5.3", AtWaypoint{3}, "a second decimal point dropped"},
    {"!ZD 5abc", AtWaypoint{4}, "letters after the zone dropped"},
    {"!STOP 1e300", AtWaypoint{5}, "an exponent dropped: 1e300 read as one hour"},
    {"!GC -1", AtWaypointWithLimit{6}, "a negative interval taken as 1"},
    {"!GC 0", AtWaypointWithLimit{6}, "interval 0 taken as 1"},
    {"!GC 0.01", AtWaypointWithLimit{6}, "an interval the leg pass replaces by 5 taken"},
    {"!GC 5x", AtWaypointWithLimit{6}, "letters after the interval dropped"},
    {"!CHART 2675abc", AtLine{44}, "letters after the chart number dropped"},
    {"!CHART 1e4", AtLine{44}, "an exponent dropped: chart 1e4 read as chart 1"},
    {"!ZD 12.5", AtWaypoint{4}, "a zone above 12 accepted"},
    {"!ZD -13.5", AtWaypoint{4}, "a zone below -13 accepted"},
    {"!ZD .5", AtWaypoint{4}, "a zone starting with a point accepted"},
    {"!ZD", AtWaypoint{4}, "a zone without a number accepted"},
    {"!STOP -1", AtWaypoint{5}, "a negative stop accepted"},
    {"!STOP 10000.5", AtWaypoint{5}, "a stop above 10000 hours accepted"},
    {"!STOP", AtWaypoint{5}, "a stop without hours accepted"},
    {"!GC 51", AtWaypointWithLimit{6}, "a great-circle interval above 50 accepted"},
    {"!LAT 91N", AtLine{7}, "an impossible latitude request accepted"},
    {"!LAT", AtLine{7}, "an empty latitude request accepted"},
    {"!LON abc", AtLine{9}, "an unreadable longitude request accepted"},
    {"!CHART 0", AtLine{44}, "chart number 0 accepted"},
    {"!CHART 99001", AtLine{44}, "a chart number above 99000 accepted"},
    {"!CHART 12.5", AtLine{44}, "a chart number that is not whole accepted"},
    {"!CHART -5", AtLine{44}, "a negative chart number accepted"},
    {"!CHART 99999999999999999999", AtLine{44}, "a huge chart number accepted"},
    {"!BOGUS", AtLine{46}, "an unknown directive ignored"},
    {"!", AtLine{46}, "a bare mark ignored"},
    {"!S", AtLine{46}, "a letter matching no whole keyword taken for one"},
};

TEST_F(Directives, RefusedArgumentsStopWithTheirMessage) {
  for (const RefusedCase& c : kRefused) {
    SCOPED_TRACE(c.line);
    SCOPED_TRACE(c.catches);
    host.popups.clear();
    EXPECT_EQ(extract(kOnePoint + c.line + "\nEnd\n20N\n30W\n"), kRouteFailed);
    EXPECT_EQ(voyage.count(), 1);
    if (const auto* number = std::get_if<AtWaypoint>(&c.error)) expectErrorAt(*number, 4, 2);
    if (const auto* number = std::get_if<AtLine>(&c.error)) expectError(*number, 4, std::string(kFile));
    if (const auto* number = std::get_if<AtWaypointWithLimit>(&c.error)) {
      expectError(*number, 4, std::string(kFile), 2, 50);
    }
    ASSERT_EQ(host.popups.size(), 1u);
    EXPECT_EQ(host.popups[0].milliseconds, 8000);
  }
}

TEST_F(Directives, SpeedSetsTheLegLeavingTheLastWaypoint) {
  ASSERT_EQ(extract(kOnePoint + "!speed=12.5\n" + waypointText("B", "11N", "20W") + "!SPEEDS 0.01  // dead slow\n" +
                    waypointText("C", "12N", "20W") + "!SPEED = = 1000\n"),
            kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.waypoints[0].speed, 12.5);
  EXPECT_DOUBLE_EQ(voyage.waypoints[1].speed, 0.01);
  EXPECT_DOUBLE_EQ(voyage.waypoints[2].speed, 1000);
  EXPECT_DOUBLE_EQ(voyage.fileSpeed, 1000);
}

TEST_F(Directives, SpeedBeforeAnyWaypointIsOnlyTheFileSpeed) {
  ASSERT_EQ(extract("!SPEED 14,5\n" + kOnePoint + waypointText("B", "11N", "20W")), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.waypoints[0].speed, 0);
  EXPECT_DOUBLE_EQ(voyage.fileSpeed, 14.5);
  EXPECT_EQ(voyage.fileSpeedText, " File spd 14.5000");
}

TEST_F(Directives, FirstWaypointTakesTheFirstZoneEvenWhenGivenLater) {
  ASSERT_EQ(extract(kOnePoint + waypointText("B", "11N", "20W") + "!ZD +3\n" + waypointText("C", "12N", "20W") +
                    "!ZD=-13\n" + waypointText("D", "13N", "20W") + waypointText("E", "14N", "20W")),
            kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.waypoints[0].zoneDescription, 3);
  EXPECT_DOUBLE_EQ(voyage.waypoints[1].zoneDescription, kZoneNotGiven);
  EXPECT_DOUBLE_EQ(voyage.waypoints[2].zoneDescription, 3);
  EXPECT_DOUBLE_EQ(voyage.waypoints[3].zoneDescription, -13);
  EXPECT_DOUBLE_EQ(voyage.waypoints[4].zoneDescription, -13);
}

TEST_F(Directives, LastWaypointWithoutZoneTakesTheCurrentOne) {
  ASSERT_EQ(extract(kOnePoint + waypointText("B", "11N", "20W") + waypointText("C", "12N", "20W") + "!ZD 5\n"),
            kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.waypoints[0].zoneDescription, 5);
  EXPECT_DOUBLE_EQ(voyage.waypoints[1].zoneDescription, kZoneNotGiven);
  EXPECT_DOUBLE_EQ(voyage.waypoints[2].zoneDescription, 5);
}

TEST_F(Directives, StopBelongsToTheLastWaypointAndNeedsOne) {
  ASSERT_EQ(extract(kOnePoint + "!STOP 10000\n" + waypointText("B", "11N", "20W") + "!STOP 0\n"), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.waypoints[0].stopHours, 10000);
  EXPECT_DOUBLE_EQ(voyage.waypoints[1].stopHours, 0);

  EXPECT_EQ(extract("// before any waypoint\n!STOP 2\n" + kOnePoint), kRouteFailed);
  expectErrorAt(5, 2, 1);
}

TEST_F(Directives, GreatCircleIntervalGoesToTheNextWaypointOnly) {
  ASSERT_EQ(extract(kOnePoint + "!GC\n" + waypointText("B", "11N", "20W") + waypointText("C", "12N", "20W") +
                    "!GC 1 // every degree\n" + waypointText("D", "13N", "20W") + "!GC=50\n" + waypointText("E", "14N", "20W") +
                    "!GC 7.5\n!RL\n" + waypointText("F", "15N", "20W") + "!GC none\n" +
                    waypointText("G", "16N", "20W")),
            kVoyageBuilt);
  const auto& w = voyage.waypoints;
  EXPECT_EQ(w[0].greatCircle, 0);
  EXPECT_EQ(w[1].greatCircle, 1);
  EXPECT_DOUBLE_EQ(w[1].gcInterval, 1);
  EXPECT_EQ(w[2].greatCircle, 1);
  EXPECT_DOUBLE_EQ(w[2].gcInterval, 0);
  EXPECT_DOUBLE_EQ(w[3].gcInterval, 1);
  EXPECT_DOUBLE_EQ(w[4].gcInterval, 50);
  EXPECT_EQ(w[5].greatCircle, 0);
  EXPECT_DOUBLE_EQ(w[5].gcInterval, 7.5);  // the pending interval survives !RL
  EXPECT_EQ(w[6].greatCircle, 1);
  EXPECT_DOUBLE_EQ(w[6].gcInterval, 1);
}

TEST_F(Directives, InterceptRequestsRememberTheCurrentChart) {
  ASSERT_EQ(extract("!LAT 45-30N\n!CHART 1234\n!LON = 030-00W\n!LATITUDE -10.5\n" + kOnePoint), kVoyageBuilt);
  ASSERT_EQ(voyage.latitudeRequests.size(), 2u);
  EXPECT_DOUBLE_EQ(voyage.latitudeRequests[0].value, 45.5);
  EXPECT_EQ(voyage.latitudeRequests[0].chart, 0);
  EXPECT_DOUBLE_EQ(voyage.latitudeRequests[1].value, -10.5);
  EXPECT_EQ(voyage.latitudeRequests[1].chart, 1234);
  ASSERT_EQ(voyage.longitudeRequests.size(), 1u);
  EXPECT_DOUBLE_EQ(voyage.longitudeRequests[0].value, -30);
  EXPECT_EQ(voyage.longitudeRequests[0].chart, 1234);
}

TEST_F(Directives, InterceptRequestListsHoldNineHundredNinetyNine) {
  std::string text;
  for (int i = 0; i < kMaxInterceptRequests; ++i) text += "!LAT 10N\n!LON 10W\n";
  ASSERT_EQ(extract(text + kOnePoint), kVoyageBuilt);
  EXPECT_EQ(voyage.latitudeRequests.size(), 999u);

  EXPECT_EQ(extract(text + "!LON 5E\n"), kRouteFailed);
  expectError(10, 1000, 1999, std::string(kFile));
  EXPECT_EQ(extract(text + "!LAT 5N\n"), kRouteFailed);
  expectError(8, 1000, 1999, std::string(kFile));
}

TEST_F(Directives, TextDirectivesTakeTheTrimmedRestOfTheLine) {
  settings.VESSEL = "Old Name";
  ASSERT_EQ(extract("!VESSEL =  Aurora Borealis  \n!CALL=LXAB\n!REMARK Ice class 1A\n"
                    "!DEPARTING Falmouth, Cornwall\n!ARRIVING\tÅlesund\n!VESSEL    \n!CALL \x1b[2J\n" +
                    kOnePoint),
            kVoyageBuilt);
  EXPECT_EQ(settings.VESSEL, "Aurora Borealis");
  EXPECT_EQ(settings.CALL, "LXAB");
  EXPECT_EQ(settings.REMARK, "Ice class 1A");
  EXPECT_EQ(voyage.departurePort, "Falmouth, Cornwall");
  EXPECT_EQ(voyage.arrivalPort, "Ålesund");
}

TEST_F(Directives, TextDirectivesKeepTheirLimits) {
  const std::string longText(240, 'V');
  std::string accented = "V";
  for (int i = 0; i < 60; ++i) accented += "Å";  // two bytes each: the 100-byte limit falls inside one
  ASSERT_EQ(extract("!VESSEL " + accented + "\n!CALL " + longText + "\n!REMARK " + longText + "\n"), kVoyageEmpty);
  EXPECT_EQ(settings.VESSEL, "V" + accented.substr(1, 98)) << "a character cut in half";
  EXPECT_EQ(settings.CALL.size(), 50u);
  EXPECT_EQ(settings.REMARK.size(), 240u);
}

TEST_F(Directives, NotesKeepTheirLeadingSpacesAndStopAtTwoHundred) {
  ASSERT_EQ(extract("!NOTE  two spaces\n!NOTES=x\n" + kOnePoint), kVoyageBuilt);
  ASSERT_EQ(voyage.notes.size(), 2u);
  EXPECT_EQ(voyage.notes[0], "  two spaces");
  EXPECT_EQ(voyage.notes[1], "=x");

  std::string text;
  for (int i = 0; i < kMaxNotes; ++i) text += "!NOTE n\n";
  ASSERT_EQ(extract(text), kVoyageEmpty);
  EXPECT_EQ(extract(text + "!NOTE one too many\n"), kRouteFailed);
  expectError(45, 200, 201, std::string(kFile));
}

TEST_F(Directives, ChartsAreListedOnceInOrderOfFirstAppearance) {
  ASSERT_EQ(extract("!CHART 2675\n!CHARTS 1234\n!CHART 2675\n!CHART\n!CHART see folio\n" + kOnePoint),
            kVoyageBuilt);
  EXPECT_EQ(voyage.charts, (std::vector<int>{2675, 1234}));
}

TEST_F(Directives, SetFixesTheSpeedForTheWaypointsThatFollowUntilUnset) {
  ASSERT_EQ(extract(kOnePoint + waypointText("B", "11N", "20W") + "!SPEED 12\n!SET\n" +
                    waypointText("C", "12N", "20W") + waypointText("D", "13N", "20W") + "!UNSET\n" +
                    waypointText("E", "14N", "20W")),
            kVoyageBuilt);
  const auto& w = voyage.waypoints;
  EXPECT_EQ(w[0].speedFixed, 0);
  EXPECT_DOUBLE_EQ(w[1].speed, 12);
  EXPECT_EQ(w[1].speedFixed, 1);
  EXPECT_DOUBLE_EQ(w[2].speed, 12);
  EXPECT_EQ(w[2].speedFixed, 1);
  EXPECT_DOUBLE_EQ(w[3].speed, 0);  // !UNSET took it back
  EXPECT_EQ(w[3].speedFixed, 0);
  EXPECT_DOUBLE_EQ(w[4].speed, 0);
  EXPECT_EQ(w[4].speedFixed, 0);
}

TEST_F(Directives, ReleasedStateClearsTheSpeedWhenPlanningToAnArrivalTime) {
  // Without an arrival time the extraction's arrival check ends the mode
  // and clears the file speed, so the mode is set before each extraction
  // and the speed the route text left is read from routeFileSpeed.
  voyage.arrivalTimeMode = true;
  ASSERT_EQ(extract("!SPEED 12\n" + kOnePoint + waypointText("B", "11N", "20W")), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.routeFileSpeed, 0);

  voyage.arrivalTimeMode = true;
  ASSERT_EQ(extract("!SPEED 12\n!SET\n" + kOnePoint + "!AVE\n" + waypointText("B", "11N", "20W")), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.routeFileSpeed, 0);

  voyage.arrivalTimeMode = true;
  ASSERT_EQ(extract("!SPEED 12\n!SET\n" + kOnePoint + waypointText("B", "11N", "20W")), kVoyageBuilt);
  EXPECT_DOUBLE_EQ(voyage.routeFileSpeed, 12);
}

TEST_F(Directives, OffHidesEverythingUntilOn) {
  ASSERT_EQ(extract(kOnePoint + "!OFF\n" + waypointText("Hidden", "50N", "50W") +
                    "!SPEED 0\n!BOGUS\n!VESSEL Hidden\n!ONWARD\n" + waypointText("B", "11N", "20W") +
                    "!OFF\n!ON\n" + waypointText("C", "12N", "20W")),
            kVoyageBuilt);
  ASSERT_EQ(voyage.count(), 3);
  EXPECT_EQ(voyage.waypoints[1].name, paddedWaypointName("B"));
  EXPECT_NE(settings.VESSEL, "Hidden");
}

TEST_F(Directives, EveryMenuTemplateIsADirectiveTheRouteUnderstands) {
  for (const DirectiveTemplate& t : kDirectiveTemplates) {
    std::string inserted(t.insertedText);
    if (inserted.back() != '\n') inserted += "1";  // the user's argument
    EXPECT_EQ(extract(kOnePoint + inserted + "\n" + waypointText("B", "11N", "20W")), kVoyageBuilt) << t.menuText;
    EXPECT_TRUE(voyage.errors.empty()) << t.menuText;
  }
}

}  // namespace
}  // namespace z5::test
