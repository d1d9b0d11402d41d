#include <gtest/gtest.h>

#include "nav/CourseText.h"

namespace z5 {
namespace {

TEST(CourseText, AlwaysShowsThreeIntegerDigits) {
  struct Row {
    double course;
    const char* text;
    const char* legend;
  };
  const Row rows[] = {
      {0, "000.00", "north needs two leading zeros"},
      {5, "005.00", "one digit gets two zeros"},
      {5.5, "005.50", "decimals kept"},
      {45, "045.00", "two digits get one zero"},
      {90, "090.00", "cardinal east"},
      {180, "180.00", "three digits get none"},
      {270, "270.00", "cardinal west"},
      {9.999, "010.00", "rounding up to 10 must not print 0010.00"},
      {99.999, "100.00", "rounding up to 100 must not print 0100.00"},
      {359.994, "359.99", "just west of north stays"},
      {359.996, "000.00", "rounding up to the full circle is north, not 360.00"},
  };
  for (const Row& r : rows) EXPECT_EQ(courseText(r.course), r.text) << r.legend;
}

TEST(CourseText, ReciprocalStaysWithinTheCircle) {
  EXPECT_DOUBLE_EQ(reciprocalCourse(5), 185);
  EXPECT_DOUBLE_EQ(reciprocalCourse(180), 0);
  EXPECT_DOUBLE_EQ(reciprocalCourse(359), 179);
}

}  // namespace
}  // namespace z5
