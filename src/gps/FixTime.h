#pragma once
// The date and UTC time of a fix. Receivers send the time of day only (the
// date field is not trusted: receivers send 1980 at power-up and some
// repeat an old week after a rollover), so the date comes from the
// computer's clock at the first fix and from midnight passages after it.

#include "base/Clock.h"
#include "base/DateTime.h"

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

// The UTC date of a first fix at hour:minute:second of a ship at
// `longitude` (degrees, east positive), from the computer's clock:
// - when the clock's UTC hour is the fix's hour, the clock's UTC date;
// - when the clock's UTC time is within kClockToleranceSeconds of the fix
//   (the hour turned, or midnight passed, between the two), the date that
//   puts the fix nearest to the clock;
// - otherwise the computer's time zone is set wrong, and the date comes from
//   its local clock, which is taken to show ship's time: west of Greenwich a
//   local hour later than the fix's means UTC has already passed midnight
//   (one day on), east of it a local hour earlier means UTC has not yet (one
//   day back); on the meridian the local date stands.
// Returns the date with the fix's hour and minute.
DateTime firstFixDate(const ClockTime& utcNow, const ClockTime& localNow, int hour, int minute, double second,
                      double longitude);

// A UTC clock this close to the fix time is right about the date (seconds).
inline constexpr double kClockToleranceSeconds = 3600;

// The date of a later fix at hour:minute:second whose previous fix was at
// `previous` (its date included): the next day when midnight has passed
// between them, otherwise the same date. A time of day that goes back by
// less than kClockStepBackSeconds is the receiver correcting its clock, not
// midnight. Returns the date with the fix's hour and minute.
DateTime laterFixDate(const FixTime& previous, int hour, int minute, double second);

// The largest step back of the time of day that is not a passage of midnight.
inline constexpr double kClockStepBackSeconds = 3600;

}  // namespace z5
