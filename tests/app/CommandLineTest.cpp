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
  EXPECT_EQ(parse({"--output=6", "r"}).line.outputFormat, 6);
  EXPECT_FALSE(parse({"--output", "r"}).line.outputFormat.has_value());
  EXPECT_NE(parse({"--output=7", "r"}).error, "");
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
  };
  for (const auto& args : bad) EXPECT_NE(parse(args).error, "") << args[0];
}

}  // namespace
}  // namespace z5
