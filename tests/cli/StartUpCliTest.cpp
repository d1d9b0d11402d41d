// The z5 program itself, run as a user would from the command line.

#include <gtest/gtest.h>

#include <string>

#include "ProgramRun.h"
#include "TempDir.h"

namespace z5 {
namespace {

// Without a display, as a job on a server runs it: no window opens.
test::ProgramRun runZ5(const std::string& arguments) {
  return test::runProgram("env -u DISPLAY -u WAYLAND_DISPLAY " Z5_PROGRAM " " + arguments + " 2>&1");
}

TEST(ProgramStartUp, LoadsTheShippedHomeDirectoryAndExits) {
  test::TempDir dir;
  const test::ProgramRun run = runZ5("--home " Z5_DATA_DIR " --settings " + dir.file("z5.ini") + " --set ROUNDING=15");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(test::readFile(dir.file("z5.ini")), "") << "a headless run wrote the settings";
}

TEST(ProgramStartUp, HomeWithoutChartCatalogueEndsWithTheBadPathMessage) {
  test::TempDir dir;
  const test::ProgramRun run = runZ5("--home " + dir.home() + " --settings " + dir.file("z5.ini"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("cannot find config file - bad data path - exiting.\nchart.dat was looked for in " +
                            dir.home() + "."),
            std::string::npos)
      << run.output;
}

TEST(ProgramStartUp, BadCommandLineExitsWithStatusTwo) {
  const test::ProgramRun run = runZ5("--set NOT_A_KEY=1");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("usage: z5"), std::string::npos);
}

}  // namespace
}  // namespace z5
