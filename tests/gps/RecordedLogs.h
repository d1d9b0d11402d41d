#pragma once
// The recorded receiver logs of tests/fixtures/nmea and the texts each fix
// sentence must show (their .chk files), shared by every test that replays
// them: through a pseudo-terminal, over TCP and UDP, and through gpsd.

#include <algorithm>
#include <cctype>
#include <fstream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <fmt/format.h>

#include "FixedClock.h"
#include "gps/GpsTextSet.h"

namespace z5::test {

inline const std::string kLogDirectory = std::string(Z5_FIXTURES_DIR) + "/nmea/";

struct LogLine {
  int number;        // in the file, from 1, comment lines counted
  std::string text;  // with its line end
};

// The receiver output of a recorded log: its comment lines left out.
inline std::vector<LogLine> receiverLines(const std::string& name) {
  std::ifstream in(kLogDirectory + name, std::ios::binary);
  std::vector<LogLine> lines;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number)
    if (!line.starts_with("#")) lines.push_back({number, line + "\n"});
  return lines;
}

inline int countStarting(const std::vector<LogLine>& lines, std::string_view prefix) {
  return static_cast<int>(
      std::count_if(lines.begin(), lines.end(), [&](const LogLine& l) { return l.text.starts_with(prefix); }));
}

// A recorded log and the day it was recorded on: the computer's clock is
// set to it, since the date shown comes from the clock, not the sentence.
struct RecordedLog {
  const char* name;
  ClockTime utc;
  const char* catches;
};

inline void PrintTo(const RecordedLog& log, std::ostream* os) { *os << log.name; }

inline constexpr RecordedLog kRecordedLogs[] = {
    {"bundg_zeus_9.log", {2018, 8, 20, 9, 47, 0, 1}, "a fix lost among other talkers; the unit's speed or course misread"},
    {"GPSmap-76S.log", {2011, 10, 24, 12, 51, 0, 1}, "a void fix shown with its time or position"},
    {"ch-4711.log", {2009, 12, 5, 13, 56, 0, 6}, "GN or GL fixes ignored; a third decimal of seconds rounded, not cut"},
    {"bt451.log", {2009, 12, 9, 14, 33, 0, 3}, "an empty course or sentence misread; a clock stepping back taken for midnight"},
};

// The header of a .chk file: the texts of each fix sentence, tab-separated.
inline constexpr std::string_view kCheckHeader = "# line\tUTC\tdate\tlatitude\tlongitude\tSMG\tCMG\n";

inline bool isFixSentence(std::string_view line) { return line.starts_with("$") && line.substr(3, 3) == "RMC"; }

// One line of a .chk file: the log line of a fix sentence and the texts it showed.
template <class TextOf>
std::string checkLine(int lineNumber, TextOf text) {
  using T = GpsTextSet;
  return fmt::format("{}\t{}\t{}\t{}\t{}\t{}\t{}\n", lineNumber, text(T::kUtcTime), text(T::kFixDate),
                     text(T::kLatitude), text(T::kLongitude), text(T::kSmg), text(T::kCmg));
}

// A gtest parameter name for a log: its file name without extension.
inline std::string logTestName(const RecordedLog& log) {
  std::string name = std::string(log.name).substr(0, std::string(log.name).rfind('.'));
  std::replace_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
  return name;
}

}  // namespace z5::test
