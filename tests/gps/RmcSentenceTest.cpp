// Reading the fix sentence field by field, and sorting receiver lines.

#include <gtest/gtest.h>

#include "GpsTestSupport.h"
#include "gps/NmeaLine.h"
#include "gps/RmcSentence.h"

namespace z5 {
namespace {

using test::nmea;

// The same sentence with its checksum digits in lower case.
std::string lowerCaseChecksum(std::string sentence) {
  for (std::size_t i = sentence.find('*'); i < sentence.size(); ++i) {
    if (sentence[i] >= 'A' && sentence[i] <= 'F') sentence[i] = static_cast<char>(sentence[i] - 'A' + 'a');
  }
  return sentence;
}

TEST(GpsRmcSentence, ReadsTheTextbookSentence) {
  const RmcReading r = readRmcSentence("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A");
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.fix.hour, 12);
  EXPECT_EQ(r.fix.minute, 35);
  EXPECT_DOUBLE_EQ(r.fix.second, 19);
  EXPECT_NEAR(r.fix.latitude, 48.1173, 1e-9);
  EXPECT_NEAR(r.fix.longitude, 11.516666666, 1e-8);
  EXPECT_DOUBLE_EQ(r.fix.speed, 22.4);
  EXPECT_DOUBLE_EQ(r.fix.course, 84.4);
}

struct Accepted {
  const char* legend;
  std::string sentence;
  double second, latitude, longitude, speed, course;
};

TEST(GpsRmcSentence, AcceptedFieldsReadAsTheReceiverMeantThem) {
  const Accepted rows[] = {
      {"a half second is kept (fraction dropped or misplaced)",
       nmea("GPRMC,123519.5,A,4807.038,N,01131.000,E,022.4,084.4,,,"), 19.5, 48.1173, 11.5166667, 22.4, 84.4},
      {"a third decimal of the second is ignored",
       nmea("GPRMC,123519.567,A,4807.038,N,01131.000,E,022.4,084.4,,,"), 19.56, 48.1173, 11.5166667, 22.4, 84.4},
      {"south and west are negative (hemisphere ignored)",
       nmea("GPRMC,000000,A,3354.5087,S,07726.4523,W,0.0,0.0,,,"), 0, -33.908478, -77.440872, 0, 0},
      {"a course of 360.0 is north (course shown as 360)",
       nmea("GPRMC,000000,A,0000.000,N,00000.000,E,1.0,360.0,,,"), 0, 0, 0, 1, 0},
      {"359.9 stays 359.9 (wrap applied too early)",
       nmea("GPRMC,000000,A,0000.000,N,00000.000,E,1.0,359.9,,,"), 0, 0, 0, 1, 359.9},
      {"an empty course while stationary leaves the course unknown (fix refused)",
       nmea("GPRMC,152505.00,A,5547.82113,N,02334.14130,E,0.253,,091209,,,A"), 5, 55.797019, 23.569022, 0.253,
       kUnknownCourse},
      {"an empty speed reads 0 (fix refused)", nmea("GPRMC,152505,A,5547.821,N,02334.141,E,,10.0,,,"), 5,
       55.797017, 23.569017, 0, 10},
      {"a sentence without checksum is read (checksum demanded)",
       "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W", 19, 48.1173, 11.5166667, 22.4, 84.4},
      {"lower-case checksum digits are accepted (hex read upper only)",
       lowerCaseChecksum(nmea("GPRMC,205150.00,A,4807.038,N,01131.000,E,022.4,084.4,,,")), 50, 48.1173, 11.5166667, 22.4, 84.4},
      {"a carriage return at the end is ignored", nmea("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4"), 19,
       48.1173, 11.5166667, 22.4, 84.4},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.legend);
    const RmcReading r = readRmcSentence(row.sentence);
    ASSERT_TRUE(r.accepted);
    EXPECT_NEAR(r.fix.second, row.second, 1e-9);
    EXPECT_NEAR(r.fix.latitude, row.latitude, 1e-6);
    EXPECT_NEAR(r.fix.longitude, row.longitude, 1e-6);
    EXPECT_NEAR(r.fix.speed, row.speed, 1e-9);
    EXPECT_NEAR(r.fix.course, row.course, 1e-9);
  }
}

struct Refused {
  const char* legend;
  std::string sentence;
  bool positionRead;
};

TEST(GpsRmcSentence, MalformedSentencesAreRefusedWithoutReadingPastThem) {
  const Refused rows[] = {
      {"empty text", "", false},
      {"no comma at all", "$GPRMC", false},
      {"empty time field (void receiver)", "$GPRMC,,V,,,,,,,,,,N*53", false},
      {"status V", nmea("GPRMC,123519,V,4807.038,N,01131.000,E,022.4,084.4,,,"), false},
      {"time of five characters would read the comma", nmea("GPRMC,12351,A,4807.038,N,01131.000,E,1.0,1.0,,,"),
       false},
      {"letters in the time give hour 170", nmea("GPRMC,AB3519,A,4807.038,N,01131.000,E,1.0,1.0,,,"), false},
      {"hour 24 is no time of day", nmea("GPRMC,243519,A,4807.038,N,01131.000,E,1.0,1.0,,,"), false},
      {"latitude without a point", nmea("GPRMC,123519,A,4807,N,01131.000,E,1.0,1.0,,,"), false},
      {"bare points read as a fix at 0,0", "$GPRMC,123519,A,.,N,.,E,0.0,0.0,230394,,*2F", false},
      {"a bare point read as a speed of 0", nmea("GPRMC,123519,A,4807.038,N,01131.000,E,.,084.4,,,"), true},
      {"latitude without its degree digits", nmea("GPRMC,123519,A,07.038,N,01131.000,E,1.0,1.0,,,"), false},
      {"longitude short of a degree digit", nmea("GPRMC,123519,A,4807.038,N,1131.000,E,1.0,1.0,,,"), false},
      {"latitude with a digit too many", nmea("GPRMC,123519,A,04807.038,N,01131.000,E,1.0,1.0,,,"), false},
      {"a letter among the latitude digits", nmea("GPRMC,123519,A,48O7.038,N,01131.000,E,1.0,1.0,,,"), false},
      {"60 minutes of latitude", nmea("GPRMC,123519,A,4860.000,N,01131.000,E,1.0,1.0,,,"), false},
      {"a latitude beyond the pole (power-up garbage)",
       nmea("GPRMC,235946.005,A,9100.000000,N,00000.000000,E,0.000,0.00,050180,,,N"), false},
      {"longitude beyond 180", nmea("GPRMC,123519,A,4807.038,N,18101.000,E,1.0,1.0,,,"), false},
      {"hemisphere letter missing", nmea("GPRMC,123519,A,4807.038,,01131.000,E,1.0,1.0,,,"), false},
      {"wrong hemisphere letter", nmea("GPRMC,123519,A,4807.038,E,01131.000,E,1.0,1.0,,,"), false},
      {"longitude hemisphere N", nmea("GPRMC,123519,A,4807.038,N,01131.000,N,1.0,1.0,,,"), false},
      {"speed without a point: position already read",
       nmea("GPRMC,123519,A,4807.038,N,01131.000,E,22,084.4,,,"), true},
      {"a sign in the course: position already read",
       nmea("GPRMC,123519,A,4807.038,N,01131.000,E,22.4,-84.4,,,"), true},
      {"a course of 400 is impossible", nmea("GPRMC,123519,A,4807.038,N,01131.000,E,22.4,400.0,,,"), true},
      {"truncated before the course", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4", false},
      {"one digit of the checksum corrupted",
       "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6B", false},
      {"a digit of the position corrupted in transit",
       "$GPRMC,123519,A,4807.033,N,01131.000,E,022.4,084.4,230394,003.1,W*6A", false},
      {"a checksum that is not hex", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4*G1", false},
      {"a checksum cut short", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4*6", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.legend);
    const RmcReading r = readRmcSentence(row.sentence);
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.positionRead, row.positionRead);
  }
}

TEST(GpsRmcSentence, NoMinusSignOnTheEquatorOrTheMeridian) {
  const RmcReading r = readRmcSentence(nmea("GPRMC,000000,A,0000.000,S,00000.000,W,1.0,1.0,,,"));
  ASSERT_TRUE(r.accepted);
  EXPECT_FALSE(std::signbit(r.fix.latitude));
  EXPECT_FALSE(std::signbit(r.fix.longitude));
}

struct LineRow {
  const char* legend;
  const char* line;
  NmeaLineKind kind;
};

TEST(GpsNmeaLine, OnlySatelliteReceiversCountAndOnlyTheirRmcIsAFix) {
  const LineRow rows[] = {
      {"GPS fix", "$GPRMC,1", NmeaLineKind::Fix},
      {"multi-system receivers report as GN (ignored: no fix from modern units)", "$GNRMC,1", NmeaLineKind::Fix},
      {"GLONASS-only fix", "$GLRMC,1", NmeaLineKind::Fix},
      {"other GPS sentences only show the receiver talks", "$GPGGA,1", NmeaLineKind::Satellite},
      {"an instrument relaying a position is not the receiver", "$IIRMC,1", NmeaLineKind::Other},
      {"case matters", "$gprmc,1", NmeaLineKind::Other},
      {"depth sounder", "$SDDPT,1", NmeaLineKind::Other},
      {"no dollar", "GPRMC,1", NmeaLineKind::Other},
      {"too short to name a talker", "$G", NmeaLineKind::Other},
      {"just the talker", "$GP", NmeaLineKind::Satellite},
      {"empty line", "", NmeaLineKind::Other},
  };
  for (const auto& row : rows) EXPECT_EQ(classifyNmeaLine(row.line), row.kind) << row.legend;
}

}  // namespace
}  // namespace z5
