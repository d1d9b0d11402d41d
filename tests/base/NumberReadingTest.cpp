#include "base/NumberReading.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace z5 {
namespace {

constexpr DecimalForm kPlain{};
constexpr DecimalForm kComma{.points = ".,"};
constexpr DecimalForm kPointNeedsDigit{.points = ".,", .pointNeedsDigit = true};
constexpr DecimalForm kUnsigned{.sign = Sign::None};
constexpr DecimalForm kMinusOnly{.sign = Sign::MinusOnly};
constexpr DecimalForm kExponent{.exponent = true};

struct DecimalRow {
  const char* legend;  // the fault the row would catch
  const char* text;
  DecimalForm form;
  std::optional<double> value;  // nullopt: no number
  std::size_t length;
  std::size_t decimals;
};

TEST(NumberReading, LeadingDecimalTakesOnlyWhatItsFormAllows) {
  const std::string beyondDouble = "1" + std::string(400, '0');
  const DecimalRow rows[] = {
      {"a plain decimal is read whole", "12.5", kPlain, 12.5, 4, 1},
      {"reading stops at the first other character", "-3.25 knots", kPlain, -3.25, 5, 2},
      {"a comma is a point only where the form says so", "12,5", kPlain, 12, 2, 0},
      {"a comma point reads like a full stop", "12,5", kComma, 12.5, 4, 1},
      {"a point may end the number", "5.", kPlain, 5, 2, 0},
      {"a point without a digit after it ends the number", "5,", kPointNeedsDigit, 5, 1, 0},
      {"no digit before the point", ".5", kPlain, 0.5, 2, 1},
      {"a plus sign where any sign is allowed", "+7", kPlain, 7, 2, 0},
      {"a plus sign where only a minus is", "+7", kMinusOnly, std::nullopt, 0, 0},
      {"a sign where none is allowed", "-7", kUnsigned, std::nullopt, 0, 0},
      {"two signs", "+-7", kPlain, std::nullopt, 0, 0},
      {"a lone point is no number", ".", kPlain, std::nullopt, 0, 0},
      {"a lone sign is no number", "-", kPlain, std::nullopt, 0, 0},
      {"no text", "", kPlain, std::nullopt, 0, 0},
      {"infinity is no number", "inf", kPlain, std::nullopt, 0, 0},
      {"not a number is no number", "nan", kPlain, std::nullopt, 0, 0},
      {"hexadecimal stops after its zero", "0x1A", kPlain, 0, 1, 0},
      {"an exponent only where the form says so", "1e5", kPlain, 1, 1, 0},
      {"an exponent with its sign", "1.5e-3,", kExponent, 0.0015, 6, 1},
      {"an exponent without digits is left alone", "2e+", kExponent, 2, 1, 0},
      {"a value beyond a double is refused, not infinity", beyondDouble.c_str(), kPlain, std::nullopt, 0, 0},
  };
  for (const DecimalRow& row : rows) {
    SCOPED_TRACE(row.legend);
    const auto read = leadingDecimal(row.text, row.form);
    ASSERT_EQ(read.has_value(), row.value.has_value());
    if (!read) continue;
    EXPECT_EQ(read->value, *row.value);
    EXPECT_EQ(read->length, row.length);
    EXPECT_EQ(read->decimals, row.decimals);
  }
}

TEST(NumberReading, DecimalsAreTheNearestDoubleToWhatIsWritten) {
  EXPECT_EQ(decimalOnly("0.1"), 0.1);
  EXPECT_EQ(decimalOnly("12.34"), 12.34);
  EXPECT_EQ(decimalOnly("0.30000000000000001"), 0.3);
  EXPECT_EQ(decimalOnly("12.5 "), std::nullopt);  // the whole text or nothing
  EXPECT_EQ(leadingDecimal("12,5", kComma)->point, ',');
}

struct IntegerRow {
  const char* legend;  // the fault the row would catch
  const char* text;
  Sign sign;
  int base;
  std::optional<int> value;
};

TEST(NumberReading, IntegerOnlyIsTheWholeTextOrNothing) {
  const IntegerRow rows[] = {
      {"digits", "0042", Sign::None, 10, 42},
      {"a minus", "-42", Sign::MinusOnly, 10, -42},
      {"a plus where only a minus is allowed", "+42", Sign::MinusOnly, 10, std::nullopt},
      {"a plus where any sign is", "+42", Sign::Either, 10, 42},
      {"a minus after a plus", "+-42", Sign::Either, 10, std::nullopt},
      {"a sign where none is allowed", "-1", Sign::None, 10, std::nullopt},
      {"trailing blank", "42 ", Sign::Either, 10, std::nullopt},
      {"leading blank", " 42", Sign::Either, 10, std::nullopt},
      {"a decimal", "4.2", Sign::Either, 10, std::nullopt},
      {"beyond int", "99999999999", Sign::Either, 10, std::nullopt},
      {"hexadecimal of either case", "5a", Sign::None, 16, 0x5A},
      {"no 0x prefix", "0x5A", Sign::None, 16, std::nullopt},
      {"empty", "", Sign::Either, 10, std::nullopt},
  };
  for (const IntegerRow& row : rows) {
    EXPECT_EQ(integerOnly<int>(row.text, row.sign, row.base), row.value) << row.legend;
  }
  const auto leading = leadingInteger<int>("30 seconds");
  ASSERT_TRUE(leading.has_value());
  EXPECT_EQ(leading->value, 30);
  EXPECT_EQ(leading->length, 2u);
  EXPECT_EQ(digitsOnly("255"), 255);
}

}  // namespace
}  // namespace z5
