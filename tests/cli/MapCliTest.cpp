// `z5 --map`: map pictures written without a display.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include <QImage>

#include "CommaDecimalLocale.h"
#include "ProgramRun.h"
#include "TempDir.h"

namespace z5 {
namespace {

// z5 without a display; `environment` adds variables to the run's.
test::ProgramRun runZ5(const test::TempDir& dir, const std::string& arguments, const std::string& environment = "") {
  return test::runProgram("env -u DISPLAY -u WAYLAND_DISPLAY " + environment + " " + std::string(Z5_PROGRAM) +
                          " --home " Z5_DATA_DIR " --settings " + dir.file("z5.ini") + " " + arguments + " 2>&1");
}

int distinctColours(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

TEST(MapCli, SampleVoyageIsWrittenAsAPictureOfTheAskedSize) {
  test::TempDir dir;
  const std::string png = dir.file("sample.png");
  const test::ProgramRun run = runZ5(dir, "--map " + png + " --size 640x480 " Z5_DATA_DIR "/README.TXT");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find(png + "\n"), std::string::npos) << run.output;
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(png)));
  EXPECT_EQ(image.width(), 640);
  EXPECT_EQ(image.height(), 480);
  // Background, land, grid, names and route: far from a blank picture.
  EXPECT_GE(distinctColours(image), 5);
  EXPECT_EQ(test::readFile(dir.file("z5.ini")), "") << "a headless run wrote the settings";
}

TEST(MapCli, CentredMapNeedsNoDisplayAndDefaultsTo1024By768) {
  test::TempDir dir;
  const std::string png = dir.file("centred.png");
  const test::ProgramRun run = runZ5(dir, "--map " + png + " --center 50.9,-1.4 --span 0.5 README.TXT");
  ASSERT_EQ(run.status, 0) << run.output;
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(png)));
  EXPECT_EQ(image.size(), QSize(1024, 768));
  EXPECT_GE(distinctColours(image), 3);
}

TEST(MapCli, RouteWithoutWaypointsWritesNoPicture) {
  test::TempDir dir;
  const std::string route = dir.write("empty.txt", "// nothing but a comment\n");
  const std::string png = dir.file("empty.png");
  const test::ProgramRun run = runZ5(dir, "--map " + png + " " + route);
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_FALSE(QImage(QString::fromStdString(png)).width() > 0);
}

TEST(MapCli, UnwritablePictureIsAnError) {
  test::TempDir dir;
  const test::ProgramRun run = runZ5(dir, "--map " + dir.file("no/such/dir/m.png") + " README.TXT");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("cannot write the map picture"), std::string::npos) << run.output;
}


int routeColouredPixels(const QImage& image, int fromX, int toX) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = fromX; x < toX; ++x) n += image.pixel(x, y) == qRgb(255, 0, 0);
  return n;
}

TEST(MapCli, VoyageAcrossTheDateLineIsOneContinuousMap) {
  test::TempDir dir;
  const std::string png = dir.file("pacific.png");
  const test::ProgramRun run = runZ5(dir, "--map " + png + " " Z5_FIXTURES_DIR "/maps/pacific.txt");
  ASSERT_EQ(run.status, 0) << run.output;
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(png)));
  // The route runs from the left of the picture (Japan) to its right (the
  // Aleutians), through the middle.
  EXPECT_GT(routeColouredPixels(image, 0, 341), 50);
  EXPECT_GT(routeColouredPixels(image, 341, 682), 50);
  EXPECT_GT(routeColouredPixels(image, 682, 1024), 50);
}

TEST(MapCli, CommaDecimalLocaleDrawsTheSameMap) {
  ASSERT_TRUE(test::commaDecimalLocaleInstalled()) << test::kCommaDecimalLocale << " missing: run make deps";
  test::TempDir dir;
  // Decimals on the command line and in the route's positions; a grid,
  // names and composite great-circle points on the map.
  const std::string arguments = " --size 480x360 --center 78.5,-20.25 --span 40.5 " Z5_FIXTURES_DIR "/maps/arctic.txt";
  const std::string plain = dir.file("plain.png");
  const std::string comma = dir.file("comma.png");
  const test::ProgramRun plainRun = runZ5(dir, "--map " + plain + arguments, "LC_ALL=C");
  const test::ProgramRun commaRun =
      runZ5(dir, "--map " + comma + arguments, std::string("LC_ALL=") + test::kCommaDecimalLocale);
  ASSERT_EQ(plainRun.status, 0) << plainRun.output;
  ASSERT_EQ(commaRun.status, 0) << commaRun.output;
  const QImage plainImage(QString::fromStdString(plain));
  const QImage commaImage(QString::fromStdString(comma));
  ASSERT_FALSE(plainImage.isNull());
  EXPECT_TRUE(plainImage == commaImage);
}

}  // namespace
}  // namespace z5
