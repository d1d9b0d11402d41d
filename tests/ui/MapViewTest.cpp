// The map window worked as a navigator works it: the picture "&Map" shows,
// the position line under the mouse, the position dialog of a left click,
// the zoom keys, the wheel and a drag.

#include "ui/MapView.h"

#include <cmath>
#include <mutex>

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>

#include "MapViewTesting.h"
#include "ProgramRun.h"
#include "app/MapWindow.h"
#include "base/TextUtil.h"
#include "geo/Longitude.h"
#include "geo/Projection.h"
#include "map/MapPixels.h"
#include "map/PositionLine.h"

namespace z5 {
namespace {

constexpr const char* kRoute = "README.TXT";

class MapViewWindowTest : public ::testing::Test, protected test::MapDesk {
 protected:
  void SetUp() override { ASSERT_TRUE(started); }

  MapView* openShown() {
    MapView* view = openMap(kRoute);
    if (view != nullptr) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
    }
    return view;
  }

  MapViewState viewState() {
    std::lock_guard<std::recursive_mutex> hold(app.mapLock());
    return app.mapView();
  }

  // Waits until the view has painted a picture other than `before`.
  bool repainted(MapView& view, const QImage& before) {
    return QTest::qWaitFor([&] { return view.picture() != before; }, 3000);
  }

  // Where `point` lies on the map painted last, pixels.
  QPoint pixelOf(Position point) {
    const MapExtent& e = app.mapExtent();
    return {LonToX(e, toArcSeconds(relativeLongitude(point.longitude, e.referenceMeridian))),
            LatToY(e, toArcSeconds(point.latitude))};
  }

  static QPushButton* button(QWidget& dialog, const char* text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
      if (b->text() == QLatin1String(text)) return b;
    }
    ADD_FAILURE() << "no button " << text;
    return nullptr;
  }
};

TEST_F(MapViewWindowTest, PictureIsTheMapTheProgramDrawsHeadless) {
  MapView* view = openShown();
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->picture().size(), QSize(1024, 768));
  const std::string png = home.file("headless.png");
  const test::ProgramRun run = test::runProgram(std::string(Z5_PROGRAM) + " --home " + home.home() + " --settings " +
                                                home.file("z5.ini") + " --map " + png + " --size 1024x768 " +
                                                home.file(kRoute) + " 2>&1");
  ASSERT_EQ(run.status, 0) << run.output;
  const QImage headless = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(view->picture().convertToFormat(QImage::Format_RGB32) == headless) << "the window's map unlike z5 --map's";
  EXPECT_EQ(view->document().pictureWidth(), 1024);
}

TEST_F(MapViewWindowTest, MouseOverAPixelWritesItsPositionLine) {
  MapView* view = openShown();
  ASSERT_NE(view, nullptr);
  const QPoint pixel(300, 200);
  QTest::mouseMove(view->viewport(), pixel);
  const PositionLineContext context{app.mapExtent(), viewState().drawingHeight, app.voyage(), app.settings()};
  const std::optional<PositionLine> line = ComposePositionLine(context, pixel.x(), pixel.y(), app.positionReference());
  ASSERT_TRUE(line);
  ASSERT_TRUE(QTest::qWaitFor([&] { return host.windowText == expandLineEnds(line->line); }, 2000))
      << "message window: " << host.windowText;
  EXPECT_TRUE(host.windowText.starts_with("// POS "));
  EXPECT_EQ(view->viewport()->cursor().shape(), Qt::CrossCursor);
}

TEST_F(MapViewWindowTest, LeftClickThenAppendAddsTheClickedWaypointToTheRoute) {
  MapView* view = openShown();
  ASSERT_NE(view, nullptr);
  const int waypoints = app.voyage().count();
  std::string shownBlock;
  QString caption;
  test::answerModal([&](QWidget& dialog) {
    caption = dialog.findChildren<QLineEdit*>().front()->text();
    shownBlock = dialog.findChild<QPlainTextEdit*>()->toPlainText().toStdString();
    button(dialog, " &Append")->click();
  });
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(400, 300));
  ASSERT_FALSE(shownBlock.empty()) << "no position dialog";
  EXPECT_EQ(caption.toStdString(), app.strings().prompt(263, app.voyage().routeFileName));
  const RouteDocument& route = *app.documents().findText(home.file(kRoute));
  EXPECT_TRUE(route.text().ends_with(shownBlock)) << "the block not appended at the end of the route";
  EXPECT_EQ(clipboard.text(), shownBlock);
  EXPECT_EQ(app.voyage().count(), waypoints + 1) << "the route not extracted again with the new waypoint";
  EXPECT_EQ(windows.textChanges, 1) << "the editor not shown the new text";
}

TEST_F(MapViewWindowTest, PositionDialogRefusesASpanOutOfRangeAndSwitchesTheReference) {
  MapView* view = openShown();
  ASSERT_NE(view, nullptr);
  QString spanAfterRefusal, waypointAfterTerminal;
  bool stayedOpen = false;
  test::answerModal([&](QWidget& dialog) {
    auto* span = dialog.findChildren<QLineEdit*>().at(1);
    span->setText(QStringLiteral("0.01"));
    button(dialog, "&Copy")->click();
    stayedOpen = dialog.isVisible();
    spanAfterRefusal = span->text();
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
      if (radio->text() == QLatin1String("&Terminal Waypoint")) radio->click();
    }
    waypointAfterTerminal = dialog.findChildren<QLineEdit*>().back()->text();
    button(dialog, "Cancel")->click();
  });
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(500, 400));
  EXPECT_TRUE(stayedOpen) << "the dialog closed on a span of 0.01";
  EXPECT_EQ(spanAfterRefusal, QStringLiteral("  2.00")) << "the refused span not reset to the map's";
  EXPECT_EQ(waypointAfterTerminal, QString::number(app.voyage().count())) << "terminal mode not showing the last";
  EXPECT_EQ(clipboard.text(), "") << "a refused span still copied";
  EXPECT_EQ(app.positionReference().mode, ReferenceMode::Terminal);
}

TEST_F(MapViewWindowTest, ZoomKeysHalveOrDoubleTheSpanAndTheFirstKeepsTheCentre) {
  struct Row {
    int key;
    Qt::KeyboardModifiers modifiers;
    double factor;
    const char* catches;
  };
  const Row rows[] = {
      {Qt::Key_PageDown, Qt::NoModifier, 0.5, "Page Down not zooming in (or the whole voyage not centred first)"},
      {Qt::Key_Plus, Qt::KeypadModifier, 0.5, "keypad + not zooming in"},
      {Qt::Key_PageUp, Qt::NoModifier, 2, "Page Up not zooming out"},
      {Qt::Key_Minus, Qt::KeypadModifier, 2, "keypad - not zooming out"},
  };
  MapView* view = openShown();
  ASSERT_NE(view, nullptr);
  const MapExtent whole = app.mapExtent();
  double span = whole.north - whole.south;
  for (const Row& row : rows) {
    const QImage before = view->picture();
    QTest::keyClick(view, static_cast<Qt::Key>(row.key), row.modifiers);
    ASSERT_TRUE(repainted(*view, before)) << row.catches;
    span *= row.factor;
    EXPECT_NEAR(viewState().degreeSpan, span, 1e-9) << row.catches;
  }
  EXPECT_DOUBLE_EQ(viewState().viewLatitude, (whole.north + whole.south) / 2) << "the first zoom moved the centre";
  EXPECT_DOUBLE_EQ(viewState().viewLongitude, absoluteLongitude((whole.west + whole.east) / 2, whole.referenceMeridian));
}

TEST_F(MapViewWindowTest, WheelAndDragKeepTheGrabbedPointUnderThePointer) {
  struct Row {
    int wheel;  // eighths of a degree; 0 for a drag
    QPoint from, to;
    double factor;  // of the span
    const char* catches;
  };
  const Row rows[] = {
      {120, {200, 150}, {200, 150}, 0.5, "the wheel zooming about the middle instead of the pointer"},
      {-120, {800, 600}, {800, 600}, 2, "the wheel turned back not zooming out about the pointer"},
      {0, {500, 400}, {620, 460}, 1, "a drag not moving the map with the pointer"},
  };
  MapView* view = openShown();
  ASSERT_NE(view, nullptr);
  for (const Row& row : rows) {
    const Position grabbed = *positionAtPixel(app.mapExtent(), row.from.x(), row.from.y());
    const double span = viewState().viewPointMode ? viewState().degreeSpan
                                                  : app.mapExtent().north - app.mapExtent().south;
    const QImage before = view->picture();
    if (row.wheel != 0) {
      QWheelEvent wheel(row.from, view->viewport()->mapToGlobal(row.from), {}, {0, row.wheel}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(view->viewport(), &wheel);
    } else {
      QTest::mousePress(view->viewport(), Qt::LeftButton, {}, row.from);
      QTest::mouseMove(view->viewport(), (row.from + row.to) / 2);
      QTest::mouseMove(view->viewport(), row.to);
      QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, row.to);
    }
    ASSERT_TRUE(repainted(*view, before)) << row.catches;
    EXPECT_NEAR(viewState().degreeSpan, span * row.factor, 1e-9) << row.catches;
    const QPoint back = pixelOf(grabbed);
    EXPECT_LE((back - row.to).manhattanLength(), 3) << row.catches << ": now at " << back.x() << "," << back.y();
  }
}

TEST(Screenshots, MapWindow) {
  test::MapDesk desk;
  ASSERT_TRUE(desk.started);
  desk.windows.size = {1024, 640};
  RouteDocument* route = desk.app.documents().openText(desk.home.file(kRoute));
  ASSERT_NE(route, nullptr);
  // The approaches of New York, half a degree high.
  route->mapView().viewPointMode = true;
  route->mapView().viewLatitude = 40.5;
  route->mapView().viewLongitude = -73.95;
  route->mapView().degreeSpan = 0.5;
  ASSERT_NE(MapWindow(desk.app).open(), nullptr);
  MapView* view = desk.windows.view.get();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
  QPixmap shot;
  test::answerModal([&](QWidget& dialog) {
    QTest::qWait(50);
    shot = view->grab();
    QPainter painter(&shot);
    painter.drawPixmap(dialog.mapToGlobal(QPoint(0, 0)) - view->mapToGlobal(QPoint(0, 0)), dialog.grab());
    dialog.close();
  });
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(380, 260));
  ASSERT_FALSE(shot.isNull());
  const QByteArray directory = qgetenv("Z5_SCREENSHOTS_DIR");
  if (!directory.isEmpty()) {
    EXPECT_TRUE(shot.save(QDir(QString::fromLocal8Bit(directory)).filePath(QStringLiteral("MapWindow.png"))));
  }
}

}  // namespace
}  // namespace z5
