#include <gtest/gtest.h>

#include <optional>

#include "TimesFixture.h"
#include "nav/DateTimePrompt.h"
#include "nav/IntervalCalculator.h"

namespace z5 {
namespace {

using test::TimesFixture;

TEST(AskDateTime, ReadsTwoDigitYearsAroundTheCenturyPivot) {
  struct Row {
    const char* year;
    int expected;
    const char* legend;
  };
  const Row rows[] = {
      {"02", 2002, "two digits up to 90 are in the 2000s"},
      {"90", 2090, "90 itself is still 2090"},
      {"91", 1991, "above 90 the 1900s"},
      {"1995", 1995, "four digits are taken as they are"},
  };
  for (const Row& r : rows) {
    TimesFixture f;
    f.answers({r.year, "3", "15", "8", "30"});
    DateTime t;
    ASSERT_EQ(askDateTime(f.messages, "DR ", t), 1) << r.legend;
    EXPECT_EQ(t, (DateTime{r.expected, 3, 15, 8, 30})) << r.legend;
  }
}

TEST(AskDateTime, AsksAgainForAnswersOutOfRange) {
  TimesFixture f;
  f.answers({"1989", "2091", "x2002", "2002", "13", "0", "2", "29", "28", "24", "23", "60", "59"});
  DateTime t;
  ASSERT_EQ(askDateTime(f.messages, "FM ", t), 1);
  EXPECT_EQ(t, (DateTime{2002, 2, 28, 23, 59})) << "29 February 2002 does not exist";
  EXPECT_TRUE(f.host.answers.empty());
}

TEST(AskDateTime, EmptyAnswersKeepTheCurrentValues) {
  TimesFixture f;
  f.answers({"", "", "", "", ""});
  DateTime t{2002, 3, 15, 8, 30};
  ASSERT_EQ(askDateTime(f.messages, "DR ", t), 1);
  EXPECT_EQ(t, (DateTime{2002, 3, 15, 8, 30}));
}

TEST(AskDateTime, EmptyYearWithoutADateIsAskedAgain) {
  TimesFixture f;
  f.answers({"", "2002", "", "1", "", "1", "", ""});
  DateTime t;
  t.month = 0;
  ASSERT_EQ(askDateTime(f.messages, "DR ", t), 1) << "empty answers without a value must be asked again";
  EXPECT_EQ(t, (DateTime{2002, 1, 1, 0, 0}));
}

TEST(AskDateTime, DayIsKeptOnlyWhileTheMonthStaysAndTheDayFits) {
  TimesFixture f;
  // Month changed from January to February: an empty day is not accepted.
  f.answers({"", "2", "", "10", "", ""});
  DateTime t{2002, 1, 31, 8, 30};
  ASSERT_EQ(askDateTime(f.messages, "DR ", t), 1);
  EXPECT_EQ(t, (DateTime{2002, 2, 10, 8, 30}));

  TimesFixture g;
  // 29 February 2000 with the year changed to 2001: the day no longer fits.
  g.answers({"2001", "", "", "28", "", ""});
  DateTime leap{2000, 2, 29, 0, 0};
  ASSERT_EQ(askDateTime(g.messages, "DR ", leap), 1);
  EXPECT_EQ(leap, (DateTime{2001, 2, 28, 0, 0}));
}

TEST(AskDateTime, CancelLeavesTheDateTimeUnchanged) {
  TimesFixture f;
  f.answers({"2003", "7", nullptr});
  DateTime t{2002, 3, 15, 8, 30};
  EXPECT_EQ(askDateTime(f.messages, "DR ", t), 0);
  EXPECT_EQ(t, (DateTime{2002, 3, 15, 8, 30}));
}

TEST(PromptNumbers, AnswersAreReadByTheProgramsRulesNotTheCLibrarys) {
  struct Row {
    const char* answer;
    std::optional<double> decimal;
    std::optional<long> whole;
    const char* legend;  // the fault the row would catch
  };
  const Row rows[] = {
      {" 12.5 ", 12.5, std::nullopt, "blanks around a decimal answer"},
      {"12,5", 12.5, std::nullopt, "a decimal comma"},
      {"+3", 3, 3, "a plus sign"},
      {"-3", -3, -3, "a minus sign"},
      {"1e1", std::nullopt, std::nullopt, "an exponent (strtod took it for 10)"},
      {"0x10", std::nullopt, std::nullopt, "hexadecimal (strtod took it for 16)"},
      {"inf", std::nullopt, std::nullopt, "infinity"},
      {"12.5.3", std::nullopt, std::nullopt, "two points"},
      {"99999999999999999999", 1e20, std::nullopt, "a whole number beyond long"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(decimalNumber(r.answer), r.decimal) << r.legend;
    EXPECT_EQ(wholeNumber(r.answer), r.whole) << r.legend;
  }
}

TEST(IntervalCalculator, WritesTheHoursAndTheSplitAndRemembersBothTimes) {
  TimesFixture f;
  f.answers({"2002", "6", "1", "0", "0", "2002", "6", "2", "6", "30"});
  const std::string text = intervalCalculator(f.nav);
  EXPECT_EQ(text, "FM 0000 01 JUN 02,TO 0630 02 JUN 02, 30.500hr=1d,06:30");
  EXPECT_NE(f.messages.text().find(text), std::string::npos);
  EXPECT_EQ(f.calculators.intervalFrom, (DateTime{2002, 6, 1, 0, 0}));
  EXPECT_EQ(f.calculators.intervalTo, (DateTime{2002, 6, 2, 6, 30}));

  // The next use offers them: empty answers reproduce the result.
  f.answers({"", "", "", "", "", "", "", "", "", ""});
  EXPECT_EQ(intervalCalculator(f.nav), text);
}

TEST(IntervalCalculator, AsksBothAgainWhenTheIntervalIsTooLongOrNotPositive) {
  TimesFixture f;
  f.answers({"2002", "6", "1", "0", "0", "2003", "6", "2", "0", "0",   // a year: error 30
             "", "", "", "", "", "2002", "5", "1", "0", "0",           // before FM: error 31
             "", "", "", "", "", "2002", "6", "1", "1", "0"});
  EXPECT_EQ(intervalCalculator(f.nav), "FM 0000 01 JUN 02,TO 0100 01 JUN 02, 1.000hr=0d,01:00");
  EXPECT_EQ(f.errorPopups(30, 362), 1);
  EXPECT_EQ(f.errorPopups(31), 1);
}

TEST(IntervalCalculator, CancelWritesNothing) {
  TimesFixture f;
  f.answers({nullptr});
  EXPECT_EQ(intervalCalculator(f.nav), "");
  EXPECT_EQ(f.messages.text(), "");
}

}  // namespace
}  // namespace z5
