// Map font descriptions as QFonts: sizes, weight, and the stand-in for a
// face the system lacks.

#include "ui/MapFontQt.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "DialogTesting.h"
#include "ui/QtSurface.h"

namespace z5 {
namespace {

class MapFontQt : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::widgetApplication();
  }
};

TEST_F(MapFontQt, DefaultDisplayFontIsABoldSerifOfFourteenPixels) {
  const QFont font = toQFont(defaultDisplayFont());
  const QFontInfo info(font);
  if (!QFontDatabase::hasFamily("Times New Roman")) {
    ASSERT_TRUE(QFontDatabase::hasFamily("Liberation Serif")) << "make deps installs fonts-liberation";
    EXPECT_EQ(info.family(), "Liberation Serif");
  } else {
    EXPECT_EQ(info.family(), "Times New Roman");
  }
  EXPECT_EQ(font.pixelSize(), 14);
  EXPECT_EQ(font.weight(), QFont::Bold);
  EXPECT_FALSE(font.italic());
}

TEST_F(MapFontQt, MissingFaceWithoutStandInFollowsTheFamilyOfTheDescription) {
  EXPECT_TRUE(availableFace("No Such Face Anywhere").isEmpty());
  MapFontDescription d = defaultDisplayFont();
  d.faceName = "No Such Face Anywhere";
  d.pitchAndFamily = kFamilySwiss | kVariablePitch;
  const QFont font = toQFont(d);
  EXPECT_EQ(font.styleHint(), QFont::SansSerif);
  EXPECT_EQ(font.pixelSize(), 14);
}

TEST_F(MapFontQt, PositiveHeightIsTheCharacterCell) {
  MapFontDescription d = defaultDisplayFont();
  d.height = 30;
  const QFont font = toQFont(d);
  EXPECT_NEAR(QFontMetrics(font).height(), 30, 2);
  EXPECT_LT(font.pixelSize(), 30);
}

TEST_F(MapFontQt, StyleAndScaleCarryOver) {
  MapFontDescription d = defaultDisplayFont();
  d.weight = 0;
  d.italic = 1;
  d.underline = 1;
  const QFont font = toQFont(d, 2.0);
  EXPECT_EQ(font.weight(), QFont::Normal);
  EXPECT_TRUE(font.italic());
  EXPECT_TRUE(font.underline());
  EXPECT_EQ(font.pixelSize(), 28);
}

TEST_F(MapFontQt, SurfaceMeasuresTextInTheSelectedFont) {
  QImage image(200, 100, QImage::Format_RGB32);
  QPainter painter(&image);
  QtSurface surface(painter, 200, 100, false);
  MapFontDescription small = defaultDisplayFont();
  surface.selectFont(small, false);
  const int smallHeight = surface.textHeight("Hello World");
  MapFontDescription large = small;
  large.height = -28;
  surface.selectFont(large, false);
  const int largeHeight = surface.textHeight("Hello World");
  EXPECT_GE(smallHeight, 14);
  EXPECT_NEAR(largeHeight, 2 * smallHeight, 3);
}

TEST_F(MapFontQt, DerivedPrinterFontGrowsWithTheDevicesPixelsPerInch) {
  QImage screenLike(200, 100, QImage::Format_RGB32);
  QImage printerLike(200, 100, QImage::Format_RGB32);
  const int screenDotsPerMeter = screenLike.dotsPerMeterY();
  printerLike.setDotsPerMeterX(screenDotsPerMeter * 4);
  printerLike.setDotsPerMeterY(screenDotsPerMeter * 4);
  QPainter onScreen(&screenLike);
  QPainter onPaper(&printerLike);
  QtSurface screen(onScreen, 200, 100, false);
  QtSurface paper(onPaper, 200, 100, true);
  screen.selectFont(defaultDisplayFont(), true);
  paper.selectFont(defaultDisplayFont(), true);
  EXPECT_GT(paper.textHeight("Hello World"), 3 * screen.textHeight("Hello World"));
}

}  // namespace
}  // namespace z5
