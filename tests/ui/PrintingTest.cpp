// Printing from the window: the page setup dialog as a user answers it,
// print preview starting on the caret's page, text pages on a printer, and
// the map printed while another route's voyage is loaded.

#include "ui/Printing.h"

#include <functional>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QColor>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "../app/DeskTesting.h"
#include "ProgramRun.h"
#include "WidgetApplication.h"
#include "app/MapWindow.h"
#include "app/RouteEditor.h"
#include "editor/EditorPosition.h"
#include "editor/MapDocument.h"

namespace z5 {
namespace {

// Answers the next modal dialog with `answer` once it is up.
void whenModal(const std::function<void(QWidget&)>& answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    answer(*dialog);
  });
}

QLineEdit* editLabelled(QWidget& dialog, const QString& label) {
  for (QLabel* caption : dialog.findChildren<QLabel*>()) {
    if (caption->text() == label) return qobject_cast<QLineEdit*>(caption->buddy());
  }
  return nullptr;
}

QRadioButton* radio(QWidget& dialog, int index) { return dialog.findChildren<QRadioButton*>().value(index); }

void press(QWidget& dialog, QDialogButtonBox::StandardButton which) {
  QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

class PrintingTest : public test::DeskTest {
 protected:
  PrintingTest() { test::widgetApplication(); }

  // A PDF printer writing into the home directory.
  void printToPdf(QPrinter& printer, const std::string& name) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(home.file(name)));
  }
};

TEST_F(PrintingTest, PageSetupDialogKeepsWhatTheUserTypedOnOkOnly) {
  PageSetupProfile& setup = app.pageSetup();
  whenModal([](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Page Setup");
    QLineEdit* header = editLabelled(dialog, "&Header:");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->text(), "File: &f");
    header->selectAll();
    QTest::keyClicks(header, "Route &f %d.%m.%Y");
    QTest::mouseClick(radio(dialog, 1), Qt::LeftButton);  // the header's "System Time"
    press(dialog, QDialogButtonBox::Ok);
  });
  ASSERT_TRUE(runPageSetupDialog(nullptr, setup));
  EXPECT_EQ(setup.values().Header, "Route &f %d.%m.%Y");
  EXPECT_EQ(setup.values().HeaderTime, kSystemTime);
  EXPECT_EQ(setup.values().Footer, "Page: &p") << "the footer changed without being touched";
  EXPECT_EQ(setup.values().FooterTime, kFileTime);

  const PageSetup kept = setup.values();
  whenModal([](QWidget& dialog) {
    QTest::keyClicks(editLabelled(dialog, "&Footer:"), " of many");
    QTest::mouseClick(radio(dialog, 3), Qt::LeftButton);
    press(dialog, QDialogButtonBox::Cancel);
  });
  EXPECT_FALSE(runPageSetupDialog(nullptr, setup));
  EXPECT_EQ(setup.values(), kept) << "Cancel changed the page setup";
}

// A text of `lines` numbered lines.
std::string numberedLines(int lines) {
  std::string text;
  for (int i = 1; i <= lines; ++i) text += "Line " + std::to_string(i) + "\r\n";
  return text;
}

TEST_F(PrintingTest, PreviewStartsOnTheCaretsPageAndLeavesTheCaretOnThePageLastShown) {
  const std::string text = numberedLines(300);
  RouteDocument& document = openRoute("long.txt", text);
  const int caret = editorPositionOfTextOffset(text, text.find("Line 200\r"));
  struct Row {
    int turnTo;  // the page the user turns to; 0: none
    bool caretMoves;
    const char* legend;
  };
  const Row rows[] = {
      {0, false, "the caret moved though the user stayed on its page"},
      {1, true, "the caret left where it was after the user turned to page 1"},
  };
  for (const Row& row : rows) {
    int shownFirst = 0;
    whenModal([&](QWidget& dialog) {
      auto* preview = dialog.findChild<QPrintPreviewWidget*>();
      ASSERT_NE(preview, nullptr);
      shownFirst = preview->currentPage();
      EXPECT_GT(preview->pageCount(), 3);
      if (row.turnTo > 0) preview->setCurrentPage(row.turnTo);
      qobject_cast<QDialog*>(&dialog)->reject();
    });
    const int after = previewDocument(nullptr, app, document, caret);
    EXPECT_GT(shownFirst, 1) << "the preview did not start on the caret's page";
    EXPECT_EQ(after, row.caretMoves ? 0 : caret) << row.legend;
  }
}

TEST_F(PrintingTest, LongLinesPrintWholeInASmallerFontAndEveryLineIsOnAPage) {
  const std::string shortText = numberedLines(200);
  const std::string wideText = shortText + std::string(200, 'W') + "\r\n";
  QPrinter printer(QPrinter::HighResolution);
  printToPdf(printer, "pages.pdf");
  RouteDocument narrow("/routes/narrow.txt", shortText);
  RouteDocument wide("/routes/wide.txt", wideText);
  TextPages narrowPages = documentPages(app, narrow);
  TextPages widePages = documentPages(app, wide);
  ASSERT_TRUE(printTextPages(printer, app, narrowPages));
  ASSERT_TRUE(printTextPages(printer, app, widePages));
  EXPECT_GT(widePages.linesPerPage(), narrowPages.linesPerPage()) << "the wide line did not make the font smaller";
  const int lines = 202;  // 200 numbered, the wide one, the empty last
  EXPECT_EQ(widePages.pageCount(), (lines + widePages.linesPerPage() - 1) / widePages.linesPerPage());
  EXPECT_EQ(widePages.header(2), "File: /routes/wide.txt");
  EXPECT_EQ(widePages.footer(2), "Page: 2");
}

TEST_F(PrintingTest, PrintingAnotherRoutesMapGivesTheNamesAndTheViewBack) {
  RouteDocument& first = openRoute("first.txt");
  ASSERT_NE(MapWindow(app).open(), nullptr);
  MapDocument* map = app.documents().liveMap();
  ASSERT_NE(map, nullptr);
  RouteDocument& second = openRoute("second.txt", "Calais\n50-58N\n001-51E\nDieppe\n49-56N\n001-05E\n");
  ASSERT_TRUE(RouteEditor(app).extractRoute(second));
  const SettingsRecord before = app.settings();
  const MapViewState view = app.mapView();
  const MapExtent extent = app.mapExtent();

  QPrinter printer(QPrinter::HighResolution);
  printToPdf(printer, "map.pdf");
  ASSERT_TRUE(printMapOn(printer, app, *map));
  EXPECT_EQ(app.voyage().routeFileName, first.path()) << "the page did not show the map's own route";
  EXPECT_EQ(app.settings().DATA_FILE, before.DATA_FILE);
  EXPECT_EQ(app.settings().outputFileName, before.outputFileName);
  EXPECT_EQ(app.mapView().drawingWidth, view.drawingWidth) << "the page's size left in the window's view";
  EXPECT_EQ(app.mapView().degreeSpan, view.degreeSpan);
  EXPECT_EQ(app.mapView().centreIndex, view.centreIndex);
  EXPECT_EQ(app.mapExtent().north, extent.north) << "the mouse would read positions off the page's extent";
  const std::string text = test::runProgram("pdftotext -layout '" + home.file("map.pdf") + "' -").output;
  EXPECT_NE(text.find("Map of: " + first.path()), std::string::npos) << text;

  // The next command on the second route extracts it again.
  ASSERT_TRUE(RouteEditor(app).extractRoute(second));
  EXPECT_EQ(app.voyage().routeFileName, second.path());
}

TEST_F(PrintingTest, MapLeftFromAnEarlierOnePrintsItsPictureInItsOwnShape) {
  MapDocument left(home.file("temp1.bmp"), "/routes/left.txt");
  QImage picture(400, 300, QImage::Format_RGB32);
  picture.fill(QColor(10, 200, 30));
  QPrinter printer(QPrinter::HighResolution);
  printToPdf(printer, "left.pdf");
  ASSERT_TRUE(printMapOn(printer, app, left, picture));
  const std::string page = home.file("left");
  test::runProgram("pdftoppm -png -r 20 -singlefile '" + home.file("left.pdf") + "' '" + page + "'");
  const QImage printed(QString::fromStdString(page + ".png"));
  QRect green;
  for (int y = 0; y < printed.height(); ++y)
    for (int x = 0; x < printed.width(); ++x)
      if (qGreen(printed.pixel(x, y)) > 150 && qRed(printed.pixel(x, y)) < 60) green |= QRect(x, y, 1, 1);
  ASSERT_FALSE(green.isEmpty()) << "the picture is not on the page";
  EXPECT_NEAR(static_cast<double>(green.width()) / green.height(), 4.0 / 3.0, 0.05) << "the picture was stretched";
  EXPECT_GT(green.width(), printed.width() / 2) << "the picture does not fill the page";
}

TEST_F(PrintingTest, PrinterThatCannotStartChangesNothingAndSaysSo) {
  RouteDocument& route = openRoute("route.txt");
  const std::string text = route.text();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(home.file("no/such/dir/out.pdf")));
  TextPages pages = documentPages(app, route);
  EXPECT_FALSE(printTextPages(printer, app, pages));
  EXPECT_FALSE(host.popups.empty()) << "the failure was not said";
  EXPECT_EQ(route.text(), text);
  EXPECT_FALSE(route.modified());
}

}  // namespace
}  // namespace z5
