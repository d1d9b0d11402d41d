// The $CCWPL sentence: quantised coordinates whose minutes never roll over
// to 60, the hemispheres, and the name kept as stored.

#include "report/WaypointSentenceFormat.h"

#include <gtest/gtest.h>

#include "route/WaypointSentence.h"

namespace z5 {
namespace {

struct SentenceCase {
  const char* legend;  // the fault the row would catch
  double latitude;
  double longitude;
  bool extra;
  const char* expected;
};

TEST(WaypointSentenceFormat, WritesTheCoordinateFieldsAsTheTableShows) {
  const std::string name = "NAME";
  const SentenceCase cases[] = {
      {"47.99999 minutes printed as 47.99, not 48.00", 37.8, 5.125, false, "$CCWPL,3748.00,N,00507.50,E,NAME\n"},
      {"three decimals not used with extra precision", 37.8, 5.125, true, "$CCWPL,3748.000,N,00507.500,E,NAME\n"},
      {"west and south not signed by their letter", -37.8, -122.5, false, "$CCWPL,3748.00,S,12230.00,W,NAME\n"},
      {"59.99994 minutes rolled over to 60", 10.999999, 0, false, "$CCWPL,1059.99,N,00000.00,E,NAME\n"},
      {"59.99994 minutes rolled over to 60 with three decimals", 10.999999, 0, true,
       "$CCWPL,1059.999,N,00000.000,E,NAME\n"},
      {"a fraction of .996 printed as 12.100 instead of the next minute", 10 + 12.996 / 60, 0, false,
       "$CCWPL,1013.00,N,00000.00,E,NAME\n"},
      {"a fraction just below .995 rounded up", 10 + 12.994 / 60, 0, false, "$CCWPL,1012.99,N,00000.00,E,NAME\n"},
      {"longitude 180 not in three degree digits", 0, 180, false, "$CCWPL,0000.00,N,18000.00,E,NAME\n"},
      {"the poles", -90, -180, false, "$CCWPL,9000.00,S,18000.00,W,NAME\n"},
  };
  for (const SentenceCase& c : cases) {
    EXPECT_EQ(formatWaypointSentence(name, c.latitude, c.longitude, c.extra), c.expected) << c.legend;
  }
}

TEST(WaypointSentenceFormat, NameKeepsItsTrailingBlanks) {
  EXPECT_EQ(formatWaypointSentence("USHANT            ", 48.5, -5.75, false),
            "$CCWPL,4830.00,N,00545.00,W,USHANT            \n");
}

TEST(WaypointSentenceFormat, NameLosesItsLeadingBlanksSoThatTheSentenceReadsBack) {
  const std::string sentence = formatWaypointSentence("   EUROPA POINT   ", 36.108333, -5.341667, false);
  EXPECT_EQ(sentence, "$CCWPL,3606.50,N,00520.50,W,EUROPA POINT   \n");
  EXPECT_EQ(decodeWaypointSentence(sentence).result, WaypointSentence::kValid);
  EXPECT_EQ(formatWaypointSentence("      ", 0, 0, false), "$CCWPL,0000.00,N,00000.00,E,\n");
}

TEST(WaypointSentenceFormat, NameIsPrintableAsciiWithoutTheReservedCharacters) {
  struct NameCase {
    const char* legend;
    const char* name;
    const char* field;
  };
  const NameCase cases[] = {
      {"UTF-8 bytes in an ASCII sentence", "\xC3\x8Ele d'Ouessant", "Ile d'Ouessant"},
      {"a character without ASCII form dropped or sent raw", "Ouessant \xE2\x9C\x93", "Ouessant ?"},
      {"a comma splitting the name into two fields", "Bucht, Nord", "Bucht? Nord"},
      {"a star taken for the checksum", "A*B", "A?B"},
      {"a dollar starting a new sentence", "$GPRMC", "?GPRMC"},
      {"a tab sent raw", "A\tB", "A?B"},
      {"control characters leading the name sent as blanks, so that it does not read back", "\x01\x1E" "BISHOP",
       "BISHOP"},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(formatWaypointSentence(c.name, 0, 0, false), std::string("$CCWPL,0000.00,N,00000.00,E,") + c.field + "\n")
        << c.legend;
  }
}

TEST(WaypointSentenceFormat, SentenceReadsBackAsTheSameWaypoint) {
  const double positions[][2] = {{50.667500, -1.085}, {36.108333, -5.341667}, {-33.9, 151.283333}, {0, 0}};
  for (const auto& p : positions) {
    for (bool extra : {false, true}) {
      const std::string sentence = formatWaypointSentence("POINT", p[0], p[1], extra);
      const WaypointSentence back = decodeWaypointSentence(sentence);
      ASSERT_EQ(back.result, WaypointSentence::kValid) << sentence;
      const double step = extra ? 0.001 / 60 : 0.01 / 60;
      EXPECT_NEAR(back.latitude, p[0], step / 2 + 1e-12) << sentence;
      EXPECT_NEAR(back.longitude, p[1], step / 2 + 1e-12) << sentence;
    }
  }
}

}  // namespace
}  // namespace z5
