#include "route/PositionText.h"

#include <cmath>

#include "RouteTesting.h"
#include "route/Waypoint.h"

namespace z5::test {
namespace {

constexpr PositionKind kLat = PositionKind::Latitude;
constexpr PositionKind kLon = PositionKind::Longitude;

struct ParseCase {
  const char* text;
  PositionKind kind;
  double expected;  // kNoPosition: an error
  const char* catches;
};

constexpr ParseCase kParseCases[] = {
    {"37.5", kLat, 37.5, "decimal degrees read as degrees and minutes"},
    {"37,5", kLat, 37.5, "decimal comma not accepted"},
    {"-122.25", kLon, 122.25, "a minus on a longitude not flipping the default west"},
    {"122.25W", kLon, -122.25, "hemisphere letter ignored"},
    {"37 30.5 N", kLat, 37 + 30.5 / 60, "blank-separated minutes misread"},
    {"037-30.50S", kLat, -(37 + 30.5 / 60), "dash form or south letter misread"},
    {"37 30 15 N", kLat, 37 + 30.0 / 60 + 15.0 / 3600, "seconds dropped"},
    {"37-30-15N", kLat, 37 + 30.0 / 60 + 15.0 / 3600, "seconds in dash form dropped"},
    {"37'30\"15 n", kLat, 37 + 30.0 / 60 + 15.0 / 3600, "apostrophes and quotes not skipped as fill"},
    {"  +45", kLat, 45, "leading blanks or plus sign refused"},
    {"122-30W", kLon, -122.5, "west letter"},
    {"122-30", kLon, -122.5, "a longitude without letter must be west"},
    {"-122-30", kLon, 122.5, "minus on a letterless longitude must give east"},
    {"122-30E", kLon, 122.5, "east letter"},
    {"-45-30N", kLat, 45.5, "the letter must override the minus"},
    {"45", kLat, 45, "whole degrees alone"},
    {"45 .5", kLat, 45 + 0.5 / 60, "a separator before the minutes starts a fraction"},
    {"45.5.3", kLat, kNoPosition, "a second decimal point accepted"},
    {"90-00.01N", kLat, kNoPosition, "latitude above 90 accepted"},
    {"90-00.00N", kLat, 90, "the pole refused"},
    {"180-00.00W", kLon, -180, "the 180th meridian refused"},
    {"180-00.01E", kLon, kNoPosition, "longitude above 180 accepted"},
    {"45-60N", kLat, kNoPosition, "60 minutes accepted"},
    {"45-30-60N", kLat, kNoPosition, "60 seconds accepted"},
    {"45-59.999N", kLat, 45 + 59.999 / 60, "decimal minutes just below 60 refused"},
    {"45-30 // text", kLat, 45.5, "a trailing comment refused"},
    {"45-30/2", kLat, kNoPosition, "a single slash after the value accepted"},
    {"45-30 /", kLat, kNoPosition, "a single slash after fill accepted"},
    {"45--30", kLat, kNoPosition, "two dashes accepted"},
    {"45-30.5.", kLat, kNoPosition, "a separator repeated after decimal minutes accepted"},
    {"0-00.0000001N", kLat, 0, "a tiny value not rounded to exactly 0"},
    {"", kLat, kNoPosition, "empty text accepted"},
    {"   ", kLat, kNoPosition, "blank text accepted"},
    {"N45", kLat, kNoPosition, "a letter before the degrees accepted"},
    {"45°30'N", kLat, kNoPosition, "a degree sign accepted"},
    {"45-30E", kLat, kNoPosition, "a longitude letter on a latitude accepted"},
    {"45-30N", kLon, kNoPosition, "a latitude letter on a longitude accepted"},
    {"45-30X", kLat, kNoPosition, "trailing rubbish accepted"},
    {"45-30,", kLat, 45.5, "a comma ending the value refused"},
    {"45-30;x", kLat, 45.5, "a semicolon ending the value refused"},
    {"45-30\r\n", kLat, 45.5, "a line end refused"},
    {"45-30N garbage", kLat, 45.5, "text after the letter examined"},
    {"123456789012-00N", kLat, kNoPosition, "an over-long number accepted"},
    {"37.500000000000000000000001", kLat, 37.5, "many decimals of a plain value refused"},
    {"-", kLat, kNoPosition, "a lone minus accepted"},
    {".", kLat, kNoPosition, "a lone separator accepted"},
};

TEST(PositionParse, AcceptsTheWrittenFormsAndRefusesTheRest) {
  for (const ParseCase& c : kParseCases) {
    const double result = parsePosition(c.text, c.kind);
    if (c.expected == kNoPosition) {
      EXPECT_EQ(result, kNoPosition) << c.text << ": " << c.catches;
    } else {
      EXPECT_NEAR(result, c.expected, 1e-9) << c.text << ": " << c.catches;
    }
  }
}

TEST(PositionParse, ZeroIsPositiveZero) {
  EXPECT_FALSE(std::signbit(parsePosition("0-00.0000001S", kLat)));
  EXPECT_FALSE(std::signbit(parsePosition("0", kLon)));
}

TEST(PositionParse, CharacterTwoFiftyFiveEndsTheValue) {
  const std::string text = std::string("45-30") + static_cast<char>(255) + "rest";
  EXPECT_DOUBLE_EQ(parsePosition(text, kLat), 45.5);
}

struct CutCase {
  std::size_t length;  // of "037-30.50S", read as a view into the whole text
  double expected;
  const char* catches;
};

// Each cut is followed in memory by the rest of the text, so a parser that
// reads past the end of its view gets another value.
constexpr CutCase kCutCases[] = {
    {0, kNoPosition, "an empty view read as the digits behind it"},
    {2, 3, "a degree digit behind the end read (37)"},
    {4, 37, "minutes behind a trailing dash read (37-3)"},
    {5, 37.05, "the second minute digit behind the end read (37-30)"},
    {7, 37.5, "decimals behind a trailing point read (30.5)"},
    {9, 37 + 30.5 / 60, "the hemisphere letter behind the end read (south)"},
    {10, -(37 + 30.5 / 60), "the whole text misread"},
};

TEST(PositionParse, TextCutShortIsReadOnlyToItsEnd) {
  const std::string full = "037-30.50S";
  for (const CutCase& c : kCutCases) {
    EXPECT_NEAR(parsePosition(std::string_view(full).substr(0, c.length), kLat), c.expected, 1e-9)
        << full.substr(0, c.length) << ": " << c.catches;
  }
}

struct FormatCase {
  double degrees;
  PositionKind kind;
  bool threeDecimals;
  const char* expected;
  const char* catches;
};

constexpr FormatCase kFormatCases[] = {
    {37.5, kLat, false, "37-30.00N", "plain latitude"},
    {-122.0083333, kLon, false, "122-00.50W", "longitude rounding or west letter"},
    {-5.25, kLat, true, "05-15.000S", "three decimals or leading zero"},
    {59.99999, kLat, false, "59-59.99N", "minutes printed as 60.00 instead of clamped"},
    {59.9999995, kLat, false, "60-00.00N", "a value within the step of a degree not carried"},
    {0.16665, kLat, false, "00-10.00N", "9.999 minutes printed with a stray zero (00-010.00N)"},
    {0.166665, kLat, true, "00-10.000N", "9.9999 minutes in three decimals printed with a stray zero"},
    {5.125, kLon, false, "005-07.50E", "longitude below 10 needs two leading zeros"},
    {45.0, kLon, false, "045-00.00E", "longitude below 100 needs one leading zero"},
    {0.0, kLat, false, "00-00.00N", "zero gets a hemisphere other than N"},
    {-0.0, kLon, false, "000-00.00E", "negative zero printed as west"},
    {179.99999, kLon, true, "179-59.999E", "three-decimal clamp"},
    {-180.0, kLon, false, "180-00.00W", "the 180th meridian"},
    {12.1, kLat, false, "12-06.00N", "rounding before the split loses a step"},
};

TEST(PositionFormat, WritesDegreesAndMinutesWithTheirRounding) {
  for (const FormatCase& c : kFormatCases) {
    EXPECT_EQ(formatPosition(c.degrees, c.kind, c.threeDecimals), c.expected) << c.degrees << ": " << c.catches;
  }
}

TEST(PositionFormat, FormattedTextParsesBackToTheSameStep) {
  for (double degrees = -89.9; degrees < 90; degrees += 7.3217) {
    const std::string text = formatPosition(degrees, kLat, true);
    EXPECT_NEAR(parsePosition(text, kLat), degrees, 0.00001 / 60 + 1e-12) << text;
  }
  for (double degrees = -179.9; degrees < 180; degrees += 13.917) {
    const std::string text = formatPosition(degrees, kLon, false);
    EXPECT_NEAR(parsePosition(text, kLon), degrees, 0.0001 / 60 + 1e-12) << text;
  }
}

class AskPosition : public RouteTest {};

TEST_F(AskPosition, ReturnsTheParsedAnswerAndKeepsItAsDefault) {
  std::string defaultText = "10N";
  host.answer("37-30.00S");
  EXPECT_DOUBLE_EQ(askPosition(messages, "Latitude", kLat, defaultText), -37.5);
  EXPECT_EQ(defaultText, "37-30.00S");
  ASSERT_EQ(host.prompts.size(), 1u);
  EXPECT_EQ(host.prompts[0], strings.prompt(11) + " Latitude");
  EXPECT_EQ(host.offered[0], "10N");
}

TEST_F(AskPosition, CancelOrEmptyClearsTheDefault) {
  std::string defaultText = "10N";
  host.answer(std::nullopt);
  EXPECT_EQ(askPosition(messages, "Lat", kLat, defaultText), kNoPosition);
  EXPECT_EQ(defaultText, "");

  defaultText = "10N";
  host.answer("   ");
  EXPECT_EQ(askPosition(messages, "Lat", kLat, defaultText), kNoPosition);
  EXPECT_EQ(defaultText, "");
}

TEST_F(AskPosition, AsksAgainAfterAnUnreadableAnswer) {
  std::string defaultText;
  host.answer("rubbish");
  host.answer("45-30N");
  EXPECT_DOUBLE_EQ(askPosition(messages, "Lat", kLat, defaultText), 45.5);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text, strings.error(1));
  EXPECT_EQ(host.popups[0].milliseconds, 1000);
  EXPECT_EQ(host.offered[1], "rubbish");
}

TEST_F(AskPosition, ThreeUnreadableAnswersGiveNoPositionRatherThanZero) {
  std::string defaultText;
  for (int i = 0; i < 3; ++i) host.answer("x");
  EXPECT_EQ(askPosition(messages, "Lat", kLat, defaultText), kNoPosition);
  EXPECT_EQ(host.prompts.size(), 3u);
  EXPECT_EQ(host.popups.size(), 3u);
}

}  // namespace
}  // namespace z5::test
