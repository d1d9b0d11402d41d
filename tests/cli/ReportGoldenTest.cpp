// The reports of z5 itself, run as a user would, against the expected files
// in tests/fixtures/routes: for every NAME.args (first line: the route file,
// second line: the arguments of the run) the waypoint listing must equal
// NAME.list.out and the output in each of the six formats NAME.<format>.out.
// A run that fails is expected as "exit status N" followed by what it wrote
// on standard error.
//
// Z5_UPDATE_GOLDEN=1 rewrites the expected files that differ from the
// program's output and fails naming them; every rewritten file must be
// checked by hand before it is committed.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "CommaDecimalLocale.h"
#include "ExpectedFile.h"
#include "ProgramRun.h"
#include "TempDir.h"

namespace z5 {
namespace {

namespace fs = std::filesystem;

const fs::path kRoutes = fs::path(Z5_FIXTURES_DIR) / "routes";
// 15 March 2002 10:30 UTC: the heading date, and "today" for AMVER B/ lines.
constexpr const char* kReportTime = "SOURCE_DATE_EPOCH=1016188200 TZ=UTC";

struct GoldenRun {
  std::string name;   // of the .args file
  std::string route;  // file name of the route
  std::string arguments;
};

void PrintTo(const GoldenRun& run, std::ostream* os) { *os << run.name; }

std::vector<GoldenRun> goldenRuns() {
  std::vector<GoldenRun> runs;
  for (const auto& entry : fs::directory_iterator(kRoutes)) {
    if (entry.path().extension() != ".args") continue;
    std::ifstream in(entry.path());
    GoldenRun run{entry.path().stem().string(), {}, {}};
    std::getline(in, run.route);
    std::getline(in, run.arguments);
    runs.push_back(run);
  }
  std::sort(runs.begin(), runs.end(), [](const GoldenRun& a, const GoldenRun& b) { return a.name < b.name; });
  return runs;
}

// The route fixtures, and the shipped sample route of the home directory.
fs::path routeSource(const std::string& route) {
  const fs::path fixture = kRoutes / route;
  return fs::exists(fixture) ? fixture : fs::path(Z5_DATA_DIR) / route;
}

// Runs z5 in a directory of its own on a copy of the route, named as the
// user named it, so that headings show the plain file name; `environment`
// adds variables to the run's.
std::string runZ5(const GoldenRun& golden, const std::string& job, const std::string& environment) {
  test::TempDir dir;
  fs::copy_file(routeSource(golden.route), dir.path() / golden.route);
  const std::string command = "cd " + dir.path().string() + " && " + kReportTime + " " + environment +
                              " " Z5_PROGRAM " --home " + Z5_DATA_DIR + " --settings " + dir.file("z5.ini") + " " +
                              golden.arguments + " " + job + " " + golden.route + " 2>" + dir.file("stderr.txt");
  const test::ProgramRun run = test::runProgram(command);
  if (run.status == 0) return run.output;
  return "exit status " + std::to_string(run.status) + "\n" + test::readFile(dir.file("stderr.txt"));
}

void expectGolden(const GoldenRun& golden, const std::string& job, const std::string& suffix,
                  const std::string& environment = "") {
  SCOPED_TRACE(golden.name + " " + job + " " + environment);
  test::expectFileContents(kRoutes / (golden.name + "." + suffix + ".out"), runZ5(golden, job, environment),
                           "Z5_UPDATE_GOLDEN");
}

constexpr std::array<const char*, 6> kFormats = {"normal", "delimited", "amver", "moverep", "data", "nmea"};

class ReportGolden : public ::testing::TestWithParam<GoldenRun> {};

TEST_P(ReportGolden, WaypointListingIsTheExpectedOne) { expectGolden(GetParam(), "--list", "list"); }

TEST_P(ReportGolden, EveryOutputFormatIsTheExpectedReport) {
  for (const char* format : kFormats) expectGolden(GetParam(), std::string("--stdout --output=") + format, format);
}

INSTANTIATE_TEST_SUITE_P(Routes, ReportGolden, ::testing::ValuesIn(goldenRuns()),
                         [](const ::testing::TestParamInfo<GoldenRun>& info) { return info.param.name; });

// The same runs under a comma-decimal locale, which z5's Qt application
// applies at its start: routes are read and reports written as in "C".
class ReportGoldenInCommaDecimalLocale : public ReportGolden {};

TEST_P(ReportGoldenInCommaDecimalLocale, ListingAndEveryOutputFormatAreTheExpectedReports) {
  ASSERT_TRUE(test::commaDecimalLocaleInstalled()) << test::kCommaDecimalLocale << " missing: run make deps";
  const std::string locale = std::string("LC_ALL=") + test::kCommaDecimalLocale;
  expectGolden(GetParam(), "--list", "list", locale);
  for (const char* format : kFormats) {
    expectGolden(GetParam(), std::string("--stdout --output=") + format, format, locale);
  }
}

INSTANTIATE_TEST_SUITE_P(Routes, ReportGoldenInCommaDecimalLocale, ::testing::ValuesIn(goldenRuns()),
                         [](const ::testing::TestParamInfo<GoldenRun>& info) { return info.param.name; });

}  // namespace
}  // namespace z5
