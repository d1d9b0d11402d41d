// One fix after another on the reader's side: texts, dates, the track log,
// speed and course made good from the unit or from samples.

#include <gtest/gtest.h>

#include <cmath>

#include "GpsTestSupport.h"

namespace z5 {
namespace {

using test::FixBench;
using test::readFile;
using test::rmc;
using T = GpsTextSet;

// "hhmmss" of a count of seconds after midnight.
std::string clockText(int seconds) {
  return fmt::format("{:02d}{:02d}{:02d}", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
}

// Latitude text "ddmm.mmmm" of decimal degrees north.
std::string latitudeField(double degrees) {
  const int whole = static_cast<int>(degrees);
  return fmt::format("{:02d}{:010.7f}", whole, (degrees - whole) * 60);
}

TEST(GpsFixProcessor, TheTextbookSentenceFillsTheFixTexts) {
  FixBench b;
  ASSERT_TRUE(b.fixes.process(rmc("123519", "4807.038", "N", "01131.000", "E", "022.4", "084.4")));
  EXPECT_EQ(b.text(T::kUtcTime), "12:35:19.00");
  EXPECT_EQ(b.text(T::kFixDate), "03/23/2002") << "the date comes from the clock, not the sentence's 230394";
  EXPECT_EQ(b.text(T::kLatitude), "48-07.038N");
  EXPECT_EQ(b.text(T::kLongitude), "011-31.000E");
  EXPECT_EQ(b.text(T::kSmg), "") << "the first fix sets no speed made good";
  EXPECT_EQ(b.texts.snapshot(T::kUtcTime), "12:35:19.00") << "an accepted fix is snapshotted";

  ASSERT_TRUE(b.fixes.process(rmc("123520", "4807.038", "N", "01131.000", "E", "022.4", "084.4")));
  EXPECT_EQ(b.text(T::kSmg), "22.40 kts");
  EXPECT_EQ(b.text(T::kCmg), "084.40 T");
}

TEST(GpsFixProcessor, TimeTextsKeepTwoDigitsOfSeconds) {
  FixBench b;
  b.fixes.process(rmc("123519.5", "4807.038", "N", "01131.000", "E"));
  EXPECT_EQ(b.text(T::kUtcTime), "12:35:19.50");
  b.fixes.process(rmc("123605", "4807.038", "N", "01131.000", "E"));
  EXPECT_EQ(b.text(T::kUtcTime), "12:36:05.00");
}

TEST(GpsFixProcessor, ARefusedSentenceLeavesTheFixButMayUpdateThePosition) {
  FixBench b;
  b.fixes.process(rmc("123519", "4807.038", "N", "01131.000", "E"));
  EXPECT_FALSE(b.fixes.process(rmc("123520", "4900.000", "N", "01200.000", "E", "22", "84.4")));
  EXPECT_EQ(b.text(T::kLatitude), "49-00.000N") << "the position is written before the speed is read";
  EXPECT_EQ(b.text(T::kUtcTime), "12:35:19.00");
  EXPECT_FALSE(b.fixes.process(rmc("123521", "5000.000", "N", "01200.000", "E", "1.0", "1.0", 'V')));
  EXPECT_EQ(b.text(T::kLatitude), "49-00.000N") << "a void fix shows no position";
}

struct MidnightRow {
  const char* legend;
  ClockTime clock;
  const char* expected;
};

TEST(GpsFixProcessor, PassingMidnightAdvancesTheDate) {
  const MidnightRow rows[] = {
      {"an ordinary night", {2002, 3, 15, 23, 59, 50}, "03/16/2002"},
      {"the last night of February in a common year", {2002, 2, 28, 23, 59, 50}, "03/01/2002"},
      {"the last night of February in a leap year", {2004, 2, 28, 23, 59, 50}, "02/29/2004"},
      {"new year's eve", {2001, 12, 31, 23, 59, 50}, "01/01/2002"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.legend);
    FixBench b;
    b.clock.set(row.clock, row.clock);
    b.fixes.process(rmc("235959", "4807.038", "N", "01131.000", "E"));
    b.fixes.process(rmc("000001", "4807.038", "N", "01131.000", "E"));
    EXPECT_EQ(b.text(T::kFixDate), row.expected);
    EXPECT_EQ(b.text(T::kUtcTime), "00:00:01.00");
  }
}

TEST(GpsFixProcessor, MadeGoodTextsUseThreeIntegerDigits) {
  const std::pair<double, const char*> rows[] = {
      {5.5, "005.50"}, {45.5, "045.50 T"}, {245.5, "245.50 T"}, {0, "000.00"},
      {99.999, "100.00 T"},  // a prefix chosen before rounding gives "0100.00 T"
      {9.996, "010.00 T"},   // and "0010.00"
      {99.994, "099.99 T"},  // rounding down keeps the prefix
      {359.996, "000.00"},   // rounding up to the full circle is north
  };
  for (const auto& [course, text] : rows) EXPECT_EQ(gpsCourseText(course), text) << course;
}

TEST(GpsFixProcessor, AStationaryReceiverWithoutCourseShowsSpeedAndNoCourse) {
  FixBench b;
  b.fixes.process(rmc("152505", "5547.821", "N", "02334.141", "E", "0.253", ""));
  ASSERT_TRUE(b.fixes.process(rmc("152506", "5547.821", "N", "02334.141", "E", "0.253", "")));
  EXPECT_EQ(b.text(T::kSmg), " 0.25 kts");
  EXPECT_EQ(b.text(T::kCmg), "");
}

// One fix per second from `from` to `to` (seconds of the day) at a fixed position.
void feed(FixBench& b, int from, int to) {
  for (int t = from; t <= to; ++t) b.fixes.process(rmc(clockText(t), "4807.038", "N", "01131.000", "E"));
}

std::vector<std::string> loggedTimes(const FixBench& b) {
  std::vector<std::string> times;
  const std::string log = readFile(b.trackLog.path());
  for (std::size_t at = log.find("GPS UTC "); at != std::string::npos; at = log.find("GPS UTC ", at + 1))
    times.push_back(log.substr(at + 8, 11));
  return times;
}

TEST(GpsFixProcessor, TheTrackLogGetsARecordEachIntervalAndAtTheFullHour) {
  FixBench b;
  b.settings.GPS_LOG = 1;
  b.settings.GPS_LOGGING_INTERVAL = 600;
  b.clock.set({2002, 3, 23, 12, 40, 0}, {2002, 3, 23, 12, 40, 0});
  feed(b, 12 * 3600 + 40 * 60, 13 * 3600 + 15 * 60);
  EXPECT_EQ(loggedTimes(b), (std::vector<std::string>{"12:50:00.00", "13:00:00.00", "13:00:01.00", "13:00:59.00",
                                                       "13:10:59.00"}));
  EXPECT_TRUE(readFile(b.trackLog.path()).starts_with("\nGPS UTC 12:50:00.00  03/23/2002\n48-07.038N\n011-31.000E\n"));
}

TEST(GpsFixProcessor, AMissingFixMakesTheNextRecordOneSecondLate) {
  FixBench b;
  b.settings.GPS_LOG = 1;
  b.clock.set({2002, 3, 23, 12, 10, 0}, {2002, 3, 23, 12, 10, 0});
  const int start = 12 * 3600 + 10 * 60;
  feed(b, start, start + 59);
  feed(b, start + 61, start + 130);  // the fix at +60 is missing
  EXPECT_EQ(loggedTimes(b), (std::vector<std::string>{"12:11:01.00", "12:12:01.00"}));
}

TEST(GpsFixProcessor, AReceiverClockSteppingBackRestartsTheLogInterval) {
  FixBench b;
  b.settings.GPS_LOG = 1;
  b.clock.set({2002, 3, 23, 12, 30, 0}, {2002, 3, 23, 12, 30, 0});
  feed(b, 12 * 3600 + 30 * 60, 12 * 3600 + 31 * 60 + 30);
  feed(b, 12 * 3600 + 10 * 60, 12 * 3600 + 12 * 60);  // twenty minutes back, the same day
  EXPECT_EQ(loggedTimes(b), (std::vector<std::string>{"12:31:00.00", "12:11:00.00", "12:12:00.00"}))
      << "no record until the clock is back where the last one was";
}

TEST(GpsFixProcessor, ALoggedFixCentresTheMapWhenTheTrackIsDisplayed) {
  FixBench b;
  b.settings.GPS_LOG = 1;
  b.settings.GPS_LOGGING_INTERVAL = 10;
  b.settings.GPS_DISPLAY_TRACK = 1;
  b.mapView.centreIndex = 3;
  b.clock.set({2002, 3, 23, 12, 10, 0}, {2002, 3, 23, 12, 10, 0});
  feed(b, 12 * 3600 + 600, 12 * 3600 + 610);
  EXPECT_TRUE(b.mapView.viewPointMode);
  EXPECT_EQ(b.mapView.centreIndex, kNoIndex);
  EXPECT_NEAR(b.mapView.viewLatitude, 48.1173, 1e-9);

  FixBench quiet;
  quiet.settings.GPS_LOG = 1;
  quiet.settings.GPS_DISPLAY_TRACK = 0;
  quiet.clock = b.clock;
  feed(quiet, 12 * 3600 + 600, 12 * 3600 + 700);
  EXPECT_FALSE(quiet.mapView.viewPointMode);
}

TEST(GpsFixProcessor, WithoutLoggingNoFileIsWritten) {
  FixBench b;
  b.clock.set({2002, 3, 23, 12, 10, 0}, {2002, 3, 23, 12, 10, 0});
  feed(b, 12 * 3600 + 600, 12 * 3600 + 700);
  EXPECT_FALSE(std::filesystem::exists(b.trackLog.path()));
}

// Speed and course made good from samples `interval` seconds apart, with
// the computer's clock at noon UTC.
void sampleEvery(FixBench& b, int interval) {
  b.settings.GPS_SMG_CMG = 0;
  b.settings.GPS_SAMPLE_INTERVAL = interval;
  b.clock.set({2002, 3, 23, 12, 0, 0}, {2002, 3, 23, 12, 0, 0});
}

// A ship steaming due north at 10 knots, one fix a second from 12:00:00.
void steamNorth(FixBench& b, int seconds, int startSecond = 0) {
  for (int t = startSecond; t < startSecond + seconds; ++t) {
    const double latitude = 10 + t * 10.0 / 3600 / 60;
    b.fixes.process(rmc(clockText(12 * 3600 + t), latitudeField(latitude), "N", "01000.000", "E", "9.0", "45.0"));
  }
}

TEST(GpsFixProcessor, SampledSpeedAndCourseAppearOneIntervalAfterTheSecondFix) {
  FixBench b;
  sampleEvery(b, 20);
  steamNorth(b, 21);  // fixes at 0..20 s: the first sample (from 1 s) is not yet complete
  EXPECT_EQ(b.text(T::kSmg), "");
  EXPECT_EQ(b.text(T::kCmg), "");
  steamNorth(b, 1, 21);
  EXPECT_EQ(b.text(T::kSmg), "10.00 kts") << "the samples, not the unit's 9 knots";
  EXPECT_EQ(b.text(T::kCmg), "000.00");
}

TEST(GpsFixProcessor, APauseOfMoreThanAMinuteStartsTheSamplesAfresh) {
  FixBench b;
  sampleEvery(b, 5);
  steamNorth(b, 10);
  ASSERT_EQ(b.text(T::kSmg), "10.00 kts");
  steamNorth(b, 1, 9 + 61);
  EXPECT_EQ(b.text(T::kSmg), "");
  EXPECT_EQ(b.fixes.smg(), -1.0);
  EXPECT_EQ(b.samples.count(), 1);
}

TEST(GpsFixProcessor, APauseOfExactlyAMinuteKeepsTheSamples) {
  FixBench b;
  sampleEvery(b, 5);
  steamNorth(b, 10);
  steamNorth(b, 1, 9 + 60);
  EXPECT_NE(b.text(T::kSmg), "");
}

TEST(GpsFixProcessor, AReceiverClockSteppingBackMoreThanAMinuteStartsTheSamplesAfresh) {
  FixBench b;
  sampleEvery(b, 5);
  steamNorth(b, 1800, 1800);
  ASSERT_EQ(b.text(T::kSmg), "10.00 kts");
  steamNorth(b, 1, 0);  // half an hour back: the same day, but no continuous track
  EXPECT_EQ(b.text(T::kSmg), "") << "samples from before the step are averaged with the ones after it";
  EXPECT_EQ(b.samples.count(), 1);
}

struct SampleIntervalRow {
  const char* legend;
  int interval;  // seconds
};

TEST(GpsFixProcessor, ASampleCompletesAtTheFixExactlyOneIntervalOnWhateverTheInterval) {
  const SampleIntervalRow rows[] = {
      {"20 s, whose hours convert back exactly", 20},
      {"115 s, whose hours convert back a hair short (a fix late)", 115},
      {"229 s, likewise", 229},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.legend);
    FixBench b;
    b.settings.GPS_SMG_CMG = 0;
    b.settings.GPS_SAMPLE_INTERVAL = row.interval;
    b.clock.set({2002, 3, 23, 12, 0, 0}, {2002, 3, 23, 12, 0, 0});
    steamNorth(b, row.interval + 1);  // the first sample starts at the second fix, 1 s
    EXPECT_EQ(b.text(T::kSmg), "");
    steamNorth(b, 1, row.interval + 1);
    EXPECT_EQ(b.text(T::kSmg), "10.00 kts");
  }
}

TEST(GpsSampleRing, AFullRingTakesNoNewSampleUntilEveryOneIsCompleted) {
  SampleRing ring;
  auto at = [](int second) { return FixTime{{2002, 3, 23, 12, 0}, static_cast<double>(second)}; };
  for (int t = 0; t < 3; ++t) ring.addFix(at(t), t, 0, 3, 2);
  EXPECT_EQ(ring.count(), 3);
  ring.addFix(at(3), 3, 0, 3, 2);  // full, and not all completed: not taken
  EXPECT_DOUBLE_EQ(ring.slot(0).start.second, 0);
  EXPECT_DOUBLE_EQ(ring.slot(1).start.second, 1);
  EXPECT_DOUBLE_EQ(ring.slot(2).start.second, 2);
  const auto mean = ring.addFix(at(4), 4, 0, 3, 2);  // the third sample completes
  ASSERT_TRUE(mean);
  EXPECT_EQ(ring.completedCount(), 3);
  EXPECT_NEAR(mean->elapsedHours, 2.0 / 3600, 1e-12);  // each completed 2 s after its start
  EXPECT_NEAR(mean->endLatitude - mean->startLatitude, 2, 1e-12);
  ring.addFix(at(5), 5, 0, 3, 2);  // now the oldest makes room
  EXPECT_DOUBLE_EQ(ring.slot(0).start.second, 5);
  EXPECT_LT(ring.slot(0).elapsedHours, 0);
}

TEST(GpsSampleRing, LongitudesAverageAcrossTheDateLine) {
  SampleRing ring;
  auto at = [](int second) { return FixTime{{2002, 3, 23, 12, 0}, static_cast<double>(second)}; };
  ring.addFix(at(0), 0, 179.999, 2, 1);
  ring.addFix(at(1), 0, -179.999, 2, 1);
  const auto mean = ring.addFix(at(2), 0, -179.997, 2, 1);
  ASSERT_TRUE(mean);
  EXPECT_NEAR(mean->endLongitude - mean->startLongitude, 0.002, 1e-9) << "not 360 degrees the other way";
}

TEST(GpsSampleRing, LoweringTheSampleCountWithoutEmptyingStartsAfresh) {
  SampleRing ring;
  auto at = [](int second) { return FixTime{{2002, 3, 23, 12, 0}, static_cast<double>(second)}; };
  for (int t = 0; t < 10; ++t) ring.addFix(at(t), 0, 0, 10, 100);
  ring.addFix(at(10), 0, 0, 3, 100);
  EXPECT_EQ(ring.count(), 1);
  EXPECT_EQ(ring.nextSlot(), 1);
}

TEST(GpsSampleRing, RaisingTheSampleCountWithoutEmptyingGrowsTheRingFromItsLastSlot) {
  SampleRing ring;
  auto at = [](int second) { return FixTime{{2002, 3, 23, 12, 0}, static_cast<double>(second)}; };
  for (int t = 0; t < 3; ++t) ring.addFix(at(t), t, 0, 3, 100);
  ring.addFix(at(3), 3, 0, 5, 100);
  EXPECT_EQ(ring.count(), 4);
  EXPECT_DOUBLE_EQ(ring.slot(0).start.second, 0) << "the oldest sample overwritten";
  EXPECT_DOUBLE_EQ(ring.slot(3).start.second, 3) << "a counted slot left empty";
  EXPECT_EQ(ring.nextSlot(), 4);
}

}  // namespace
}  // namespace z5
