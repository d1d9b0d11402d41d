// The z5 command line: options, values and the combinations it refuses.

#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace z5 {
namespace {

CommandLineResult parse(std::vector<std::string> args) { return parseCommandLine(args); }

TEST(CommandLineParse, HomeSettingsAndRepeatedSets) {
  const auto r = parse({"--home", "data", "--settings", "/tmp/z5.ini", "--set", "ROUNDING=15", "--set",
                        "VESSEL=Lady Jane", "route.txt"});
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.line.home, "data");
  EXPECT_EQ(r.line.settingsFile, "/tmp/z5.ini");
  ASSERT_EQ(r.line.sets.size(), 2u);
  EXPECT_EQ(r.line.sets[1], (std::pair<std::string, std::string>{"VESSEL", "Lady Jane"}));
  EXPECT_EQ(r.line.route, "route.txt");
  EXPECT_FALSE(r.line.headless());
}

TEST(CommandLineParse, OutputFormatsByNumberOrName) {
  EXPECT_EQ(parse({"--output=amver", "r"}).line.outputFormat, 3);
  EXPECT_EQ(parse({"--output=AMVER", "r"}).line.outputFormat, 3);
  EXPECT_EQ(parse({"--output=MoveRep", "r"}).line.outputFormat, 4);
  EXPECT_EQ(parse({"--output=6", "r"}).line.outputFormat, 6);
  EXPECT_FALSE(parse({"--output", "r"}).line.outputFormat.has_value());
  EXPECT_EQ(parse({"--output=Gpx", "r"}).line.outputFormat, 7);
  EXPECT_NE(parse({"--output=7", "r"}).error, "") << "GPX is named, not an OUTPUT_FORMAT number";
  EXPECT_NE(parse({"--output=csv", "r"}).error, "");
}

TEST(CommandLineParse, MapSizeCentreAndSpan) {
  const auto r = parse({"--map", "m.png", "--size", "800x600", "--center", "48.5,-5.25", "--span", "0.5", "r"});
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.line.mapWidth, 800);
  EXPECT_EQ(r.line.mapHeight, 600);
  EXPECT_EQ(r.line.centre, std::make_pair(48.5, -5.25));
  EXPECT_EQ(r.line.span, 0.5);
  EXPECT_TRUE(r.line.headless());
}

TEST(CommandLineParse, CentreInSignedDegreesOrAsARouteWritesIt) {
  struct Row {
    const char* text;
    double latitude, longitude;
  };
  const Row rows[] = {
      {"-25,135", -25, 135},                              // signed degrees: east positive
      {"50-46N,001-06W", 50 + 46 / 60.0, -(1 + 6 / 60.0)},  // the route's form
      {"25S,135E", -25, 135},                             // hemisphere letters on plain degrees
      {"50 46 30 n, 1 6 w", 50 + 46.5 / 60, -(1 + 6 / 60.0)},  // spaces and lower case
  };
  for (const Row& row : rows) {
    const auto r = parse({"--map", "m.png", "--center", row.text, "--span", "2", "r"});
    ASSERT_EQ(r.error, "") << row.text;
    EXPECT_NEAR(r.line.centre->first, row.latitude, 1e-9) << row.text;
    EXPECT_NEAR(r.line.centre->second, row.longitude, 1e-9) << row.text;
  }
}

// Each row is a map value that must be refused; the message must state the limit.
TEST(CommandLineParse, RefusesMapValuesThatAreNotNumbersOrPastTheirLimits) {
  struct Row {
    const char* option;
    const char* value;
    const char* limit;
  };
  const Row rows[] = {
      {"--center", "NaN,NaN", "85"},         // not a number, drew garbage
      {"--center", "inf,0", "85"},           // infinity passes no range check
      {"--center", "50-46,001-06", "N/S"},   // a bare route longitude is west: ambiguous here
      {"--center", "50-46Nx,1W", "85"},      // text after the hemisphere letter
      {"--center", "86N,0E", "85"},          // beyond the map's latitude
      {"--center", "1e1,0", "85"},           // exponent: not how degrees are written
      {"--span", "nan", "0.05 to 150"},      // not a number
      {"--span", "0x10", "0.05 to 150"},     // hexadecimal, read as 16
      {"--span", " 2", "0.05 to 150"},       // leading blank
      {"--size", "20001x100", "20000"},      // wider than the largest picture
  };
  for (const Row& row : rows) {
    const std::string error =
        parse({"--map", "m.png", "--center", "0,0", "--span", "1", row.option, row.value, "r"}).error;
    EXPECT_NE(error.find(row.value), std::string::npos) << row.option << " " << row.value << ": " << error;
    EXPECT_NE(error.find(row.limit), std::string::npos) << row.option << " " << row.value << ": " << error;
  }
}

// Each row is a --set value that the load would not store as typed; the
// message names the key, the value and what the key takes.
TEST(CommandLineSet, RefusesValuesThatWouldNotBeStoredAsTyped) {
  struct Row {
    const char* set;
    const char* takes;
  };
  const Row rows[] = {
      {"DEPARTURE=310220021200", "a day that its month has"},  // 31 February became 1 February
      {"DEPARTURE=320120021200", "a day that its month has"},  // day 32 became the 1st
      {"DEPARTURE=290220011200", "a day that its month has"},  // 29 February of a common year
      {"DEPARTURE=011320021200", "DDMMYYYYhhmm"},              // month 13 became January
      {"DEPARTURE=010120022500", "hour 00 to 23"},             // hour 25 became 0
      {"DEPARTURE=010120021260", "minute 00 to 59"},           // minute 60 became 0
      {"DEPARTURE=0101200212", "12 digits"},                   // wrong length left no departure
      {"ARRIVAL=010119891200", "1990 to 2090"},                // year 1989 left no arrival
      {"DEPARTURE=290200001200", "1990 to 2090"},              // year 0000 (a leap year) left no departure
      {"ROUNDING=abc", "a whole number from 1 to 60"},        // not a number, ignored
      {"ROUNDING=0", "a whole number from 1 to 60"},          // below the range, ignored
      {"ROUNDING=61", "a whole number from 1 to 60"},         // above the range, ignored
      {"LAND_CLEARANCE=51", "a whole number from 0 to 50"},   // a clearance beyond its range, ignored
      {"SEPARATOR_CHAR=0", "from 1 to 255 other than 10 and 13"},   // a NUL in the delimited report
      {"SEPARATOR_CHAR=10", "from 1 to 255 other than 10 and 13"},  // a line end in every row
      {"VESSEL=   ", "1 to 100 characters"},                 // blank: the default name stayed
      {"RGB_COLOR_MAP=255000000", "315 digits"},             // a palette of the wrong length
  };
  for (const Row& row : rows) {
    const std::string error = parse({"--set", row.set, "r"}).error;
    const std::string key = std::string(row.set).substr(0, std::string(row.set).find('='));
    EXPECT_NE(error.find(std::string("--set ") + row.set + ": " + key + " takes"), std::string::npos) << error;
    EXPECT_NE(error.find(row.takes), std::string::npos) << error;
  }
}

TEST(CommandLineSet, TakesValuesStoredAsTyped) {
  for (const char* set : {"DEPARTURE=290220041200", "DEPARTURE=", "ROUNDING=60", "SEPARATOR_CHAR=59", "REMARK=",
                          "VESSEL= Lady Jane "})
    EXPECT_EQ(parse({"--set", set, "r"}).error, "") << set;
}

// Each row is how a print is asked for; the legend says what fault it would catch.
TEST(CommandLineParse, PrintTakesTheTextTheReportOrTheMap) {
  struct Row {
    std::vector<std::string> args;
    bool output;
    bool map;
    const char* legend;
  };
  const std::vector<Row> rows = {
      {{"--print", "p.pdf", "r"}, false, false, "the route's text not printed by default"},
      {{"--print", "p.pdf", "--output=amver", "r"}, true, false, "the report's format lost"},
      {{"--print", "p.pdf", "--map", "r"}, false, true, "the route after --map taken for a picture file"},
      {{"--map", "--print", "p.pdf", "r"}, false, true, "--map before --print taking --print as its file"},
      {{"--print", "p.pdf", "r", "--map"}, false, true, "--map last refused for want of a value"},
  };
  for (const Row& row : rows) {
    const auto r = parse(row.args);
    ASSERT_EQ(r.error, "") << row.legend;
    EXPECT_EQ(r.line.printFile, "p.pdf") << row.legend;
    EXPECT_EQ(r.line.route, "r") << row.legend;
    EXPECT_EQ(r.line.output, row.output) << row.legend;
    EXPECT_EQ(r.line.printMap, row.map) << row.legend;
    EXPECT_FALSE(r.line.mapFile.has_value()) << row.legend;
    EXPECT_TRUE(r.line.headless()) << row.legend;
  }
  EXPECT_EQ(parse({"--print", "p.pdf", "--output=amver", "r"}).line.outputFormat, 3);
  EXPECT_EQ(parse({"--print", "p.pdf", "--map", "--center", "50,-1", "--span", "2", "r"}).line.span, 2.0);
}

// Each row is a command line that must be refused, and why.
TEST(CommandLineParse, RefusesBadCombinations) {
  const std::vector<std::vector<std::string>> bad = {
      {"--set", "NOT_A_KEY=1"},              // unknown settings key
      {"--set", "ROUNDING"},                 // no '='
      {"--output"},                          // report without a route
      {"--stdout", "r"},                     // --stdout alone
      {"--size", "800", "--map", "m", "r"},  // size without height
      {"--center", "95,0", "--span", "1", "--map", "m", "r"},  // latitude beyond the map's 85
      {"--span", "200", "--map", "m", "r"},  // span beyond 150 degrees
      {"--map", "m", "--center", "1,1", "r"},  // centre without span
      {"--goto", "2", "r"},                  // --goto without --gps
      {"--frobnicate"},                      // unknown option
      {"a", "b"},                            // two routes
      {"--home"},                            // option without its value
      {"--map", "r"},                        // the map file taken for a route: no route left
      {"--map"},                             // a bare --map without --print
      {"--print", "p.pdf"},                  // printing without a route
      {"--print", "p.pdf", "--map", "m.png", "r"},  // a PNG and a PDF at once
      {"--print", "p.pdf", "--output", "--map", "r"},  // two things on one print
      {"--print", "p.pdf", "--list", "r"},   // a listing is not printed
      {"--print", "p.pdf", "--output=gpx", "r"},  // GPX is no printable report
      {"--print", "p.pdf", "--map", "--size", "800x600", "r"},  // the page, not --size, sizes the map
      {"--print", "p.pdf", "--map", "--span", "2", "r"},  // span without centre
  };
  for (const auto& args : bad) EXPECT_NE(parse(args).error, "") << args[0];
}

}  // namespace
}  // namespace z5
