// The map's font commands as the user works them: the font chooser
// answered, its choice kept in the display or printer font at the device's
// resolution, and the printer font made to follow the display font again.

#include "ui/MapFontCommands.h"

#include <cmath>

#include <QFontDialog>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>

#include "MapViewTesting.h"

namespace z5 {
namespace {

// Answers the next font chooser with `family` at `points`, or cancels it.
void answerFontChooser(const char* family, double points, bool accept = true) {
  test::answerModal([=](QWidget& modal) {
    auto& dialog = static_cast<QFontDialog&>(modal);
    QFont font{QString::fromLatin1(family)};
    font.setPointSizeF(points);
    font.setBold(true);
    dialog.setCurrentFont(font);
    accept ? dialog.accept() : dialog.reject();
  });
}

int pixelsOf(double points, double dotsPerInch) { return static_cast<int>(std::lround(points * dotsPerInch / 72)); }

TEST(MapFontCommands, ChoicesAreKeptAtTheResolutionOfTheirDevice) {
  test::MapDesk desk;
  ASSERT_TRUE(desk.started);
  MapFonts& fonts = desk.app.mapFonts();
  const double screen = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
  const double printer = QPrinter(QPrinter::HighResolution).resolution();

  answerFontChooser("Liberation Sans", 12);
  ASSERT_TRUE(chooseMapDisplayFont(nullptr, desk.app));
  EXPECT_EQ(fonts.display.faceName, "Liberation Sans");
  EXPECT_EQ(fonts.display.height, -pixelsOf(12, screen)) << "the display font not in screen pixels";
  EXPECT_EQ(fonts.display.weight, 700);
  EXPECT_TRUE(fonts.printerFollowsDisplay()) << "choosing the display font set a printer font";

  const MapFontDescription display = fonts.display;
  answerFontChooser("Liberation Serif", 20, false);
  EXPECT_FALSE(chooseMapDisplayFont(nullptr, desk.app));
  EXPECT_EQ(fonts.display, display) << "a cancelled chooser changed the font";

  answerFontChooser("Liberation Serif", 10);
  ASSERT_TRUE(chooseMapPrinterFont(nullptr, desk.app));
  EXPECT_EQ(fonts.printer.faceName, "Liberation Serif");
  EXPECT_EQ(fonts.printer.height, -pixelsOf(10, printer)) << "the printer font not in printer pixels";
  EXPECT_FALSE(fonts.printerFollowsDisplay());

  mirrorMapDisplayFont(desk.app);
  EXPECT_TRUE(fonts.printerFollowsDisplay()) << "mirroring kept the printer font";
}

}  // namespace
}  // namespace z5
