// Pictures of printed pages: the sample route's report and its map printed
// to PDF by the program and rendered as the paper would show them.

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include <QImage>

#include "ProgramRun.h"
#include "TempDir.h"

namespace z5 {
namespace {

// Resolution of the page pictures: an A4 page about 1000 pixels high.
constexpr int kPictureDpi = 90;

// Prints the sample route with `what` ("--output", "--map") and renders page 1
// as `name`.png in $Z5_SCREENSHOTS_DIR (else in a directory of the test's own).
void printedPage(const std::string& what, const std::string& name) {
  test::TempDir dir;
  const std::string pdf = dir.file(name + ".pdf");
  const test::ProgramRun run =
      test::runProgram("env -u DISPLAY -u QT_QPA_PLATFORM " + std::string(Z5_PROGRAM) + " --home " Z5_DATA_DIR " --settings " +
                       dir.file("z5.ini") + " --print " + pdf + " " + what + " " Z5_DATA_DIR "/README.TXT 2>&1");
  ASSERT_EQ(run.status, 0) << run.output;
  const char* screenshots = std::getenv("Z5_SCREENSHOTS_DIR");
  const std::string prefix = (screenshots != nullptr ? std::string(screenshots) + "/" : dir.home()) + name;
  const test::ProgramRun render = test::runProgram("pdftoppm -png -singlefile -r " + std::to_string(kPictureDpi) +
                                                   " '" + pdf + "' '" + prefix + "' 2>&1");
  ASSERT_EQ(render.status, 0) << render.output;
  const QImage page(QString::fromStdString(prefix + ".png"));
  EXPECT_FALSE(page.isNull());
}

TEST(Screenshots, PrintedReport) { printedPage("--output", "PrintedReport"); }

TEST(Screenshots, PrintedMap) { printedPage("--map", "PrintedMap"); }

}  // namespace
}  // namespace z5
