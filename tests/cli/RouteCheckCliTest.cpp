// `z5 --check ROUTE`: the findings on standard output, and an exit status
// a script can act on: 0 none, 1 some, 3 the check could not be made.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <QImage>

#include "ProgramRun.h"
#include "TempDir.h"

namespace z5 {
namespace {

namespace fs = std::filesystem;

const std::string kFixtures = Z5_FIXTURES_DIR "/check/";

test::ProgramRun runZ5(const test::TempDir& dir, const std::string& arguments, const std::string& home = Z5_DATA_DIR) {
  return test::runProgram("env -u DISPLAY -u WAYLAND_DISPLAY " + std::string(Z5_PROGRAM) + " --home " + home +
                          " --settings " + dir.file("z5.ini") + " " + arguments);
}

TEST(RouteCheckCli, ExitStatusSaysWhetherALegMeetsLand) {
  struct Row {
    const char* legend;  // the fault the row catches
    std::string arguments;
    int status;
    std::string lastLine;
  };
  const Row rows[] = {
      {"a leg across Mexico fails the check", kFixtures + "gulf_to_pacific.txt", 1, "Route check: 1 leg crosses land"},
      {"a passage through two straits passes it", kFixtures + "gibraltar_and_dover.txt", 0,
       "Route check: no leg crosses land"},
      {"the clearance setting of the command line holds the legs off land",
       "--set LAND_CLEARANCE=3 " + kFixtures + "gibraltar_and_dover.txt", 1,
       "Route check: no leg crosses land, 2 legs pass within 3 NM of land"},
  };
  for (const Row& row : rows) {
    const test::TempDir dir;
    const test::ProgramRun run = runZ5(dir, "--check " + row.arguments + " 2>/dev/null");
    EXPECT_EQ(run.status, row.status) << row.legend << "\n" << run.output;
    EXPECT_NE(run.output.find("a planning aid, not a safety check against charts"), std::string::npos) << row.legend;
    EXPECT_NE(run.output.find("\n" + row.lastLine + "\n"), std::string::npos) << row.legend << "\n" << run.output;
  }
}

TEST(RouteCheckCli, CouldNotCheckIsItsOwnStatusNeverAPass) {
  const test::TempDir dir;
  const test::TempDir home;
  for (const fs::directory_entry& entry : fs::directory_iterator(Z5_DATA_DIR))
    fs::create_symlink(entry.path(), home.path() / entry.path().filename());
  fs::remove(home.file("wdb_ea.lnd"));
  home.write("wdb_ea.lnd", std::string(40, '\x01'));
  const test::ProgramRun damaged = runZ5(dir, "--check " + kFixtures + "gibraltar_and_dover.txt 2>&1", home.home());
  EXPECT_EQ(damaged.status, 3) << damaged.output;
  EXPECT_NE(damaged.output.find(home.file("wdb_ea.lnd") + " is not a valid data file"), std::string::npos)
      << damaged.output;
  EXPECT_NE(damaged.output.find("Route check: could not run"), std::string::npos) << damaged.output;
  EXPECT_EQ(damaged.output.find("no leg crosses land"), std::string::npos) << damaged.output;

  const std::string broken = dir.write("broken.txt", "Lizard Point\n49-55.00N\n005-12.00W\n!SPEED fast\n");
  EXPECT_EQ(runZ5(dir, "--check " + broken + " 2>&1").status, 3) << "a route with errors is not checked";
}

TEST(RouteCheckCli, GoesAloneOrWithAMapThatMarksTheFindings) {
  const test::TempDir dir;
  const std::string route = dir.write("gulf.txt", test::readFile(kFixtures + "gulf_to_pacific.txt"));
  EXPECT_EQ(runZ5(dir, "--check --list " + route + " 2>&1").status, 2);
  const std::string png = dir.file("gulf.png");
  const test::ProgramRun run = runZ5(dir, "--check --map " + png + " --size 400x300 " + route + " 2>&1");
  EXPECT_EQ(run.status, 1) << run.output;
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(png)));
  int checkedLeg = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) checkedLeg += image.pixel(x, y) == qRgb(255, 160, 0);
  EXPECT_GT(checkedLeg, 20) << "the leg is not drawn in the check's leg colour";
  EXPECT_FALSE(fs::exists(dir.file("gulf.out"))) << "the check wrote a report";
}

}  // namespace
}  // namespace z5
