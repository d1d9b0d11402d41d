// Waypoints as route lines: the three-line entry, the $CCWPL sentence, and
// how lines are cut and counted.

#include <string>

#include "RouteTesting.h"
#include "route/RouteLines.h"
#include "route/WaypointSentence.h"

namespace z5::test {
namespace {

class WaypointLines : public RouteTest {};

TEST_F(WaypointLines, NameIsTheFirstEighteenCharactersPadded) {
  ASSERT_EQ(extract(waypointText("  Bishop Rock", "49-50N", "6-35W") +
                    waypointText("A name much longer than eighteen", "50N", "7W")),
            kVoyageBuilt);
  EXPECT_EQ(voyage.waypoints[0].name, "  Bishop Rock     ");
  EXPECT_EQ(voyage.waypoints[1].name, "A name much longer");
  EXPECT_DOUBLE_EQ(voyage.waypoints[0].latitude, 49 + 50.0 / 60);
  EXPECT_DOUBLE_EQ(voyage.waypoints[0].longitude, -(6 + 35.0 / 60));
  EXPECT_EQ(voyage.waypoints[0].kind, kOrdinaryPoint);
}

TEST_F(WaypointLines, BlankAndCommentLinesMayStandBetweenTheLines) {
  ASSERT_EQ(extract("Lizard\n\n// a comment between name and latitude\n   \n49-55N\n  // another\n\n5-12W\n"),
            kVoyageBuilt);
  ASSERT_EQ(voyage.count(), 1);
  EXPECT_DOUBLE_EQ(voyage.waypoints[0].longitude, -(5 + 12.0 / 60));
}

struct BrokenCase {
  const char* text;
  ErrorNumber<int, std::string, int> error;
  int line;
  int waypointNumber;
  int milliseconds;
  const char* catches;
};

constexpr BrokenCase kBroken[] = {
    {"A\n10N\n20W\nB\n", 16, 4, 2, 8000, "end of text after a name line accepted"},
    {"A\n10N\n20W\nB\n// only a comment\n\n", 16, 6, 2, 8000, "comments taken for a latitude"},
    {"A\n10N\n20W\nB\n11N\n", 18, 5, 2, 3000, "end of text after the latitude accepted"},
    {"A\n10N\n20W\nB\n!SPEED 12\n11N\n20W\n", 17, 5, 2, 3000, "a directive between name and latitude skipped"},
    {"A\n10N\n20W\nB\n95N\n20W\n", 17, 5, 2, 3000, "an impossible latitude accepted"},
    {"A\n10N\n20W\nB\n11N\n20N\n", 19, 6, 2, 3000, "a latitude letter on the longitude line accepted"},
    {"A\n10N\n20W\nB\n10-00N\n020-00.00W\n", 20, 6, 2, 3000, "a repeated position accepted"},
};

TEST_F(WaypointLines, BrokenEntriesStopWithTheirMessageAndKeepTheCompleteWaypoints) {
  for (const BrokenCase& c : kBroken) {
    SCOPED_TRACE(c.catches);
    host.popups.clear();
    EXPECT_EQ(extract(c.text), kRouteFailed);
    EXPECT_EQ(voyage.count(), 1) << "the record being built must be released";
    expectErrorAt(c.error, c.line, c.waypointNumber);
    ASSERT_FALSE(host.popups.empty());
    EXPECT_EQ(host.popups.back().milliseconds, c.milliseconds);
  }
}

TEST_F(WaypointLines, SamePositionIsOnlyAnErrorForConsecutiveWaypoints) {
  EXPECT_EQ(extract(waypointText("A", "10N", "20W") + waypointText("B", "11N", "20W") +
                    waypointText("C", "10N", "20W")),
            kVoyageBuilt);
}

TEST(RouteLines, LongLinesAreCutAndCountOnce) {
  const std::string exact(255, 'a');
  const std::string longer(300, 'b');
  const std::string text = exact + "\r\n" + longer + "\nlast";
  RouteLines lines(text);
  EXPECT_EQ(lines.next(), exact);
  EXPECT_EQ(lines.lineNumber(), 1);
  EXPECT_EQ(lines.next(), longer.substr(0, 255));
  EXPECT_EQ(lines.lineNumber(), 2);
  EXPECT_EQ(lines.next(), "last");
  EXPECT_EQ(lines.next(), std::nullopt);
  EXPECT_EQ(lines.lineNumber(), 3);

  std::string accents;
  for (int i = 0; i < 300; ++i) accents += "\xC3\xA9";
  EXPECT_EQ(RouteLines(accents).next(), accents.substr(0, 2 * 255)) << "a line cut in bytes, not characters";
}

TEST(RouteLines, CarriageReturnsBeforeLineEndsAreDropped) {
  RouteLines lines("a\r\n\r\nb\r");
  EXPECT_EQ(lines.next(), "a");
  EXPECT_EQ(lines.next(), "");
  EXPECT_EQ(lines.next(), "b");
  EXPECT_EQ(lines.next(), std::nullopt);
}

TEST_F(WaypointLines, TheTailOfALongCommentIsNeitherAWaypointNorALine) {
  EXPECT_EQ(extract("// " + std::string(300, 'x') + "\nA\nbad\n20W\n"), kRouteFailed);
  expectErrorAt(17, 3, 1);
  EXPECT_EQ(voyage.errors.back().lineText, "bad");
}

struct SentenceCase {
  const char* line;
  int result;
  const char* catches;
};

constexpr SentenceCase kSentences[] = {
    {"$CCWPL,3748.00,N,12230.00,W,GOLDEN GATE", 0, "a valid sentence refused"},
    {"$CCWPL,3748.000,s,00507.50,e,X", 0, "lower-case hemispheres or three decimals refused"},
    {"$CCWPL;3748.00,N,12230.00,W,A", 1, "a missing comma after the tag accepted"},
    {"$CCWPL,374.00,N,12230.00,W,A", 1, "a three-digit latitude accepted"},
    {"$CCWPL,3748.0,N,12230.00,W,A", 1, "one decimal of minutes accepted"},
    {"$CCWPL,3748.00N,12230.00,W,A", 1, "no comma before the hemisphere accepted"},
    {"$CCWPL,9100.00,N,12230.00,W,A", 2, "a latitude above 90 accepted"},
    {"$CCWPL,3760.00,N,12230.00,W,A", 2, "60 minutes of latitude accepted"},
    {"$CCWPL,3748.00,E,12230.00,W,A", 2, "an east letter on the latitude accepted"},
    {"$CCWPL,3748.00,N;12230.00,W,A", 1, "a missing comma after the latitude letter accepted"},
    {"$CCWPL,3748.00,N,1223.00,W,A", 1, "a four-digit longitude accepted"},
    {"$CCWPL,3748.00,N,12230.00,N,A", 3, "a north letter on the longitude accepted"},
    {"$CCWPL,3748.00,N,18100.00,W,A", 3, "a longitude above 180 accepted"},
    {"$CCWPL,3748.00,N,12230.00,W", 1, "a missing comma before the name accepted"},
    {"$CCWPL,3748.00,N,12230.00,W,", 4, "an empty name accepted"},
    {"$CCWPL,3748.00,N,12230.00,W, A", 4, "a name starting with a blank accepted"},
    {"$CCWPL,3748.00,N,12230.00,W,\x01\x1E" "A", 4, "a name starting with a control character accepted"},
    {"$CCWPL", 1, "a bare tag accepted"},
    {"$CCWPL,4950.00,N,00635.00,W,BISHOP*49", 0, "a matching checksum refused"},
    {"$CCWPL,4950.00,N,00635.00,W,BISHOP*49  ", 0, "blanks after the checksum refused"},
    {"$CCWPL,4950.00,N,00635.00,W,BISHOP*48", 5, "a wrong checksum not noticed"},
    {"$CCWPL,4950.00,N,00635.00,W,BISHOP*4", 1, "a checksum cut short accepted"},
    {"$CCWPL,4950.00,N,00635.00,W,BISHOP*4G", 1, "a checksum that is not hexadecimal accepted"},
    {"$CCWPL,4950.00,N,00635.00,W,BISHOP*49X", 1, "text after the checksum accepted"},
    {"$CCWPL,4950.00,N,00635.00,W,*46", 4, "the checksum taken for the name"},
};

TEST(WaypointSentenceDecode, ResultsFollowTheFirstFault) {
  for (const SentenceCase& c : kSentences) {
    EXPECT_EQ(decodeWaypointSentence(c.line).result, c.result) << c.line << ": " << c.catches;
  }
}

TEST(WaypointSentenceDecode, ValuesAndNameAreDecoded) {
  const WaypointSentence s = decodeWaypointSentence("$CCWPL,3748.00,S,00507.50,E,BUOY 12 with a long name\r");
  EXPECT_DOUBLE_EQ(s.latitude, -37.8);
  EXPECT_DOUBLE_EQ(s.longitude, 5.125);
  EXPECT_EQ(s.name, "BUOY 12 with a lon");
  EXPECT_EQ(decodeWaypointSentence("$CCWPL,4950.00,N,00635.00,W,BISHOP*49").name, "BISHOP            ")
      << "the checksum is not part of the name";
}

TEST_F(WaypointLines, SentencesAreWaypointsAndTheirFaultsStopTheRoute) {
  ASSERT_EQ(extract("$CCWPL,4955.00,N,00512.00,W,LIZARD            \n"
                    "$CCWPL,4950.00,N,00635.00,W,BISHOP ROCK\n"),
            kVoyageBuilt);
  ASSERT_EQ(voyage.count(), 2);
  EXPECT_EQ(voyage.waypoints[0].name, "LIZARD            ");
  EXPECT_DOUBLE_EQ(voyage.waypoints[1].longitude, -(6 + 35.0 / 60));

  struct Fault {
    const char* line;
    ErrorNumber<int, std::string, int> error;
  };
  for (const Fault f : {Fault{"$CCWPL,4955.00,N,00512.00,W", 85}, Fault{"$CCWPL,9955.00,N,00512.00,W,X", 17},
                        Fault{"$CCWPL,4955.00,N,00512.00,X,X", 19}}) {
    EXPECT_EQ(extract(waypointText("A", "10N", "20W") + f.line + "\n"), kRouteFailed) << f.line;
    expectErrorAt(f.error, 4, 2);
    EXPECT_EQ(host.popups.back().milliseconds, 3000);
  }
  EXPECT_EQ(extract(waypointText("A", "10N", "20W") + "$CCWPL,4955.00,N,00512.00,W,\n"), kRouteFailed);
  expectErrorAt(84, 4, 2);
  EXPECT_EQ(host.popups.back().milliseconds, 3000);
  EXPECT_EQ(voyage.count(), 1);

  EXPECT_EQ(extract(waypointText("A", "10N", "20W") + "$CCWPL,4950.00,N,00635.00,W,BISHOP*48\n"), kRouteFailed);
  EXPECT_EQ(host.popups.back().text,
            "Line 4 of " + std::string(kFile) +
                " (waypoint 2): the $CCWPL sentence fails its checksum (*48 written, *49 computed from the sentence).");
  EXPECT_EQ(voyage.errors.back().line, 4);
  EXPECT_EQ(host.popups.back().milliseconds, 3000);
}

struct NameCase {
  const char* nameLine;
  const char* name;  // as stored, 18 characters
  const char* catches;
};

constexpr NameCase kNames[] = {
    {"\xC3\x8Ele d'Ouessant \xE2\x9C\x93 \xC3\xA9tape", "\xC3\x8Ele d'Ouessant \xE2\x9C\x93 \xC3\xA9",
     "a name cut at byte 18, splitting a character"},
    {"Ouessant \xE2\x9C\x93", "Ouessant \xE2\x9C\x93        ", "padding counted in bytes, leaving the column short"},
    {"\xCEle d'Ouessant", "\xC3\x8Ele d'Ouessant    ", "a Latin-1 name kept as bytes that are not UTF-8"},
    {"Cap Fr\xE9hel \xE0 l'est du cap", "Cap Fr\xC3\xA9hel \xC3\xA0 l'est", "a Latin-1 name cut by bytes after conversion"},
    {"\xC0\xAFverlong", "\xC3\x80\xC2\xAFverlong         ", "an overlong UTF-8 form taken for UTF-8"},
};

TEST_F(WaypointLines, NamesAreUtf8OfEighteenCharacters) {
  for (const NameCase& c : kNames) {
    SCOPED_TRACE(c.catches);
    ASSERT_EQ(extract(waypointText(c.nameLine, "10N", "20W")), kVoyageBuilt);
    EXPECT_EQ(voyage.waypoints[0].name, c.name);
  }
}

TEST_F(WaypointLines, EachLineIsReadAsUtf8OrLatin1OnItsOwn) {
  ASSERT_EQ(extract(waypointText("\xCEle", "10N", "20W") + waypointText("\xC3\x8Ele", "11N", "20W") +
                    "!VESSEL M\xC6RSK\n"),
            kVoyageBuilt);
  EXPECT_EQ(voyage.waypoints[0].name, voyage.waypoints[1].name);
  EXPECT_EQ(settings.VESSEL, "M\xC3\x86RSK");
}

TEST_F(WaypointLines, SentenceTagCountsOnlyInTheFirstColumn) {
  EXPECT_EQ(extract(" $CCWPL,4955.00,N,00512.00,W,LIZARD\n10N\n20W\n"), kVoyageBuilt);
  EXPECT_EQ(voyage.waypoints[0].name, " $CCWPL,4955.00,N,");
}

}  // namespace
}  // namespace z5::test
