#pragma once
// Courses as the reports and calculators print them: always three integer
// digits and two decimals ("005.00", "045.00", "270.50").

#include <string>

namespace z5 {

// `course` in degrees (0..360) with two decimals and leading zeros up to
// three integer digits. The zeros are chosen after rounding, so 9.999
// prints "010.00" and 99.999 prints "100.00".
std::string courseText(double course);

// The course opposite `course`: course - 180 from 180 on, else course + 180.
double reciprocalCourse(double course);

}  // namespace z5
