#pragma once
// The date and UTC time of a fix. Receivers send the time of day only (the
// date field is not trusted: receivers send 1980 at power-up and some
// repeat an old week after a rollover), so the date comes from the
// computer's clock at the first fix and from midnight passages after it.

#include "app/Clock.h"
#include "app/DateTime.h"

namespace z5 {

struct FixTime {
  DateTime at;        // year, month, day, hour, minute (UTC); year 0: none
  double second = 0;  // [0, 61)
};

// Seconds from `from` to `to`, negative when `to` is earlier; 0 when either
// has no date. Calendar days by the Gregorian rules.
double secondsBetween(const FixTime& from, const FixTime& to);

// The calendar day after `date` (month and year roll over); hour and minute
// are kept.
DateTime nextDay(DateTime date);

// The UTC date of a first fix at hour:minute:second, taken from the
// computer's UTC clock: of the clock's date and the days either side, the
// one that puts the fix nearest to the clock. A clock that is right to
// within twelve hours gives the right date, across midnight too.
// Returns the date with the fix's hour and minute.
DateTime firstFixDate(const ClockTime& utcNow, int hour, int minute, double second);

}  // namespace z5
