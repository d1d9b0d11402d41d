// GPX routes: the files other programs write imported as route text that
// extracts; the bad files a navigator may be handed refused with their
// line; the voyage written as one GPX route and read back the same.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <regex>
#include <system_error>

#include <fmt/format.h>

#include "ReportTesting.h"
#include "TempDir.h"
#include "report/GpxImport.h"

namespace z5 {
namespace {

using test::lines;

const std::string kGpxDirectory = std::string(Z5_FIXTURES_DIR) + "/gpx/";

// A GPX 1.1 document whose <gpx> element is on line 2 and `body` from line 3.
std::string gpx(std::string_view body) {
  return fmt::format(
      "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"test\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
      "{}\n</gpx>\n",
      body);
}

std::string points(int count) {
  std::string body = "<rte><name>long</name>\n";
  for (int i = 0; i < count; ++i) body += fmt::format("<rtept lat=\"{}\" lon=\"{}\"/>\n", i * 0.001, i * 0.001);
  return gpx(body + "</rte>");
}

class Gpx : public test::ReportTest {
 protected:
  // Imports `bytes` and extracts the route text it gives.
  GpxImport importAndExtract(std::string_view bytes, int expectedWaypoints) {
    GpxImport imported = importGpxText(bytes, "in.gpx");
    EXPECT_TRUE(imported.imported) << imported.message;
    EXPECT_EQ(extract(imported.routeText), kVoyageBuilt) << imported.routeText;
    EXPECT_EQ(voyage().count(), expectedWaypoints) << imported.routeText;
    return imported;
  }
};

TEST(GpxImportRefusal, BadFilesAreRefusedWithTheLineWhereTheyGoWrong) {
  const std::string billionLaughs =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE gpx [\n <!ENTITY lol \"lol\">\n"
      " <!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
      " <!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">\n"
      " <!ENTITY lol9 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n]>\n"
      "<gpx version=\"1.1\"><wpt lat=\"1\" lon=\"2\"><name>&lol9;</name></wpt></gpx>\n";
  struct Row {
    const char* legend;
    std::string text;
    int line;  // 0: no line named
    const char* says;
  };
  const Row rows[] = {
      {"plain text, not XML", "Bishop Rock\n49-50N\n006-35W\n", 0, "holds no XML element"},
      {"a file cut off in a route point (a broken download)", gpx("<rte>\n<rtept lat=\"1\" lon=\"2\">"), 5,
       "not well-formed"},
      {"another XML format (a KML placemark file)", "<?xml version=\"1.0\"?>\n<kml></kml>\n", 2,
       "root element is <kml>"},
      {"no route and no waypoints", gpx("<metadata/>"), 2, "no route (rte) and no waypoints"},
      {"routes without points", gpx("<rte><name>empty</name></rte>"), 0, "have no route points"},
      {"a route point without lat", gpx("<rte>\n<rtept lon=\"2\"/>\n</rte>"), 4, "no lat attribute"},
      {"a waypoint without lon", gpx("<wpt lat=\"2\"/>"), 3, "no lon attribute"},
      {"latitude 95, beyond the pole", gpx("<rte><rtept lat=\"95\" lon=\"2\"/></rte>"), 3, "lat \"95\" is out of range"},
      {"longitude beyond the 180th meridian", gpx("<wpt lat=\"1\" lon=\"-180.5\"/>"), 3, "out of range"},
      {"a decimal comma (a writer in a comma locale)", gpx("<wpt lat=\"50,5\" lon=\"1\"/>"), 3,
       "not a decimal number"},
      {"an exponent, which GPX decimals do not have", gpx("<wpt lat=\"5e1\" lon=\"1\"/>"), 3, "not a decimal number"},
      {"a billion-laughs entity bomb (refused, never expanded)", billionLaughs, 2, "document type"},
      {"one point beyond the route limit", points(1001), 1004, "has 1001 points"},
      {"10,000 points, refused whole", points(10000), 1004, "has 10000 points"},
  };
  for (const Row& row : rows) {
    const GpxImport imported = importGpxText(row.text, "bad.gpx");
    EXPECT_FALSE(imported.imported) << row.legend;
    const std::string where = row.line > 0 ? fmt::format("bad.gpx:{}: ", row.line) : "bad.gpx: ";
    EXPECT_TRUE(imported.message.starts_with(where)) << row.legend << ": " << imported.message;
    EXPECT_NE(imported.message.find(row.says), std::string::npos) << row.legend << ": " << imported.message;
  }
}

TEST(GpxImportRefusal, FilesThatCannotBeReadAreRefusedBeforeTheyAreRead) {
  test::TempDir dir;
  const std::string huge = dir.file("huge.gpx");
  std::filesystem::resize_file(dir.write("huge.gpx", ""), 500u << 20);  // sparse: no disk used
  struct Row {
    const char* legend;
    std::string path;
    std::string says;
  };
  // The system's cause is in the user's language.
  const std::string noSuchFile = "cannot read it: " + std::generic_category().message(ENOENT);
  const Row rows[] = {
      {"a 500 MB file (read whole, memory exhausted)", huge, "has 500 MB; a GPX file over 64 MB is not read"},
      {"a directory", dir.home(), "not a regular file"},
      {"a device that never ends", "/dev/zero", "not a regular file"},
      {"a missing file", dir.file("none.gpx"), noSuchFile},
  };
  for (const Row& row : rows) {
    const GpxImport imported = importGpxFile(row.path);
    EXPECT_FALSE(imported.imported) << row.legend;
    EXPECT_NE(imported.message.find(row.says), std::string::npos) << row.legend << ": " << imported.message;
  }
}

TEST_F(Gpx, AChartPlotterRouteBecomesRouteTextWithItsPlannedSpeeds) {
  const GpxImport imported = importAndExtract(test::readFile(kGpxDirectory + "opencpn_route.gpx"), 4);
  EXPECT_EQ(imported.routeText,
            "// GPX route \"Falmouth - Ouessant\" (1 of 1) of in.gpx\n"
            "!SPEED 6.50\n"
            "Falmouth & St Anth\n50-08.59000N\n005-02.81000W\n"
            "Lizard Point\n49-57.50000N\n005-12.10000W\n!SPEED 7.00\n"
            "Traffic Sep. N ent\n48-52.80000N\n005-12.00000W\n"
            "Île d'Ouessant\n48-28.00000N\n005-07.00000W\n");
  EXPECT_DOUBLE_EQ(voyage().waypoints[1].speed, 7.0);
}

TEST_F(Gpx, OtherProgramsShapesGiveTheirRouteOrWaypoints) {
  importAndExtract(test::readFile(kGpxDirectory + "garmin_route.gpx"), 3);
  EXPECT_EQ(voyage().waypoints[2].name, paddedWaypointName("CHERBOURG W ENTR")) << "shape points taken as waypoints";
  const GpxImport listed = importAndExtract(test::readFile(kGpxDirectory + "waypoints_only.gpx"), 3);
  EXPECT_EQ(lines(listed.routeText)[0], "// GPX waypoints (wpt) of in.gpx");
  EXPECT_EQ(voyage().waypoints[2].name, paddedWaypointName("WPT 3"));
  const GpxImport track = importGpxFile(kGpxDirectory + "track_only.gpx");
  EXPECT_NE(track.message.find("track_only.gpx:6: the file holds no route (rte) and no waypoints (wpt), only a track"),
            std::string::npos)
      << track.message;
}

TEST_F(Gpx, NamesBecomeNameLinesTheRouteReaderTakesAsNames) {
  struct Row {
    const char* legend;
    const char* xml;
    const char* nameLine;
  };
  const Row rows[] = {
      {"no name: numbered (a blank name line would be skipped)", "", "WPT 2"},
      {"a name read as a directive", "<name>!DANGER</name>", "WP !DANGER"},
      {"a name read as a comment", "<name>// wreck</name>", "WP // wreck"},
      {"a name read as an AMVER report", "<name>amver buoy</name>", "WP amver buoy"},
      {"a name read as a $CCWPL sentence", "<name>$CCWPL</name>", "WP $CCWPL"},
      {"cut to 18 characters, not bytes", "<name>Île d'Ouessant Nord-Ouest</name>", "Île d'Ouessant Nor"},
      {"a line end inside a name (a name split over lines)", "<name>Two\nLines</name>", "Two Lines"},
      {"escapes read", "<name>Fish &amp; Chips &lt;3&gt;</name>", "Fish & Chips <3>"},
      {"an undeclared entity stays as written, never expanded", "<name>&lol9;</name>", "&lol9;"},
  };
  for (const Row& row : rows) {
    const std::string body =
        fmt::format("<wpt lat=\"1\" lon=\"1\"><name>A</name></wpt><wpt lat=\"2\" lon=\"2\">{}</wpt>", row.xml);
    const GpxImport imported = importAndExtract(gpx(body), 2);
    ASSERT_GE(lines(imported.routeText).size(), 5u) << row.legend;
    EXPECT_EQ(lines(imported.routeText)[4], row.nameLine) << row.legend;
  }
}

TEST_F(Gpx, ARepeatedPositionBecomesACommentAndTheRouteStillExtracts) {
  const GpxImport imported = importAndExtract(
      gpx("<rte><rtept lat=\"1\" lon=\"1\"><name>A</name></rtept>\n<rtept lat=\"1.0000000001\" lon=\"1\"><name>A "
          "again</name></rtept>\n<rtept lat=\"2\" lon=\"2\"><name>B</name></rtept></rte>"),
      2);
  EXPECT_EQ(lines(imported.routeText)[4], "// A again (line 4) left out: the position of the waypoint before");
}

constexpr const char* kArctic =
    "Cape & Co <N>\n71-15.12345N\n025-40.54321E\n!SPEED 11\n!GC 20\nBering Strait\n66-00N\n169-00W\n";

TEST_F(Gpx, TheVoyageGoesOutAsOneRouteWithTheRowsOfTheNmeaOutput) {
  for (int hideGcPoints : {0, 1}) {
    settings().NO_CALC_GC_OUT = hideGcPoints;
    ASSERT_EQ(extract(kArctic), kVoyageBuilt);
    const std::string text = report(kGpxOutput);
    const int sentences = test::countLinesWith(report(kWaypointSentenceOutput), "$CCWPL");
    EXPECT_EQ(test::countLinesWith(text, "<rtept "), sentences) << hideGcPoints;
    EXPECT_EQ(test::countLinesWith(text, "<rte>"), 1);
    EXPECT_EQ(test::countLinesWith(text, "GC calc"), hideGcPoints ? 0 : sentences - 4) << "inserted points";
  }
  const std::string text = report(kGpxOutput);
  EXPECT_NE(text.find("xmlns=\"http://www.topografix.com/GPX/1/1\""), std::string::npos);
  EXPECT_NE(text.find("creator=\"Z5 - Brelland\""), std::string::npos);
  EXPECT_NE(text.find("<name>route</name>"), std::string::npos) << "the route named after its file";
  EXPECT_NE(text.find("<name>Cape &amp; Co &lt;N&gt;</name>"), std::string::npos) << "names escaped";
  EXPECT_TRUE(std::regex_search(text, std::regex("<rtept lat=\"71\\.2520575\" lon=\"25\\.6757202\">")))
      << "7 decimals\n" << text;
}

TEST_F(Gpx, AVoyageWrittenAsGpxAndImportedIsTheSameVoyage) {
  settings().NO_CALC_GC_OUT = 0;
  ASSERT_EQ(extract(kArctic), kVoyageBuilt);
  const std::vector<Waypoint> before = voyage().waypoints;
  importAndExtract(report(kGpxOutput), static_cast<int>(before.size()));
  ASSERT_EQ(voyage().count(), static_cast<int>(before.size()));
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(voyage().waypoints[i].name, before[i].name);
    EXPECT_NEAR(voyage().waypoints[i].latitude, before[i].latitude, 1e-6);
    EXPECT_NEAR(voyage().waypoints[i].longitude, before[i].longitude, 1e-6);
  }
}

}  // namespace
}  // namespace z5
