// The map primitives drawn on a QImage land on the pixels the map asked for,
// in the colours of the active table.

#include "ui/QtSurface.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "DialogTesting.h"

namespace z5 {
namespace {

class QtSurfaceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::widgetApplication();
  }

  QtSurfaceTest() : image(100, 80, QImage::Format_RGB32), painter(&image), surface(painter, 100, 80, false) {
    surface.setColourTable(kDefaultScreenPalette.data(), kPaletteSize);
    surface.fillBackground({0, 0, 0});
  }

  QRgb pixel(int x, int y) {
    painter.end();
    return image.pixel(x, y);
  }

  QImage image;
  QPainter painter;
  QtSurface surface;
};

TEST_F(QtSurfaceTest, LinesAreOnePixelWideInTheTableColour) {
  surface.selectPen(0);  // red in the screen table
  surface.moveTo(10, 20);
  surface.lineTo(60, 20);
  EXPECT_EQ(pixel(30, 20), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(30, 21), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(30, 19), qRgb(0, 0, 0));
}

TEST_F(QtSurfaceTest, SetPixelMarksExactlyThatPixel) {
  surface.selectPen(7);  // white
  surface.setPixel(5, 6);
  EXPECT_EQ(pixel(5, 6), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(6, 6), qRgb(0, 0, 0));
}

TEST_F(QtSurfaceTest, CircleHasTheGivenRadiusAroundItsCentre) {
  surface.selectPen(1);  // cyan
  surface.circle(50, 40, 5);
  EXPECT_EQ(pixel(55, 40), qRgb(0, 255, 255));
  EXPECT_EQ(image.pixel(45, 40), qRgb(0, 255, 255));
  EXPECT_EQ(image.pixel(50, 40), qRgb(0, 0, 0));
}

TEST_F(QtSurfaceTest, TextIsMeasuredAndDrawnBelowItsTopLeftCorner) {
  EXPECT_GT(surface.textHeight("Hello World"), 5);
  EXPECT_GT(surface.textWidth("Hello World"), surface.textWidth("Hello"));
  surface.setTextColour(7);
  surface.textOut(2, 2, "MMMM");
  painter.end();
  bool inked = false;
  for (int y = 2; y < 2 + 20 && !inked; ++y)
    for (int x = 2; x < 40 && !inked; ++x) inked = image.pixel(x, y) == qRgb(255, 255, 255);
  EXPECT_TRUE(inked);
  EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));
}

TEST_F(QtSurfaceTest, NamesAreMeasuredAsUtf8AndOldLatin1NamesAsLatin1) {
  const QFontMetrics metrics = painter.fontMetrics();
  const char* utf8 = "\xC3\x8Ele d'Ouessant \xE2\x9C\x93";
  EXPECT_EQ(surface.textWidth(utf8), metrics.horizontalAdvance(QString::fromUtf8(utf8)))
      << "a UTF-8 name drawn as Latin-1 bytes";
  EXPECT_EQ(surface.textWidth("\xCEle"), metrics.horizontalAdvance(QString::fromUtf8("\xC3\x8Ele")))
      << "a Latin-1 name of an older place-name file drawn as broken UTF-8";
}

TEST(QtSurfaceLifetime, PaintingLeavesThePaintersPenFontAndBackgroundModeAsTheyWere) {
  test::widgetApplication();
  QImage image(40, 40, QImage::Format_RGB32);
  QPainter painter(&image);
  const QPen pen(QColor(10, 20, 30), 3);
  painter.setPen(pen);
  QFont font = painter.font();
  font.setPixelSize(31);
  painter.setFont(font);
  painter.setBackgroundMode(Qt::OpaqueMode);
  {
    QtSurface surface(painter, 40, 40, true);
    surface.selectPenColour({255, 255, 255});
    surface.selectFont(defaultDisplayFont(), false);
    surface.lineTo(10, 10);
  }
  EXPECT_EQ(painter.pen(), pen);
  EXPECT_EQ(painter.font().pixelSize(), 31);
  EXPECT_EQ(painter.backgroundMode(), Qt::OpaqueMode);
}

}  // namespace
}  // namespace z5
