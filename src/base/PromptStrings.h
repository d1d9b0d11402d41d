#pragma once
// The prompt strings (file "nav_info.dat"): argument lists and default texts.

#include "base/StringCatalogue.h"

namespace z5 {

inline constexpr std::array<CatalogueEntry, kPromptStringCount> kPromptStrings = {{
    /*   0 */ {"", "(unused)"},
    /*   1 */ {"", "(unused)"},
    /*   2 */ {"", "(unused)"},
    // Label of the delimiting-character message.
    /*   3 */ {"", "Delimiting character"},
    // Shown when a listing in the message window is complete and the window is brought to the front.
    /*   4 */ {"", "End of output."},
    // Caller text of the departure date-time questions.
    /*   5 */ {"", "Departure (GMT)"},
    // Speed question; the field shows the current speed.
    /*   6 */ {"", "Voyage speed in knots (0.1 to 1000; 0 clears the speed):"},
    // Caller text of the required-arrival date-time questions.
    /*   7 */ {"", "Required arrival (GMT) - answer n to end arrival-time planning -"},
    // Asks whether to keep great-circle sailing.
    /*   8 */ {"", "Great-circle points: OK to set them up, n to turn them off:"},
    // Great-circle status text when turned off.
    /*   9 */ {"", "Great-circle points off"},
    // Rounding question: minimum, maximum, current.
    /*  10 */ {"ddd", "Round report times to how many minutes (%d to %d)? Now %d:"},
    // Lead text of every position question; the caller's label follows.
    /*  11 */ {"", "Position (like 37-30.50N, 37 30 30 N or 37.5; longitude E or W) -"},
    // Label of the rounding message.
    /*  12 */ {"", "Time rounding (minutes)"},
    // User point file question: current name.
    /*  13 */ {"s", "File of user locations to plot on the map (now %s):"},
    // Number-label-start question: minimum, maximum, current.
    /*  14 */ {"ddd", "Number of the first waypoint in listings and on the map (%d to %d)? Now %d:"},
    // Remark question: current remark.
    /*  15 */ {"s", "Remark for the AMVER X/ line (empty clears it), now: %s"},
    // Vessel name question: current name.
    /*  16 */ {"s", "Vessel name (now %s):"},
    // Call sign question: current call sign.
    /*  17 */ {"s", "Call sign, 2 to 49 characters (now %s):"},
    // Waypoint number question: first and last number.
    /*  18 */ {"dd", "Waypoint number (%d to %d):"},
    // Waypoint number question: first, last and current number.
    /*  19 */ {"ddd", "Waypoint number (%d to %d), now %d:"},
    // Label of the number-label-start message.
    /*  20 */ {"", "Number label start"},
    // Shown by the delimiting-character question.
    /*  21 */ {"", "Delimiting character for the delimited output (one character, or its code 1 to 255):"},
    // Year question: caller text.
    /*  22 */ {"s", "%s year (1990 to 2090, or 00 to 99):"},
    // Year question: caller text, current year.
    /*  23 */ {"sd", "%s year (1990 to 2090, or 00 to 99), now %d:"},
    /*  24 */ {"", "(unused)"},
    /*  25 */ {"", "(unused)"},
    /*  26 */ {"", "(unused)"},
    // Report heading: program, route file, date text, vessel, call sign.
    /*  27 */ {"sssss", "%s - %s - %s\nVessel: %s   Call sign: %s\n\n"},
    // Report heading without vessel and call sign: program, route file, date text.
    /*  28 */ {"sss", "%s - %s - %s\n\n"},
    // Label of the total-distance line.
    /*  29 */ {"", "Total distance (naut. miles)"},
    /*  30 */ {"", "(unused)"},
    // Report line when geodetic distances are on.
    /*  31 */ {"", "Distances use the geodetic length of a degree of latitude and of longitude.\n"},
    // Report line: total distance, average speed, total hours, days, hours, minutes.
    /*  32 */ {"fffddd", "Total %.1f NM at an average %.2f kts: %.2f hours = %dd %02d:%02d\n"},
    // Column header of the normal table with times.
    /*  33 */ {"", "No Waypoint           Latitude  Longitude  Course   Dist    DTG ETA (GMT)\n"},
    // Column header of the delimited table with times: eight separators.
    /*  34 */ {"cccccccc", "No%cWaypoint%cLatitude%cLongitude%cCourse%cDist%cDTG%cETA (GMT)%c\n"},
    // Label of the route file's chart numbers in the report.
    /*  35 */ {"", "\nCharts named in the route file:"},
    // Label of the calculated chart numbers in the report.
    /*  36 */ {"", "\nCharts covering the route:"},
    // To-waypoint status text, no start position.
    /*  37 */ {"", "To waypoint off: voyage from the first waypoint"},
    // To-waypoint status text, start position known.
    /*  38 */ {"", "To waypoint off: voyage from the first waypoint (start position kept)"},
    // Start latitude label: current text.
    /*  39 */ {"s", "latitude of the start position (now %s):"},
    // Start latitude label.
    /*  40 */ {"", "latitude of the start position:"},
    // Start longitude label: current text.
    /*  41 */ {"s", "longitude of the start position (now %s):"},
    // Start longitude label.
    /*  42 */ {"", "longitude of the start position:"},
    // Lon? question label: last latitude text.
    /*  43 */ {"s", "Lon? - latitude the route crosses (last %s):"},
    // Lon? question label.
    /*  44 */ {"", "Lon? - latitude the route crosses:"},
    // Lat? question label: last longitude text.
    /*  45 */ {"s", "Lat? - longitude the route crosses (last %s):"},
    // Lat? question label.
    /*  46 */ {"", "Lat? - longitude the route crosses:"},
    // Intercept in a report: chart number, latitude text, longitude text, waypoint numbers.
    /*  47 */ {"dssdd", "Chart %d: %s %s between waypoints %d and %d"},
    // Intercept: latitude text, longitude text, waypoint numbers.
    /*  48 */ {"ssdd", "%s %s between waypoints %d and %d"},
    // No crossing of a latitude: latitude text.
    /*  49 */ {"s", "The route does not cross latitude %s\n"},
    // Status text after a second Lon? miss.
    /*  50 */ {"", "Lon?: no crossing found"},
    // No crossing of a longitude: longitude text.
    /*  51 */ {"s", "The route does not cross longitude %s\n"},
    // Status text after a second Lat? miss.
    /*  52 */ {"", "Lat?: no crossing found"},
    /*  53 */ {"", "(unused)"},
    /*  54 */ {"", "(unused)"},
    /*  55 */ {"", "(unused)"},
    /*  56 */ {"", "(unused)"},
    /*  57 */ {"", "(unused)"},
    // Word between the port name and GMT in the departure and arrival lines.
    /*  58 */ {"", "at"},
    /*  59 */ {"", "(unused)"},
    /*  60 */ {"", "(unused)"},
    /*  61 */ {"", "(unused)"},
    /*  62 */ {"", "(unused)"},
    /*  63 */ {"", "(unused)"},
    /*  64 */ {"", "(unused)"},
    /*  65 */ {"", "(unused)"},
    /*  66 */ {"", "(unused)"},
    // Caller text of the interval calculator's TO time: largest number of days.
    /*  67 */ {"d", "TO (at most %d days after FM)"},
    // Month question.
    /*  68 */ {"", "Month (1 to 12):"},
    // Month question: current month.
    /*  69 */ {"d", "Month (1 to 12), now %d:"},
    // Day question: days in the month.
    /*  70 */ {"d", "Day (1 to %d):"},
    // Day question: days in the month, current day.
    /*  71 */ {"dd", "Day (1 to %d), now %d:"},
    // Hour question.
    /*  72 */ {"", "Hour GMT (0 to 23):"},
    // Hour question: current hour.
    /*  73 */ {"d", "Hour GMT (0 to 23), now %d:"},
    // Minute question.
    /*  74 */ {"", "Minute (0 to 59):"},
    // Minute question: current minute.
    /*  75 */ {"d", "Minute (0 to 59), now %d:"},
    /*  76 */ {"", "(unused)"},
    /*  77 */ {"", "(unused)"},
    /*  78 */ {"", "(unused)"},
    /*  79 */ {"", "(unused)"},
    /*  80 */ {"", "(unused)"},
    /*  81 */ {"", "(unused)"},
    // Voyage time status line when there is no total.
    /*  82 */ {"", " - no voyage time (no speed, or no distance)"},
    // Voyage time status line without departure time: hours, days, hours, minutes.
    /*  83 */ {"fddd", " - no departure time, %4.3f hr=%dd,%02d:%02d"},
    // Great-circle status text: step, least saving, limiting latitude.
    /*  84 */ {"fff", "Great-circle points every %.2f deg of longitude, least saving %.2f NM, limiting latitude %.2f"},
    // Great-circle step question: current step.
    /*  85 */ {"f", "Great-circle point spacing in degrees of longitude (1 to 50), now %7.4f:"},
    // Great-circle step question.
    /*  86 */ {"", "Great-circle point spacing in degrees of longitude (1 to 50):"},
    // Limiting latitude question: current limit.
    /*  87 */ {"f", "Limiting latitude for composite sailing (1 to 85; empty = 85), now %5.2f:"},
    /*  88 */ {"", "(unused)"},
    // Least saving question: current value.
    /*  89 */ {"f", "Least distance saved, in NM, for great-circle points (0 or more, e.g. 20), now %4.2f:"},
    // Great-circle status text when off after the set-up.
    /*  90 */ {"", "Great-circle points off"},
    /*  91 */ {"", "(unused)"},
    /*  92 */ {"", "(unused)"},
    /*  93 */ {"", "(unused)"},
    /*  94 */ {"", "(unused)"},
    // Degree span question: smallest, largest, current span.
    /*  95 */ {"fff", "Map height in degrees of latitude (%.2f to %.0f), now %6.2f:"},
    // Lower scale limit question: 5000, upper limit text, lower limit text.
    /*  96 */ {"sss", "Largest chart scale 1/n to select: n from %s to below %s, now %s:"},
    // Upper scale limit question: lower limit text, 9000000, upper limit text.
    /*  97 */ {"sss", "Smallest chart scale 1/n to select: n above %s up to %s, now %s:"},
    /*  98 */ {"", "(unused)"},
    // Waypoint list heading: program, route file, date text, vessel, call sign.
    /*  99 */ {"sssss", "%s waypoint list - %s - %s\nVessel: %s   Call sign: %s\n\n"},
    // Waypoint list heading without vessel and call sign: program, route file, date text.
    /* 100 */ {"sss", "%s waypoint list - %s - %s\n\n"},
    // Column header of the waypoint list.
    /* 101 */ {"", " No  Waypoint            Leg DLo  Speed Stop  ZD  Latitude   Longitude\n"},
    // Underline of the column headers.
    /* 102 */ {"", "------------------------------------------------------------------------------\n"},
    // Column header of the normal table without times.
    /* 103 */ {"", "No Waypoint           Latitude  Longitude    Course      Dist          DTG\n"},
    // Column header of the delimited table without times: seven separators.
    /* 104 */ {"ccccccc", "No%cWaypoint%cLatitude%cLongitude%cCourse%cDist%cDTG%c\n"},
    // Label of the chart numbers in the waypoint list.
    /* 105 */ {"", "\nCharts named in the route file:"},
    // Waypoint list line of a !LAT request: latitude text.
    /* 106 */ {"s", "!LAT %s - find where the route crosses this latitude\n"},
    // Waypoint list line of a !LON request: longitude text.
    /* 107 */ {"s", "!LON %s - find where the route crosses this longitude\n"},
    // Label of the departure line.
    /* 108 */ {"", "Departure"},
    // Label of the arrival line.
    /* 109 */ {"", "Arrival"},
    // Label of the speed-change line.
    /* 110 */ {"", "New speed"},
    // Direction label, forward.
    /* 111 */ {"", "Forward routing"},
    // Direction label, backwards.
    /* 112 */ {"", "Backwards routing (last waypoint first)"},
    // Label of the to-waypoint target when none is set.
    /* 113 */ {"", "No target waypoint"},
    // Report line before a run of great-circle points.
    /* 114 */ {"", "                        -- great-circle points --\n"},
    // Report line after a run of great-circle points.
    /* 115 */ {"", "                        -- end of great-circle points --\n"},
    // Map colour slot 0.
    /* 116 */ {"", "Route"},
    // Map colour slot 1.
    /* 117 */ {"", "Sea names"},
    // Map colour slot 2.
    /* 118 */ {"", "Port names"},
    // Map colour slot 3 (not drawn by the map).
    /* 119 */ {"", "Spare colour"},
    // Map colour slot 4.
    /* 120 */ {"", "GPS track"},
    // Map colour slot 5.
    /* 121 */ {"", "User points"},
    // Map colour slot 6.
    /* 122 */ {"", "Background"},
    // Map colour slot 7.
    /* 123 */ {"", "Grid"},
    // Map colour slot 8.
    /* 124 */ {"", "Boundaries class 1"},
    // Map colour slot 9.
    /* 125 */ {"", "Boundaries class 2"},
    // Map colour slot 10.
    /* 126 */ {"", "Boundaries class 3"},
    // Map colour slot 11.
    /* 127 */ {"", "Land class 1"},
    // Map colour slot 12.
    /* 128 */ {"", "Land class 2"},
    // Map colour slot 13.
    /* 129 */ {"", "Land class 3"},
    // Map colour slot 14.
    /* 130 */ {"", "Land class 4"},
    // Map colour slot 15.
    /* 131 */ {"", "Land class 5"},
    // Map colour slot 16.
    /* 132 */ {"", "Land class 6"},
    // Map colour slot 17.
    /* 133 */ {"", "Land class 7"},
    // Map colour slot 18.
    /* 134 */ {"", "Land class 8"},
    // Map colour slot 19.
    /* 135 */ {"", "Land class 9"},
    // Map colour slot 20.
    /* 136 */ {"", "Land class 10"},
    // Map colour slot 21.
    /* 137 */ {"", "Land class 11"},
    // Map colour slot 22.
    /* 138 */ {"", "Route check: land met"},
    // Map colour slot 23.
    /* 139 */ {"", "Route check: leg"},
    // Map colour slot 24.
    /* 140 */ {"", "Rivers class 1"},
    // Map colour slot 25.
    /* 141 */ {"", "Rivers class 2"},
    // Map colour slot 26.
    /* 142 */ {"", "Rivers class 3"},
    // Map colour slot 27.
    /* 143 */ {"", "Rivers class 4"},
    // Map colour slot 28.
    /* 144 */ {"", "Rivers class 5"},
    // Map colour slot 29.
    /* 145 */ {"", "Rivers class 6"},
    // Map colour slot 30.
    /* 146 */ {"", "Rivers class 7"},
    // Map colour slot 31.
    /* 147 */ {"", "Rivers class 8"},
    // Map colour slot 32.
    /* 148 */ {"", "Rivers class 9"},
    // Map colour slot 33.
    /* 149 */ {"", "Rivers class 10"},
    // Map colour slot 34.
    /* 150 */ {"", "Rivers class 11"},
    /* 151 */ {"", "(unused)"},
    /* 152 */ {"", "(unused)"},
    /* 153 */ {"", "(unused)"},
    /* 154 */ {"", "(unused)"},
    /* 155 */ {"", "(unused)"},
    /* 156 */ {"", "(unused)"},
    /* 157 */ {"", "(unused)"},
    /* 158 */ {"", "(unused)"},
    /* 159 */ {"", "(unused)"},
    /* 160 */ {"", "(unused)"},
    /* 161 */ {"", "(unused)"},
    /* 162 */ {"", "(unused)"},
    /* 163 */ {"", "(unused)"},
    /* 164 */ {"", "(unused)"},
    /* 165 */ {"", "(unused)"},
    /* 166 */ {"", "(unused)"},
    /* 167 */ {"", "(unused)"},
    /* 168 */ {"", "(unused)"},
    /* 169 */ {"", "(unused)"},
    /* 170 */ {"", "(unused)"},
    /* 171 */ {"", "(unused)"},
    /* 172 */ {"", "(unused)"},
    /* 173 */ {"", "(unused)"},
    /* 174 */ {"", "(unused)"},
    /* 175 */ {"", "(unused)"},
    // Interval calculator result when the interval is too short to show.
    /* 176 */ {"", "The interval is shorter than one second."},
    // Departure status line: departure text, total hours, days, hours, minutes.
    /* 177 */ {"sfddd", "Departure %s GMT, voyage %4.3f hr = %dd %02d:%02d"},
    // Voyage time status line: departure text, total hours, days, hours, minutes.
    /* 178 */ {"sfddd", "From departure %s GMT the voyage takes %4.3f hr = %dd %02d:%02d"},
    // Report line: departure port, arrival port.
    /* 179 */ {"ss", "From %s to %s\n"},
    /* 180 */ {"", "(unused)"},
    /* 181 */ {"", "(unused)"},
    /* 182 */ {"", "(unused)"},
    /* 183 */ {"", "(unused)"},
    /* 184 */ {"", "(unused)"},
    /* 185 */ {"", "(unused)"},
    /* 186 */ {"", "(unused)"},
    /* 187 */ {"", "(unused)"},
    /* 188 */ {"", "(unused)"},
    /* 189 */ {"", "(unused)"},
    /* 190 */ {"", "(unused)"},
    /* 191 */ {"", "(unused)"},
    /* 192 */ {"", "(unused)"},
    /* 193 */ {"", "(unused)"},
    /* 194 */ {"", "(unused)"},
    // View point latitude question.
    /* 195 */ {"", "View point latitude (85S to 85N):"},
    // View point latitude question: current latitude text.
    /* 196 */ {"s", "View point latitude (85S to 85N), now %s:"},
    // View point longitude question.
    /* 197 */ {"", "View point longitude (180W to 180E):"},
    // View point longitude question: current longitude text.
    /* 198 */ {"s", "View point longitude (180W to 180E), now %s:"},
    /* 199 */ {"", "(unused)"},
    // Line file base name: North America, Central America and Greenland.
    /* 200 */ {"", "wdb_na"},
    // Line file base name: South America.
    /* 201 */ {"", "wdb_sa"},
    // Line file base name: Europe and Africa.
    /* 202 */ {"", "wdb_ea"},
    // Line file base name: Asia.
    /* 203 */ {"", "wdb_as"},
    // Line file base name: Australia, Oceania and Antarctica.
    /* 204 */ {"", "wdb_oc"},
    // Line file suffix: land.
    /* 205 */ {"", ".lnd"},
    // Line file suffix: boundaries.
    /* 206 */ {"", ".bdy"},
    // Line file suffix: rivers.
    /* 207 */ {"", ".riv"},
    // Toggle text: off.
    /* 208 */ {"", "off"},
    // Toggle text: on; also the view point label of the status bar.
    /* 209 */ {"", "on"},
    /* 210 */ {"", "(unused)"},
    /* 211 */ {"", "(unused)"},
    /* 212 */ {"", "(unused)"},
    /* 213 */ {"", "(unused)"},
    /* 214 */ {"", "(unused)"},
    // Waypoint list speed when the waypoint has none (padded to seven characters).
    /* 215 */ {"", "   -"},
    /* 216 */ {"", "(unused)"},
    // Status line: label, value.
    /* 217 */ {"ss", "%s: %s"},
    /* 218 */ {"", "(unused)"},
    /* 219 */ {"", "(unused)"},
    /* 220 */ {"", "(unused)"},
    // Label.
    /* 221 */ {"", "Vessel name"},
    // Label.
    /* 222 */ {"", "Call sign"},
    // Label.
    /* 223 */ {"", "Remark"},
    // Label.
    /* 224 */ {"", "User point file"},
    // Label.
    /* 225 */ {"", "Chart scale limits"},
    // Label of the no-save switch.
    /* 226 */ {"", "No save on exit"},
    /* 227 */ {"", "(unused)"},
    /* 228 */ {"", "(unused)"},
    // Toggle label.
    /* 229 */ {"", "Geodetic length of lat/lon"},
    // Toggle label.
    /* 230 */ {"", "GC points get GC data"},
    // Toggle label.
    /* 231 */ {"", "Backwards routing"},
    /* 232 */ {"", "(unused)"},
    /* 233 */ {"", "(unused)"},
    // Label of the message when a view point replaces the centre waypoint.
    /* 234 */ {"", "Centre on waypoint"},
    // Label of the message when a centre waypoint replaces the view point.
    /* 235 */ {"", "View point"},
    // Label.
    /* 236 */ {"", "Degree span"},
    /* 237 */ {"", "(unused)"},
    // Toggle label.
    /* 238 */ {"", "Grid lines"},
    // Toggle label.
    /* 239 */ {"", "Land edges"},
    // Toggle label.
    /* 240 */ {"", "Chart outlines"},
    // Toggle label.
    /* 241 */ {"", "User location plot"},
    // Toggle label.
    /* 242 */ {"", "Rivers"},
    // Toggle label.
    /* 243 */ {"", "Boundaries"},
    // Toggle label.
    /* 244 */ {"", "Sea features"},
    // Toggle label.
    /* 245 */ {"", "Ports"},
    // Toggle label.
    /* 246 */ {"", "Inverted background"},
    // Toggle label.
    /* 247 */ {"", "Names on waypoints"},
    // Toggle label of IN_COLOR (on = full colour, off = two colour).
    /* 248 */ {"", "Map in colour"},
    /* 249 */ {"", "(unused)"},
    /* 250 */ {"", "(unused)"},
    // Toggle label.
    /* 251 */ {"", "No file charts in output"},
    // Toggle label.
    /* 252 */ {"", "No !LAT !LON lines in output"},
    // Toggle label.
    /* 253 */ {"", "No calculated charts in output"},
    // Toggle label.
    /* 254 */ {"", "No intercepts of calculated charts"},
    // Toggle label.
    /* 255 */ {"", "No ETAs in normal and delimited output"},
    // Toggle label.
    /* 256 */ {"", "No months in AMVER output"},
    // Toggle label.
    /* 257 */ {"", "No GC waypoints in output"},
    /* 258 */ {"", "(unused)"},
    /* 259 */ {"", "(unused)"},
    /* 260 */ {"", "(unused)"},
    /* 261 */ {"", "(unused)"},
    /* 262 */ {"", "(unused)"},
    // Position dialog caption: route file.
    /* 263 */ {"s", "Position on the map of %s"},
    // Status text: waypoint number, name, latitude text, longitude text.
    /* 264 */ {"dsss", "Map centred on waypoint %d %s %s %s"},
    // Status text: latitude text, longitude text.
    /* 265 */ {"ss", "Map centred on view point %s %s"},
    // Toggle label.
    /* 266 */ {"", "GPS monitor"},
    // Label.
    /* 267 */ {"", "GPS port"},
    // Label.
    /* 268 */ {"", "GPS baud rate"},
    // Port question: current port, default port.
    /* 269 */ {"ss", "GPS source: a serial port, gpsd://HOST[:PORT], tcp://HOST:PORT or udp://:PORT (now %s, usually %s):"},
    // Baud question: minimum, maximum, current.
    /* 270 */ {"ddd", "GPS baud rate (%d to %d, a multiple of 1200; receivers send at 4800), now %d; n = 4800:"},
    // Toggle label.
    /* 271 */ {"", "SMG/CMG from the GPS unit"},
    // GPS date text when a sentence gives no fix.
    /* 272 */ {"", "no fix"},
    // GPS samples texts while SMG/CMG come from the unit.
    /* 273 */ {"", "unit"},
    // Toggle label.
    /* 274 */ {"", "Log track"},
    // Toggle label.
    /* 275 */ {"", "Display track"},
    // Toggle label.
    /* 276 */ {"", "Label track"},
    // Toggle label.
    /* 277 */ {"", "GPS at start-up"},
    // Label.
    /* 278 */ {"", "Track log interval (s)"},
    // Label.
    /* 279 */ {"", "Sample interval (s)"},
    // Label.
    /* 280 */ {"", "Number of samples"},
    // Sample count question: minimum, maximum, current.
    /* 281 */ {"ddd", "Number of position samples averaged for SMG/CMG (%d to %d), now %d; n = 20:"},
    // Sample interval question: minimum, maximum, current.
    /* 282 */ {"ddd", "Seconds between position samples (%d to %d), now %d; n = 20:"},
    // Log interval question: minimum, maximum, current.
    /* 283 */ {"ddd", "Seconds between track log records (%d to %d), now %d; n = 60:"},
    // Confirmation: great-circle points are on.
    /* 284 */ {"", "Great-circle points are on.\nChange: set them up again.\nDisable: turn them off.\nAbort: keep them."},
    // Confirmation: a voyage speed is set.
    /* 285 */ {"", "A voyage speed is set.\nChange: give another one.\nDisable: clear it.\nAbort: keep it."},
    // Confirmation: a departure time is set.
    /* 286 */ {"", "A departure time is set.\nChange: give another one.\nDisable: clear it.\nAbort: keep it."},
    // Confirmation: a required arrival time is set.
    /* 287 */ {"", "A required arrival time is set.\nChange: give another one.\nDisable: clear it.\nAbort: keep it."},
    // Text of the goto confirmation.
    /* 288 */ {"", "A goto waypoint is set.\nChange: choose another one.\nDisable: clear it.\nAbort: keep it."},
    // Confirmation: the voyage is computed from a present position.
    /* 289 */ {"", "The voyage is computed from a present position.\nChange: give another position or waypoint.\nDisable: compute the whole route again.\nAbort: keep it."},
    // Confirmation: the map is centred on a waypoint.
    /* 290 */ {"", "The map is centred on a waypoint.\nChange: choose another one.\nDisable: show the whole voyage.\nAbort: keep it."},
    // Confirmation: the map is centred on a view point.
    /* 291 */ {"", "The map is centred on a view point.\nChange: give another one.\nDisable: leave the view point.\nAbort: keep it."},
    // Cross-track text when the ship is far off the leg's direction.
    /* 292 */ {"", "off leg"},
    // Cross-track or ETA text when the value is out of range.
    /* 293 */ {"", "too far"},
    // Cross-track side: left of the track towards the waypoint.
    /* 294 */ {"", "Left"},
    // Cross-track side: right of the track (or on it).
    /* 295 */ {"", "Right"},
    // GPS navigation texts when the ship is at the goto waypoint.
    /* 296 */ {"", "at waypoint"},
    // Status bar label of the caret line.
    /* 297 */ {"", "Line"},
    // Status bar label of the caret column.
    /* 298 */ {"", "Col"},
    /* 299 */ {"", "(unused)"},
    /* 300 */ {"", "(unused)"},
    /* 301 */ {"", "(unused)"},
    /* 302 */ {"", "(unused)"},
    // Toggle label.
    /* 303 */ {"", "Extra precision lat/lon (3 decimals)"},
}};

}  // namespace z5
