// The map window inside the main window: "&Map" on the sample route opens a
// map view as a document window, painted at the size of the client area,
// and the zoom command paints it again.

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QTest>

#include "DesktopTesting.h"
#include "commands/CommandIds.h"
#include "ui/MapView.h"

namespace z5 {
namespace {

class MapWindowDesktopTest : public test::DesktopTest {};

TEST_F(MapWindowDesktopTest, MapCommandOpensAMapViewOfTheClientAreaThatZoomsAndRepaints) {
  ASSERT_TRUE(start());
  choose(cmd::kMap);
  QMdiSubWindow* shown = area().currentSubWindow();
  ASSERT_NE(shown, nullptr);
  auto* view = qobject_cast<MapView*>(shown->widget());
  ASSERT_NE(view, nullptr) << "no map window";
  EXPECT_EQ(shown->windowTitle().toStdString(), view->document().title());
  EXPECT_EQ(view->picture().size(), window().centralWidget()->size()) << "the picture not of the client area";
  const QImage before = view->picture();
  const double span = app().mapExtent().north - app().mapExtent().south;
  choose(cmd::kZoomIn);
  EXPECT_TRUE(QTest::qWaitFor([&] { return view->picture() != before; }, 3000)) << "the zoom not painted";
  EXPECT_DOUBLE_EQ(app().mapView().degreeSpan, span / 2);
}

}  // namespace
}  // namespace z5
