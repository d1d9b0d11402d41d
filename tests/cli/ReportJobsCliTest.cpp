// The headless report runs of z5: the output file next to the route, the
// report on standard output, the listing, and what a failing run says and
// leaves behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ProgramRun.h"
#include "TempDir.h"

namespace z5 {
namespace {

constexpr const char* kRoute =
    "!SPEED 12\nDover\n51-06N\n001-22E\nDungeness\n50-52N\n000-59E\nCherbourg\n49-40.5N\n001-37W\n";

class ReportJobs : public ::testing::Test {
 protected:
  // Runs z5 in the test's directory; standard error goes to stderr.txt.
  test::ProgramRun run(const std::string& arguments) {
    const std::string command = "cd " + dir.path().string() + " && SOURCE_DATE_EPOCH=1016188200 TZ=UTC " Z5_PROGRAM
                                " --home " Z5_DATA_DIR " --settings " + dir.file("z5.ini") + " " + arguments +
                                " 2>" + dir.file("stderr.txt");
    return test::runProgram(command);
  }
  std::string errors() const { return test::readFile(dir.file("stderr.txt")); }

  test::TempDir dir;
};

TEST_F(ReportJobs, OutputIsWrittenNextToTheRouteAndItsPathPrinted) {
  dir.write("passage.txt", kRoute);
  const test::ProgramRun written = run("--output passage.txt");
  EXPECT_EQ(written.status, 0) << errors();
  EXPECT_EQ(written.output, "passage.out\n");
  const test::ProgramRun shown = run("--output --stdout passage.txt");
  EXPECT_EQ(test::readFile(dir.file("passage.out")), shown.output);
  EXPECT_NE(shown.output.find("Cherbourg"), std::string::npos);
}

TEST_F(ReportJobs, RouteWithoutExtensionGetsDotOut) {
  dir.write("passage", kRoute);
  EXPECT_EQ(run("--output=nmea " + dir.file("passage")).output, dir.file("passage.out") + "\n");
  EXPECT_EQ(test::readFile(dir.file("passage.out")).substr(0, 8), "\n$CCWPL,");
}

TEST_F(ReportJobs, DefaultFormatIsTheOutputFormatSetting) {
  dir.write("passage.txt", kRoute);
  const test::ProgramRun shown = run("--set OUTPUT_FORMAT=5 --output --stdout passage.txt");
  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.output.substr(0, 20), "\nDover             \n");
}

TEST_F(ReportJobs, ListingAndReportTogether) {
  dir.write("passage.txt", kRoute);
  const test::ProgramRun shown = run("--list --output=data --stdout passage.txt");
  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.output.find("Z5 waypoint list - passage.txt"), 0u);
  EXPECT_NE(shown.output.find("\n\nDover             \n51-06.00N\n"), std::string::npos) << shown.output;
}

TEST_F(ReportJobs, RouteErrorNamesTheFileAndLineAndFails) {
  dir.write("bad.txt", "Dover\n51-06N\n001-22E\n!SPEED fast\nDungeness\n50-52N\n000-59E\n");
  const test::ProgramRun failed = run("--output bad.txt");
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.output, "");
  EXPECT_NE(errors().find("Line 4 of bad.txt"), std::string::npos) << errors();
  EXPECT_NE(errors().find("bad.txt:4: !SPEED fast"), std::string::npos) << errors();
  EXPECT_FALSE(std::filesystem::exists(dir.file("bad.out")));
}

TEST_F(ReportJobs, MissingRouteFileFails) {
  const test::ProgramRun failed = run("--output nowhere.txt");
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(errors().find("Cannot open the file nowhere.txt"), std::string::npos) << errors();
}

TEST_F(ReportJobs, RouteGivingNoReportLeavesThePreviousOutputAlone) {
  dir.write("single.txt", "Dover\n51-06N\n001-22E\n");
  dir.write("single.out", "yesterday's report\n");
  const test::ProgramRun failed = run("--output single.txt");
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(errors().find("has only one waypoint"), std::string::npos) << errors();
  EXPECT_EQ(test::readFile(dir.file("single.out")), "yesterday's report\n");
}

TEST_F(ReportJobs, RouteNamedLikeItsOwnOutputIsNotOverwritten) {
  dir.write("voyage.out", kRoute);
  const test::ProgramRun refused = run("--output voyage.out");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(test::readFile(dir.file("voyage.out")), kRoute);
  EXPECT_NE(errors().find("rename it"), std::string::npos) << errors();
  EXPECT_EQ(run("--output --stdout voyage.out").status, 0) << "standard output is no danger to the route";
}

TEST_F(ReportJobs, OutputFileThatCannotBeCreatedFails) {
  dir.write("passage.txt", kRoute);
  std::filesystem::create_directory(dir.file("passage.out"));
  const test::ProgramRun failed = run("--output passage.txt");
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(errors().find("Cannot create the output file passage.out"), std::string::npos) << errors();
}

TEST_F(ReportJobs, ShipReportsNeedADepartureTimeAndASpeed) {
  dir.write("slow.txt", "Dover\n51-06N\n001-22E\nDungeness\n50-52N\n000-59E\n");
  const test::ProgramRun failed = run("--output=amver --stdout slow.txt");
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.output, "");
  EXPECT_NE(errors().find("needs a departure time"), std::string::npos) << errors();
  EXPECT_NE(errors().find("needs a speed"), std::string::npos) << errors();
  dir.write("passage.txt", kRoute);
  EXPECT_EQ(run("--set DEPARTURE=150320021200 --output=moverep --stdout passage.txt").status, 0) << errors();
}

// Each row makes an output the run must not write through; the route and
// the file a link points to must come through unchanged.
TEST_F(ReportJobs, OutputThatIsALinkOrTheRouteItselfIsRefusedAndNothingIsLost) {
  struct Row {
    const char* make;       // shell command run in the directory first
    const char* arguments;  // the z5 run
    const char* cause;      // what the message must say
  };
  const Row rows[] = {
      {"ln -s passage.txt passage.out", "--output passage.txt", "symbolic link"},  // report into the route
      {"ln passage.txt passage.out", "--output passage.txt", "passage.txt itself"},  // hard link: same file
      {"ln -s other.txt passage.out", "--output=2 passage.txt", "symbolic link"},  // overwrote the link's file
      {"true", "--map passage.txt passage.txt", "passage.txt itself"},  // PNG over the route
      {"mkfifo passage.out", "--output passage.txt", "not a regular file"},  // would block or feed a reader
  };
  for (const Row& row : rows) {
    std::filesystem::remove(dir.file("passage.out"));
    dir.write("passage.txt", kRoute);
    dir.write("other.txt", "other\n");
    test::runProgram("cd " + dir.path().string() + " && " + row.make);
    const test::ProgramRun refused = run(row.arguments);
    EXPECT_EQ(refused.status, 1) << row.arguments;
    EXPECT_NE(errors().find(row.cause), std::string::npos) << row.arguments << ": " << errors();
    EXPECT_EQ(test::readFile(dir.file("passage.txt")), kRoute) << row.arguments;
    EXPECT_EQ(test::readFile(dir.file("other.txt")), "other\n") << row.arguments;
  }
}

// Each row writes to a full standard output: the run must fail and say so.
TEST_F(ReportJobs, FullStandardOutputFailsTheRunWithAMessage) {
  dir.write("passage.txt", kRoute);
  for (const char* arguments : {"--list passage.txt", "--output --stdout passage.txt",
                                "--output passage.txt",  // only the printed path is lost
                                "--map m.png passage.txt"}) {
    const test::ProgramRun lost = run(std::string(arguments) + " >/dev/full");
    EXPECT_EQ(lost.status, 1) << arguments;
    EXPECT_NE(errors().find("cannot write to standard output: No space left on device"), std::string::npos)
        << arguments << ": " << errors();
  }
}

TEST_F(ReportJobs, SetValueThatWouldNotTakeEffectIsABadCommandLine) {
  dir.write("passage.txt", kRoute);
  const test::ProgramRun refused = run("--set DEPARTURE=310220021200 --output --stdout passage.txt");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.output, "");
  EXPECT_NE(errors().find("--set DEPARTURE=310220021200: DEPARTURE takes"), std::string::npos) << errors();
}

}  // namespace
}  // namespace z5
