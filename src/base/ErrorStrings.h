#pragma once
// The error strings (file "nav_err.dat"): argument lists and default texts.

#include "base/StringCatalogue.h"

namespace z5 {

// Errors in a route text name the line, the route file and, where a
// waypoint is being read, its number (line, file, n).
inline constexpr std::array<CatalogueEntry, kErrorStringCount> kErrorStrings = {{
    /*   0 */ {"", "(unused)"},
    // A position answer that the parser cannot read; the question is asked again.
    /*   1 */ {"", "Cannot read that position. Write it like 37-30.50N, 37 30 30 N or 37.5 (longitude: E or W)."},
    // A file that does not open: the route file (DATA_FILE) or the user point file.
    /*   2 */ {"s", "Cannot open the file %s"},
    // Bad !SPEED (line, file, n).
    /*   3 */ {"dsd", "Line %d of %s (waypoint %d): bad !SPEED - give knots from 0.01 to 1000."},
    // Bad !ZD (line, file, n).
    /*   4 */ {"dsd", "Line %d of %s (waypoint %d): bad !ZD - give the zone in hours from -13 to +12."},
    // Bad !STOP, or !STOP before the first waypoint (line, file, n).
    /*   5 */ {"dsd", "Line %d of %s (waypoint %d): bad !STOP - give hours from 0 to 10000, after a waypoint."},
    // !GC interval not a number from 1 to the largest (line, file, n, largest interval).
    /*   6 */ {"dsdd", "Line %d of %s (waypoint %d): bad !GC interval - give degrees of longitude from 1 to %d."},
    // Unreadable !LAT (line, file).
    /*   7 */ {"ds", "Line %d of %s: cannot read the latitude of !LAT."},
    // !LAT list full (largest count, line, file).
    /*   8 */ {"dds", "Too many !LAT lines (limit %d): line %d of %s."},
    // Unreadable !LON (line, file).
    /*   9 */ {"ds", "Line %d of %s: cannot read the longitude of !LON."},
    // !LON list full (largest count, line, file).
    /*  10 */ {"dds", "Too many !LON lines (limit %d): line %d of %s."},
    // Bad AMVER F/ or L/ speed (line, file, n).
    /*  11 */ {"dsd", "Line %d of %s (waypoint %d): bad AMVER F/ or L/ speed - give tenths of a knot, 1 to 10000."},
    // Unknown AMVER line letter (line, file, n).
    /*  12 */ {"dsd", "Line %d of %s (waypoint %d): unknown AMVER line - expected A/ B/ E/ F/ G/ I/ L/ M/ V/ X/ or Y/."},
    // No memory for a waypoint record (waypoint number).
    /*  13 */ {"d", "Out of memory for waypoint %d."},
    // No memory for a note (note number).
    /*  14 */ {"d", "Out of memory for note %d."},
    // A route file too large to be a route (file, limit in MB).
    /*  15 */ {"sd", "%s is too large for a route file (more than %d MB); nothing was read."},
    // End of file before a point's latitude: route text and user point file (line, file, n).
    /*  16 */ {"dsd", "Line %d of %s: the file ends before point %d is complete."},
    // Unreadable latitude: route text, $CCWPL sentence, user point file (line, file, n).
    /*  17 */ {"dsd", "Line %d of %s: cannot read the latitude of point %d."},
    // End of file before the longitude (line, file, n).
    /*  18 */ {"dsd", "Line %d of %s: the file ends before the longitude of point %d."},
    // Unreadable longitude: route text, $CCWPL sentence, user point file (line, file, n).
    /*  19 */ {"dsd", "Line %d of %s: cannot read the longitude of point %d."},
    // Same position as the previous waypoint (line, file, n).
    /*  20 */ {"dsd", "Line %d of %s: waypoint %d is at the same position as the waypoint before it."},
    /*  21 */ {"", "(unused)"},
    // The output file cannot be created (file name).
    /*  22 */ {"s", "Cannot create the output file %s"},
    /*  23 */ {"", "(unused)"},
    // No voyage: empty waypoint table, failed extraction, map of an empty voyage (route file).
    /*  24 */ {"s", "No voyage from %s: the route has no waypoints, or an error stopped its extraction."},
    // Only one waypoint (route file).
    /*  25 */ {"s", "The route %s has only one waypoint: there is no leg to compute."},
    // A leg without any speed while times are computed.
    /*  26 */ {"", "A leg has no speed: give !SPEED in the route or a voyage speed. Its time is left out."},
    // The speed needed for the required arrival time is not usable.
    /*  27 */ {"", "Cannot plan to that arrival time: the speed needed is not within 0.001 to 1000 knots."},
    // Required arrival not after the departure (also accepted with the day limit, which it does not show).
    /*  28 */ {"|d", "The arrival time must be later than the departure time."},
    // Required arrival too far ahead (largest number of days).
    /*  29 */ {"d", "The arrival time must be less than %d days after the departure time."},
    // Interval calculator: TO too far after FM (largest number of days).
    /*  30 */ {"d", "The TO time must be less than %d days after the FM time. Give both again."},
    // Interval calculator: no interval.
    /*  31 */ {"", "The interval is zero: the TO time must be later than the FM time."},
    // DR position: no voyage time.
    /*  32 */ {"", "No voyage time: give a departure time and a speed first."},
    // DR position: time not after the departure.
    /*  33 */ {"", "The DR time must be later than the departure time."},
    // DR position: time at or after the arrival.
    /*  34 */ {"", "The DR time is at or after the arrival at the last waypoint."},
    // DR position: a leg without any speed.
    /*  35 */ {"", "A leg has no speed: cannot work out the DR position."},
    // Waypoint table full while points are inserted (table size).
    /*  36 */ {"d", "The waypoint table is full (%d waypoints): no more great-circle or composite points."},
    /*  37 */ {"", "(unused)"},
    // A data file that does not open: chart.dat, line files, place-name files (path).
    /*  38 */ {"s", "Cannot open the data file %s"},
    // A data file with a wrong mark (path, value found, value expected).
    /*  39 */ {"sdd", "%s is not a valid data file (found %d, expected %d)."},
    // A damaged line file segment (path, entry in its block, length, limit).
    /*  40 */ {"sddd", "%s is damaged at directory entry %d (%d bytes of points, limit %d)."},
    // Too many charts for the route (largest count).
    /*  41 */ {"d", "More than %d charts cover the route: only the first ones in the catalogue are listed."},
    /*  42 */ {"", "(unused)"},
    // No memory for an inserted point (insertion index).
    /*  43 */ {"d", "Out of memory for a point inserted at %d."},
    // !CHART number out of range (line, file).
    /*  44 */ {"ds", "Line %d of %s: !CHART needs a whole chart number from 1 to 99000."},
    // More !NOTE lines than the voyage keeps (largest count, line, file).
    /*  45 */ {"dds", "More than %d !NOTE lines: line %d of %s."},
    // Unknown directive (line, file).
    /*  46 */ {"ds", "Line %d of %s: unknown directive."},
    // Map placeholder file cannot be opened (path); followed by error string 56.
    /*  47 */ {"s", "Cannot open the map file %s"},
    // Map placeholder file cannot be closed (path); followed by error string 56.
    /*  48 */ {"s", "Cannot close the map file %s"},
    // Map placeholder file cannot be written (path); followed by error string 56.
    /*  49 */ {"s", "Cannot write the map file %s"},
    /*  50 */ {"", "(unused)"},
    /*  51 */ {"", "(unused)"},
    /*  52 */ {"", "(unused)"},
    /*  53 */ {"", "(unused)"},
    /*  54 */ {"", "(unused)"},
    /*  55 */ {"", "(unused)"},
    // The cause of a file error (cause number).
    /*  56 */ {"d", "File error, cause %d."},
    /*  57 */ {"", "(unused)"},
    /*  58 */ {"", "(unused)"},
    /*  59 */ {"", "(unused)"},
    /*  60 */ {"", "(unused)"},
    /*  61 */ {"", "(unused)"},
    /*  62 */ {"", "(unused)"},
    /*  63 */ {"", "(unused)"},
    /*  64 */ {"", "(unused)"},
    /*  65 */ {"", "(unused)"},
    /*  66 */ {"", "(unused)"},
    /*  67 */ {"", "(unused)"},
    /*  68 */ {"", "(unused)"},
    /*  69 */ {"", "(unused)"},
    /*  70 */ {"", "(unused)"},
    /*  71 */ {"", "(unused)"},
    /*  72 */ {"", "(unused)"},
    /*  73 */ {"", "(unused)"},
    /*  74 */ {"", "(unused)"},
    /*  75 */ {"", "(unused)"},
    /*  76 */ {"", "(unused)"},
    /*  77 */ {"", "(unused)"},
    /*  78 */ {"", "(unused)"},
    /*  79 */ {"", "(unused)"},
    /*  80 */ {"", "(unused)"},
    /*  81 */ {"", "(unused)"},
    // The GPS serial port does not open (port name).
    /*  82 */ {"s", "Cannot open the GPS port %s: it is missing or in use by another program."},
    // The GPS serial port cannot be configured (port name).
    /*  83 */ {"s", "Cannot set up the GPS port %s (baud rate, 8 data bits, no parity, 1 stop bit)."},
    // A $CCWPL sentence with an empty name or one starting with a blank (line, file, n).
    /*  84 */ {"dsd", "Line %d of %s (waypoint %d): the $CCWPL sentence has no waypoint name."},
    // A malformed $CCWPL sentence or checksum field (line, file, n).
    /*  85 */ {"dsd", "Line %d of %s (waypoint %d): bad $CCWPL sentence - expected $CCWPL,ddmm.mm,N,dddmm.mm,W,name[*hh]"},
}};

}  // namespace z5
