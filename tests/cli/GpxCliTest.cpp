// GPX on the command line: `--import-gpx` prints route text, `--output=gpx`
// writes the route's .gpx file, and the peers read what z5 writes: gpxpy
// parses it, and a route sent through gpsbabel comes back with the same
// waypoints.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "TempDir.h"

namespace z5 {
namespace {

class GpxProgram : public ::testing::Test {
 protected:
  // Runs z5 in the test's directory; standard error goes to stderr.txt.
  test::ProgramRun run(const std::string& arguments) {
    return test::runProgram("cd " + dir.path().string() + " && " Z5_PROGRAM " --home " Z5_DATA_DIR " --settings " +
                            dir.file("z5.ini") + " " + arguments + " 2>" + dir.file("stderr.txt"));
  }
  std::string errors() const { return test::readFile(dir.file("stderr.txt")); }

  test::TempDir dir;
};

struct RoutePoint {
  std::string name;
  double latitude, longitude;
};

// The route points of a GPX text, in order, as the peers write them
// (attributes in either order, a name element or none).
std::vector<RoutePoint> routePoints(const std::string& gpx) {
  const std::regex point(R"re(<rtept\s+(lat|lon)="([-0-9.]+)"\s+(lat|lon)="([-0-9.]+)"\s*>\s*(<name>([^<]*)</name>)?)re");
  std::vector<RoutePoint> found;
  for (auto m = std::sregex_iterator(gpx.begin(), gpx.end(), point); m != std::sregex_iterator(); ++m) {
    const bool latFirst = (*m)[1] == "lat";
    found.push_back({(*m)[6], std::stod((*m)[latFirst ? 2 : 4]), std::stod((*m)[latFirst ? 4 : 2])});
  }
  return found;
}

TEST_F(GpxProgram, ImportPrintsRouteTextAndABadFileFailsWithItsLine) {
  const test::ProgramRun imported = run("--import-gpx " Z5_FIXTURES_DIR "/gpx/garmin_route.gpx");
  EXPECT_EQ(imported.status, 0) << errors();
  EXPECT_NE(imported.output.find("NEEDLES FAIRWAY\n50-39.71664N\n001-35.29998W\n"), std::string::npos)
      << imported.output;
  dir.write("bad.gpx", "<?xml version=\"1.0\"?>\n<gpx>\n<rte><rtept lat=\"95\" lon=\"1\"/></rte></gpx>\n");
  const test::ProgramRun bad = run("--import-gpx bad.gpx");
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.output, "");
  EXPECT_TRUE(errors().starts_with("z5: bad.gpx:3: the point's lat \"95\" is out of range")) << errors();
  EXPECT_EQ(run("--import-gpx bad.gpx route.txt").status, 2) << "a ROUTE with --import-gpx";
}

TEST_F(GpxProgram, OutputIsTheRoutesGpxFileThatGpxpyReads) {
  const std::string route = dir.write("passage.txt", test::readFile(Z5_DATA_DIR "/README.TXT"));
  const test::ProgramRun written = run("--output=GPX passage.txt");
  EXPECT_EQ(written.status, 0) << errors();
  EXPECT_EQ(written.output, "passage.gpx\n");
  const std::vector<RoutePoint> points = routePoints(test::readFile(dir.file("passage.gpx")));
  ASSERT_GT(points.size(), 2u);
  const test::ProgramRun gpxpy = test::runProgram(
      "/usr/bin/python3 -c 'import gpxpy, sys; g = gpxpy.parse(open(sys.argv[1])); "
      "print(len(g.routes), len(g.routes[0].points), g.routes[0].points[0].name)' " + dir.file("passage.gpx") + " 2>&1");
  EXPECT_EQ(gpxpy.output, "1 " + std::to_string(points.size()) + " " + points[0].name + "\n");
}

TEST_F(GpxProgram, ARouteThroughGpsbabelComesBackWithTheSameWaypoints) {
  if (test::runProgram("command -v gpsbabel >/dev/null").status != 0)
    GTEST_SKIP() << "gpsbabel is not installed (Debian package gpsbabel)";
  dir.write("passage.txt", test::readFile(Z5_DATA_DIR "/README.TXT"));
  ASSERT_EQ(run("--output=gpx passage.txt").status, 0) << errors();
  const test::ProgramRun babel =
      test::runProgram("gpsbabel -r -i gpx -f " + dir.file("passage.gpx") + " -o gpx -F " + dir.file("babel.gpx") + " 2>&1");
  ASSERT_EQ(babel.status, 0) << babel.output;
  const test::ProgramRun imported = run("--import-gpx babel.gpx > back.txt");
  ASSERT_EQ(imported.status, 0) << errors();
  ASSERT_EQ(run("--output=gpx back.txt").status, 0) << errors();
  const std::vector<RoutePoint> sent = routePoints(test::readFile(dir.file("passage.gpx")));
  const std::vector<RoutePoint> back = routePoints(test::readFile(dir.file("back.gpx")));
  ASSERT_EQ(back.size(), sent.size());
  for (std::size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(back[i].name, sent[i].name);
    EXPECT_NEAR(back[i].latitude, sent[i].latitude, 1e-6) << sent[i].name;
    EXPECT_NEAR(back[i].longitude, sent[i].longitude, 1e-6) << sent[i].name;
  }
}

}  // namespace
}  // namespace z5
