// The open documents without windows: opening, the current route file,
// the links between a route and its output and map, ActiveRouteDocument,
// saving, and the editor's lines as the engine reads them.

#include "editor/DocumentSet.h"

#include <gtest/gtest.h>

#include "RecordingWindows.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "editor/DocumentLinks.h"
#include "editor/EditorLineReader.h"

namespace z5 {
namespace {

class Documents : public ::testing::Test {
 protected:
  Documents() {
    documents.attachWindows(windows);
    route = dir.write("ROUTE.TXT", "A\n1N\n1E\n");
    output = dir.write("ROUTE.OUT", "report\n");
  }
  RouteDocument& open(const std::string& path) {
    RouteDocument* document = documents.openText(path);
    EXPECT_NE(document, nullptr) << path;
    return *document;
  }

  test::TempDir dir;
  test::ScriptedHost host;
  StringTable strings;
  Messages messages{host, strings};
  SettingsRecord settings;
  DocumentSet documents{settings, messages};
  test::RecordingWindows windows;
  std::string route, output;
};

TEST_F(Documents, RouteBecomesTheCurrentRouteFileButAnOutputOrAShownFileDoesNot) {
  open(output);
  EXPECT_EQ(settings.DATA_FILE, "README.TXT") << "an output document changed the current route";
  documents.openText(dir.write("readme.txt", "help\n"), false);
  EXPECT_EQ(settings.DATA_FILE, "README.TXT") << "a file opened only to be read changed the current route";
  open(route);
  EXPECT_EQ(settings.DATA_FILE, route);
  EXPECT_EQ(documents.active()->kind(), DocumentKind::Route);
}

TEST_F(Documents, OpeningAnOpenFileBringsItsWindowForwardInsteadOfASecondCopy) {
  RouteDocument& first = open(route);
  open(output);
  windows.take();
  EXPECT_EQ(&open(route), &first);
  EXPECT_EQ(windows.take(), std::vector<std::string>{"forward ROUTE.TXT"});
  EXPECT_EQ(documents.active(), &first);
  EXPECT_EQ(documents.documents().size(), 2u);
}

TEST_F(Documents, FileThatCannotBeReadShowsErrorTwoAndOpensNothing) {
  for (const std::string& path : {dir.file("missing.txt"), dir.path().string()}) {
    host.popups.clear();
    EXPECT_EQ(documents.openText(path), nullptr) << path;
    ASSERT_EQ(host.popups.size(), 1u) << path;
    EXPECT_EQ(host.popups[0].text, strings.error(kErrorCannotOpen, path));
    EXPECT_EQ(host.popups[0].milliseconds, kCannotOpenMs);
  }
  host.popups.clear();
  EXPECT_EQ(documents.openText(dir.write("huge.txt", std::string(RouteDocument::kTextLimit + 1, 'x'))), nullptr)
      << "a file larger than an editor holds opened cut";
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text, strings.error(15, dir.file("huge.txt"), 1));
  EXPECT_TRUE(documents.empty());
}

TEST_F(Documents, LinksAreClearedFromBothEndsWhenEitherDocumentCloses) {
  enum Closed { Route, Output, Map };
  for (const Closed closed : {Route, Output, Map}) {
    RouteDocument& r = open(route);
    RouteDocument& o = open(output);
    MapDocument& m = documents.openMap(dir.file("temp1.bmp"), route);
    DocumentLinks::linkOutput(r, o, 3);
    DocumentLinks::linkMap(r, m);
    documents.close(closed == Route ? static_cast<Document&>(r) : closed == Output ? static_cast<Document&>(o) : m);
    if (closed == Route) {
      EXPECT_EQ(o.routeLink(), nullptr) << "an output still pointing at its closed route";
      EXPECT_EQ(m.routeLink(), nullptr) << "a map still pointing at its closed route";
      EXPECT_EQ(o.routeName(), route) << "the output forgot its route's name";
    } else {
      EXPECT_EQ(r.outputLink() == nullptr, closed == Output) << "the output link wrong after closing " << closed;
      EXPECT_EQ(r.mapLink() == nullptr, closed == Map) << "the map link wrong after closing " << closed;
    }
    while (!documents.empty()) documents.close(*documents.documents().front());
  }
}

TEST_F(Documents, ClosedRouteIsOpenedAgainFromTheNameItsOutputOrMapKept) {
  struct Row {
    bool fromMap;
    const char* catches;
  };
  const Row rows[] = {
      {false, "an output whose route window was closed giving no route"},
      {true, "a map whose route window was closed giving no route"},
  };
  for (const Row& row : rows) {
    RouteDocument& r = open(route);
    Document* shown = nullptr;
    if (row.fromMap) {
      MapDocument& m = documents.openMap(dir.file("temp1.bmp"), route);
      DocumentLinks::linkMap(r, m);
      shown = &m;
    } else {
      RouteDocument& o = open(output);
      DocumentLinks::linkOutput(r, o, 4);
      shown = &o;
    }
    documents.close(r);
    documents.activate(*shown);
    RouteDocument* reopened = documents.activeRouteDocument();
    ASSERT_NE(reopened, nullptr) << row.catches;
    EXPECT_EQ(reopened->path(), route) << row.catches;
    if (row.fromMap) {
      EXPECT_EQ(reopened->mapLink(), shown) << row.catches;
    } else {
      EXPECT_EQ(reopened->outputLink(), shown) << row.catches;
      EXPECT_EQ(static_cast<RouteDocument*>(shown)->outputFormat(), 4) << row.catches;
    }
    while (!documents.empty()) documents.close(*documents.documents().front());
  }
}

TEST_F(Documents, TextIsNeverSavedOverTheFileOfAnotherOpenDocument) {
  open(route);
  RouteDocument& o = open(output);
  o.edit("my notes\n");
  EXPECT_FALSE(documents.save(o, route));
  EXPECT_EQ(test::readFile(route), "A\n1N\n1E\n");
  EXPECT_EQ(o.path(), output);
  EXPECT_TRUE(o.modified());
  ASSERT_EQ(host.popups.size(), 1u);
}

TEST(EditorLines, CarriageReturnEndsALineAndALineFeedAfterItIsSkipped) {
  struct Row {
    const char* text;
    const char* lines;  // as the engine is given them
    const char* catches;
  };
  const Row rows[] = {
      {"A\r1N\r1E", "A\n1N\n1E\n", "a lone CR not ending a line"},
      {"A\r\n1N\r\n", "A\n1N\n", "CR LF read as two line ends"},
      {"A\n1N\n", "A\n1N\n", "LF, this system's line end, not ending a line"},
      {"A\n\r1N", "A\n\n1N\n", "LF CR taken for one line end"},
      {"A\r\r\n1N", "A\n\n1N\n", "an empty line between CR and CR LF lost"},
      {"", "", "an empty text giving a line"},
  };
  for (const Row& row : rows) EXPECT_EQ(engineText(row.text), row.lines) << row.catches;
  EditorLineReader lines("A\r\nB");
  lines.next();
  lines.next();
  lines.reset();
  EXPECT_EQ(lines.next(), "A") << "reset not starting again from the first line";
}

}  // namespace
}  // namespace z5
