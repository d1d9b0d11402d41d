// Pictures of printing: the Page Setup dialog, and printed pages (the sample
// route's report and its map printed to PDF by the program and rendered as
// the paper would show them).

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include <QImage>

#include "ProgramRun.h"
#include "TempDir.h"
#include "WidgetApplication.h"
#include "ui/PageSetupDialog.h"

namespace z5 {
namespace {

// Resolution of the page pictures: an A4 page about 1000 pixels high.
constexpr int kPictureDpi = 90;

// `name`.png in $Z5_SCREENSHOTS_DIR when it is set, else in `dir`.
std::string screenshotPath(const test::TempDir& dir, const std::string& name) {
  const char* screenshots = std::getenv("Z5_SCREENSHOTS_DIR");
  return (screenshots != nullptr ? std::string(screenshots) + "/" : dir.home()) + name;
}

// Prints the sample route with `what` ("--output", "--map") and renders page 1
// as `name`.png among the screenshots.
void printedPage(const std::string& what, const std::string& name) {
  test::TempDir dir;
  const std::string pdf = dir.file(name + ".pdf");
  const test::ProgramRun run =
      test::runProgram("env -u DISPLAY -u QT_QPA_PLATFORM " + std::string(Z5_PROGRAM) + " --home " Z5_DATA_DIR " --settings " +
                       dir.file("z5.ini") + " --print " + pdf + " " + what + " " Z5_DATA_DIR "/README.TXT 2>&1");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string prefix = screenshotPath(dir, name);
  const test::ProgramRun render = test::runProgram("pdftoppm -png -singlefile -r " + std::to_string(kPictureDpi) +
                                                   " '" + pdf + "' '" + prefix + "' 2>&1");
  ASSERT_EQ(render.status, 0) << render.output;
  const QImage page(QString::fromStdString(prefix + ".png"));
  EXPECT_FALSE(page.isNull());
}

TEST(Screenshots, PageSetup) {
  test::widgetApplication();
  PageSetup values;
  values.FooterTime = kSystemTime;
  PageSetupDialog dialog(values, nullptr);
  dialog.show();
  const QImage picture = dialog.grab().toImage();
  ASSERT_FALSE(picture.isNull());
  test::TempDir dir;
  EXPECT_TRUE(picture.save(QString::fromStdString(screenshotPath(dir, "PageSetup") + ".png")));
}

TEST(Screenshots, PrintedReport) { printedPage("--output", "PrintedReport"); }

TEST(Screenshots, PrintedMap) { printedPage("--map", "PrintedMap"); }

}  // namespace
}  // namespace z5
