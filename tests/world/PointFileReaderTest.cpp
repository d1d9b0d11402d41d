// Reading the three-line groups of a user point file, and where reading stops.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "world/PointFile.h"

namespace z5 {
namespace {

// Plain decimal degrees; anything else is no position. The reader's logic,
// not the position syntax, is under test here.
double decimalDegrees(std::string_view text, PositionKind) {
  const std::string s(text);
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  return end == s.c_str() ? -999 : v;
}

struct Read {
  std::vector<UserPoint> points;
  PointFileError error;
};

Read readAll(const std::string& text) {
  std::istringstream in(text);
  PointFileReader reader(in, decimalDegrees);
  Read r;
  for (UserPoint p; reader.next(p);) r.points.push_back(p);
  r.error = reader.error();
  return r;
}

TEST(PointFileReader, CommentsDirectivesAndBlankLinesAreSkippedWithinAGroup) {
  const Read r = readAll("// my marks\n  Buoy A  \n// between name and latitude\n\n51.5\n  !ignored\n-1.25\n");
  ASSERT_EQ(r.points.size(), 1u);
  EXPECT_EQ(r.points[0].name, "Buoy A  ");
  EXPECT_DOUBLE_EQ(r.points[0].latitude, 51.5);
  EXPECT_DOUBLE_EQ(r.points[0].longitude, -1.25);
  EXPECT_EQ(r.error.number, 0);
}

TEST(PointFileReader, TrackLogRecordsReadAsPoints) {
  const Read r = readAll("\nGPS UTC 12:35:19.00  03/23/2002\n1.5\n2.5\n\nGPS UTC 12:36:19.00  03/23/2002\r\n1.6\r\n2.6\r\n");
  ASSERT_EQ(r.points.size(), 2u);
  EXPECT_EQ(r.points[1].name, "GPS UTC 12:36:19.00  03/23/2002");
  EXPECT_DOUBLE_EQ(r.points[1].longitude, 2.6);
}

TEST(PointFileReader, StopsAtTheFirstErrorWithItsLineAndEntry) {
  struct Case {
    const char* legend;
    const char* text;
    int error, line, entry, pointsBefore;
    const char* lineText;
  };
  const Case cases[] = {
      {"a file ending after a name", "A\n1\n2\nB\n", kPointFileEndsInGroup, 4, 2, 1, "B"},
      {"a file ending after a latitude, past a trailing comment", "A\n1\n// c\n", kPointFileEndsInGroup, 3, 1, 0, "// c"},
      {"an unreadable latitude", "A\n1\n2\n\nB\nnorth\n2\n", kPointFileBadLatitude, 6, 2, 1, "north"},
      {"an unreadable longitude", "A\n1\nx\nB\n1\n2\n", kPointFileBadLongitude, 3, 1, 0, "x"},
  };
  for (const Case& c : cases) {
    const Read r = readAll(c.text);
    EXPECT_EQ(r.error.number, c.error) << c.legend;
    EXPECT_EQ(r.error.line, c.line) << c.legend;
    EXPECT_EQ(r.error.entry, c.entry) << c.legend;
    EXPECT_EQ(r.error.lineText, c.lineText) << c.legend;
    EXPECT_EQ(static_cast<int>(r.points.size()), c.pointsBefore) << c.legend;
  }
}

TEST(PointFileReader, EndOfFileWhereAGroupStartsIsNoError) {
  EXPECT_EQ(readAll("").error.number, 0);
  EXPECT_EQ(readAll("A\n1\n2\n\n// end\n").error.number, 0);
}

TEST(PointFileReader, ALineIsReadToItsEndButKeptTo255Characters) {
  const std::string longName(300, 'n');
  const Read r = readAll(longName + "\n1\n2\n");
  ASSERT_EQ(r.points.size(), 1u);
  EXPECT_EQ(r.points[0].name, std::string(255, 'n'));
}

}  // namespace
}  // namespace z5
