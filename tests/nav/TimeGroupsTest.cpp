#include <gtest/gtest.h>

#include "FixedClock.h"
#include "nav/CurrentDateText.h"
#include "nav/DateTimeGroups.h"

namespace z5 {
namespace {

TEST(DateTimeGroups, AmverGroupWithAndWithoutMonth) {
  EXPECT_EQ(amverDateTimeGroup("0830 15 MAR 02", false), "150830Z MAR//");
  EXPECT_EQ(amverDateTimeGroup("0830 15 MAR 02", true), "150830Z//");
}

TEST(DateTimeGroups, MoverepGroupCarriesTheCheckDigitOfItsSixDigits) {
  EXPECT_EQ(moverepDateTimeGroup("0830 15 MAR 02"), "150830Z7 MAR");  // digit sum 17
  EXPECT_EQ(moverepDateTimeGroup("2359 31 DEC 99"), "312359Z3 DEC");  // 3+1+2+3+5+9 = 23
}

TEST(DateTimeGroups, TextsShorterThanATimeTextStayAsTheyAre) {
  EXPECT_EQ(amverDateTimeGroup("", false), "");
  EXPECT_EQ(moverepDateTimeGroup("0830 15"), "0830 15");
}

TEST(CheckDigit, AppendsTheDigitSumModuloTenAndReturnsTheCarry) {
  std::string text = "123456";
  EXPECT_EQ(appendCheckDigit(text), 2);
  EXPECT_EQ(text, "1234561");

  std::string letters = "ABC/";
  EXPECT_EQ(appendCheckDigit(letters), 0);
  EXPECT_EQ(letters, "ABC/");

  std::string zero = "A0";
  appendCheckDigit(zero);
  EXPECT_EQ(zero, "A00") << "a text whose digits sum to 0 still gets its digit";
}

TEST(CheckDigit, ExaminesOnlyTheFirst256Characters) {
  std::string text(256, 'x');
  text += "9";
  appendCheckDigit(text);
  EXPECT_EQ(text.size(), 257u) << "a digit beyond the 256th character must not count";

  std::string ones(300, '1');
  appendCheckDigit(ones);
  EXPECT_EQ(ones.back(), '6');  // 256 ones
}

TEST(CurrentDateText, HasTheStandardTwentyFourCharacterForm) {
  test::FixedClock clock({2002, 3, 5, 9, 7, 4.9, 2}, {});
  const std::string text = currentDateText(clock);
  EXPECT_EQ(text, "Tue Mar  5 09:07:04 2002");
  EXPECT_EQ(text.size(), 24u);
}

}  // namespace
}  // namespace z5
