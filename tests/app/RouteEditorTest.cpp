// Extracting the active route and writing its output file through the
// documents: saving before extraction, extracting only what changed, the
// error's line selected, the output linked to its route, an edited output
// kept under a new name, and nothing lost when a file cannot be written.

#include "app/RouteEditor.h"

#include <filesystem>

#include "DeskTesting.h"
#include "app/OutputFile.h"
#include "report/VoyageReport.h"

namespace z5 {
namespace {

class RouteEditing : public test::DeskTest {
 protected:
  RouteEditor editor{app};
};

TEST_F(RouteEditing, UntitledTextIsSavedUnderTheNameGivenBeforeItIsExtracted) {
  RouteDocument& text = app.documents().newText();
  text.edit(kRoute);
  EXPECT_FALSE(editor.extractRoute());
  EXPECT_TRUE(host.popups.empty()) << "refusing to name the text showed a message";
  EXPECT_TRUE(app.voyage().empty());
  windows.saveAsAnswers.push_back(home.file("passage.txt"));
  ASSERT_TRUE(editor.extractRoute());
  EXPECT_EQ(test::readFile(home.file("passage.txt")), kRoute);
  EXPECT_EQ(app.voyage().count(), 3);
  EXPECT_EQ(app.settings().DATA_FILE, home.file("passage.txt"));
  EXPECT_EQ(app.settings().outputFileName, home.file("passage.out"));
}

TEST_F(RouteEditing, TypingAfterAnExtractionMakesTheNextOutputExtractAgain) {
  RouteDocument& route = openRoute("passage.txt");
  ASSERT_TRUE(editor.extractRoute());
  app.voyage().waypoints[0].name = "marked";
  ASSERT_TRUE(editor.extractRoute());
  EXPECT_EQ(app.voyage().waypoints[0].name, "marked") << "an unchanged, extracted route extracted again";
  route.edit(std::string(kRoute) + "Lisbon\n38-40N\n009-20W\n");
  ASSERT_TRUE(editor.writeOutput(kNormalOutput));
  EXPECT_EQ(app.voyage().count(), 4) << "the edited text not extracted again";
  EXPECT_NE(test::readFile(home.file("passage.out")).find("Lisbon"), std::string::npos);
}

TEST_F(RouteEditing, AFreshExtractionEndsWithTheRouteCheckSummaryAndAnUnchangedRouteAddsNone) {
  openRoute("passage.txt");
  const auto summaries = [&] {
    const std::string& said = app.messages().text();
    int n = 0;
    for (std::size_t at = said.find("Route check: "); at != std::string::npos; at = said.find("Route check: ", at + 1))
      ++n;
    return n;
  };
  ASSERT_TRUE(editor.extractRoute());
  EXPECT_EQ(summaries(), 1);
  ASSERT_TRUE(editor.writeOutput(kNormalOutput));
  EXPECT_EQ(summaries(), 1) << "a route not extracted again checked again";
  EXPECT_EQ(test::readFile(home.file("passage.out")).find("Route check"), std::string::npos) << "in the report";
}

TEST_F(RouteEditing, RouteErrorShowsErrorTwentyFourAndSelectsTheFirstErrorLine) {
  openRoute("bad.txt", std::string(kRoute) + "!SPEED fast\n");
  windows.take();
  EXPECT_FALSE(editor.extractRoute());
  ASSERT_FALSE(host.popups.empty());
  EXPECT_EQ(host.popups.back().text, app.strings().error(kErrorNoVoyage, home.file("bad.txt")));
  EXPECT_EQ(host.popups.back().milliseconds, kNoVoyageAfterExtractMs);
  EXPECT_EQ(windows.take(), (std::vector<std::string>{"forward bad.txt", "select bad.txt:10:!SPEED fast"}));
  EXPECT_FALSE(editor.writeOutput(kNormalOutput)) << "a route with an error written as an output";
  EXPECT_FALSE(std::filesystem::exists(home.file("bad.out")));
}

TEST_F(RouteEditing, OutputIsOpenedLinkedToItsRouteAndItsEarlierWindowReplaced) {
  RouteDocument& route = openRoute("ROUTE.TXT");
  ASSERT_TRUE(editor.writeOutput(kDelimitedOutput));
  RouteDocument* output = route.outputLink();
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(output->path(), home.file("ROUTE.out"));
  EXPECT_EQ(output->routeLink(), &route);
  EXPECT_EQ(output->routeName(), route.path());
  EXPECT_EQ(output->outputFormat(), kDelimitedOutput);
  EXPECT_EQ(app.settings().DATA_FILE, route.path()) << "opening the output changed the current route";
  windows.take();
  app.documents().activate(*output);
  ASSERT_TRUE(editor.writeOutput(kNormalOutput)) << "an output window not leading to its route";
  EXPECT_EQ(windows.take(), (std::vector<std::string>{"closing ROUTE.out", "opened ROUTE.out"}));
  EXPECT_EQ(test::readFile(route.path()), kRoute) << "the route touched by its output";
}

TEST_F(RouteEditing, GpxOutputIsAnOutputDocumentOfItsRoute) {
  RouteDocument& route = openRoute("ROUTE.TXT");
  ASSERT_TRUE(editor.writeOutput(kGpxOutput));
  RouteDocument* output = route.outputLink();
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(output->path(), home.file("ROUTE.gpx"));
  EXPECT_EQ(output->kind(), DocumentKind::Output) << "a GPX output taken for a route";
  EXPECT_EQ(output->outputFormat(), kGpxOutput);
  app.documents().close(*output);
  app.documents().activate(*app.documents().openText(home.file("ROUTE.gpx")));
  ASSERT_TRUE(editor.extractRoute()) << "a GPX output opened from its file not leading to its route";
  EXPECT_EQ(app.voyage().routeFileName, route.path());
}

TEST_F(RouteEditing, OutputOpenedFromItsFileExtractsItsRoute) {
  const std::string routePath = home.write("ROUTE.TXT", kRoute);
  app.settings().DATA_FILE = routePath;
  RouteDocument* output = app.documents().openText(home.write("ROUTE.OUT", "old report\n"));
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(app.settings().DATA_FILE, routePath);
  ASSERT_TRUE(editor.extractRoute());
  EXPECT_EQ(app.voyage().routeFileName, routePath);
  EXPECT_EQ(app.voyage().count(), 3);
}

TEST_F(RouteEditing, EditedOutputIsOfferedForSavingUnderANewNameBeforeItIsReplaced) {
  struct Row {
    std::optional<std::string> answer;  // the name given, or Cancel
    bool kept;
    const char* catches;
  };
  const Row rows[] = {
      {"notes.txt", true, "the user's edits lost when the output is written again"},
      {std::nullopt, false, "a cancelled offer still writing a copy"},
      {"ROUTE.TXT", false, "the edited output saved over the route"},
  };
  for (const Row& row : rows) {
    RouteDocument& route = openRoute("ROUTE.TXT");
    ASSERT_TRUE(editor.writeOutput(kNormalOutput));
    route.outputLink()->edit("my notes\n");
    windows.saveAsAnswers.push_back(row.answer ? std::optional(home.file(*row.answer)) : std::nullopt);
    ASSERT_TRUE(editor.writeOutput(kNormalOutput)) << row.catches;
    EXPECT_EQ(std::filesystem::exists(home.file("notes.txt")), row.kept) << row.catches;
    if (row.kept) {
      EXPECT_EQ(test::readFile(home.file("notes.txt")), "my notes\n") << row.catches;
      EXPECT_NE(app.documents().findText(home.file("notes.txt")), nullptr) << "the saved copy not left open";
    }
    EXPECT_EQ(test::readFile(home.file("ROUTE.TXT")), kRoute) << row.catches;
    EXPECT_NE(test::readFile(home.file("ROUTE.out")), "my notes\n") << row.catches;
    std::filesystem::remove(home.file("notes.txt"));
    while (!app.documents().empty()) app.documents().close(*app.documents().documents().front());
  }
}

TEST_F(RouteEditing, OutputThatCannotBeWrittenShowsErrorTwentyTwoAndThePreviousStays) {
  openRoute("passage.txt");
  const std::string elsewhere = home.write("elsewhere.txt", "previous\n");
  std::filesystem::create_symlink(elsewhere, home.file("passage.out"));
  EXPECT_FALSE(editor.writeOutput(kNormalOutput));
  ASSERT_FALSE(host.popups.empty());
  EXPECT_EQ(host.popups.back().text, app.strings().error(kErrorCannotCreateOutput, home.file("passage.out")));
  EXPECT_EQ(host.popups.back().milliseconds, kCannotCreateOutputMs);
  EXPECT_EQ(test::readFile(elsewhere), "previous\n");
  EXPECT_EQ(app.documents().findText(home.file("passage.out")), nullptr);
}

TEST_F(RouteEditing, ShipReportsAskForTheMissingDepartureTimeAndSpeed) {
  openRoute("passage.txt");
  app.settings().departure = {2002, 3, 15, 12, 0};
  host.answer(std::nullopt);
  EXPECT_FALSE(editor.writeOutput(kAmverOutput)) << "an AMVER report written without a speed";
  EXPECT_EQ(host.prompts.size(), 1u) << "the speed not asked for, or the departure asked though given";
  EXPECT_FALSE(std::filesystem::exists(home.file("passage.out")));
  host.answer("12");
  EXPECT_TRUE(editor.writeOutput(kMoverepOutput));
  EXPECT_TRUE(std::filesystem::exists(home.file("passage.out")));
}

TEST_F(RouteEditing, ShowSourceFileAndTheRouteReloadWorkFromTheOutputWindow) {
  RouteDocument& route = openRoute("passage.txt");
  ASSERT_TRUE(editor.writeOutput(kDataFileOutput));
  route.edit(std::string(kRoute) + "Lisbon\n38-40N\n009-20W\n");
  windows.take();
  ASSERT_TRUE(editor.rewriteOutput());
  EXPECT_EQ(route.outputLink()->outputFormat(), kDataFileOutput) << "the reload changed the output's format";
  EXPECT_NE(test::readFile(home.file("passage.out")).find("Lisbon"), std::string::npos)
      << "the reload read the file instead of the edited text";
  EXPECT_TRUE(route.modified()) << "the reload lost the unsaved edit";
  ASSERT_TRUE(editor.showSourceFile());
  EXPECT_EQ(windows.take().back(), "forward passage.txt");
}

}  // namespace
}  // namespace z5
