// The column headers of the reports line up with the rows the report writer
// prints through its fixed formats.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include <fmt/printf.h>

#include "base/StringTable.h"

namespace z5 {
namespace {

// The report's fixed row formats.
constexpr const char* kEtaRow = "%2d %s %s %s              %7.1f %s\n";
constexpr const char* kEtaCourse = "                                           %s %6.1f \n";
constexpr const char* kPlainRow = "%2d %s %s %s                       %9.2f\n";
constexpr const char* kPlainCourse = "                                             %s %9.2f\n";
constexpr const char* kEtaTotal = "                       %s = %9.1f\n";
constexpr const char* kListRow = "%3d  %s  %s  %s %s %3.1f %s  %s  %s\n";
constexpr const char* kDelimitedEtaRow = "%2d%c%s%c%s%c%s%c%c%c%7.1f%c%s%c\n";
constexpr const char* kDelimitedEtaCourse = " %c%c%c%c%s%c%6.1f%c\n";
constexpr const char* kDelimitedPlainRow = "%2d%c%s%c%s%c%s%c%c%c%9.2f%c\n";
constexpr const char* kDelimitedPlainCourse = " %c%c%c%c%s%c%9.2f%c\n";

const std::string kName = "FALMOUTH          ";  // 18 characters, as stored
const std::string kLat = "49-50.00N";
const std::string kLon = "006-35.00W";
const std::string kCourse = "245.50";
const std::string kTime = "0800 12 MAR 02";

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// Where a column starts (left-aligned) or ends (right-aligned).
enum class Edge { Start, End };

struct Column {
  const char* legend;  // the fault the row would catch
  std::string line;    // a printed line holding the value
  std::string value;
  std::string label;   // the header word over it
  Edge edge;
};

std::size_t edgeOf(const std::string& line, const std::string& word, Edge edge) {
  const std::size_t at = line.find(word);
  if (at == std::string::npos) return std::string::npos;
  return edge == Edge::Start ? at : at + word.size();
}

void expectAligned(const std::string& header, const std::vector<Column>& columns) {
  for (const Column& c : columns) {
    const std::size_t want = edgeOf(c.line, c.value, c.edge);
    ASSERT_NE(want, std::string::npos) << c.legend;
    EXPECT_EQ(edgeOf(header, c.label, c.edge), want) << c.legend << "\nheader: " << header << "\nline:   " << c.line;
  }
}

TEST(ReportHeaderLayout, NormalTableWithTimesLinesUpWithItsRowsAndCourseLines) {
  const std::string header = firstLine(StringTable().prompt(33));
  const std::string row = firstLine(fmt::sprintf(kEtaRow, 12, kName, kLat, kLon, 1234.5, kTime));
  const std::string course = firstLine(fmt::sprintf(kEtaCourse, kCourse, 321.4));
  expectAligned(header, {
      {"row number column misplaced", row, "12", "No", Edge::End},
      {"name column misplaced", row, "FALMOUTH", "Waypoint", Edge::Start},
      {"latitude column misplaced", row, kLat, "Latitude", Edge::Start},
      {"longitude column misplaced", row, kLon, "Longitude", Edge::Start},
      {"course over the wrong characters of the course line", course, kCourse, "Course", Edge::Start},
      {"leg distance label not right-aligned to its figures", course, "321.4", "Dist", Edge::End},
      {"distance-to-go label not right-aligned to its figures", row, "1234.5", "DTG", Edge::End},
      {"time label not over the time text", row, kTime, "ETA", Edge::Start},
  });
  EXPECT_LE(header.size(), row.size());
}

TEST(ReportHeaderLayout, NormalTableWithoutTimesLinesUpWithItsRowsAndCourseLines) {
  const std::string header = firstLine(StringTable().prompt(103));
  const std::string row = firstLine(fmt::sprintf(kPlainRow, 12, kName, kLat, kLon, 1234.5));
  const std::string course = firstLine(fmt::sprintf(kPlainCourse, kCourse, 321.4));
  expectAligned(header, {
      {"row number column misplaced", row, "12", "No", Edge::End},
      {"name column misplaced", row, "FALMOUTH", "Waypoint", Edge::Start},
      {"latitude column misplaced", row, kLat, "Latitude", Edge::Start},
      {"longitude column misplaced", row, kLon, "Longitude", Edge::Start},
      {"course label over the wrong characters (this course line has two more blanks)", course, kCourse, "Course",
       Edge::Start},
      {"leg distance label not right-aligned to %9.2f", course, "321.40", "Dist", Edge::End},
      {"distance-to-go label not right-aligned to %9.2f", row, "1234.50", "DTG", Edge::End},
  });
  EXPECT_EQ(header.size(), row.size());
}

TEST(ReportHeaderLayout, WaypointListHeaderLinesUpWithItsRows) {
  const std::string header = firstLine(StringTable().prompt(101));
  const std::string row =
      firstLine(fmt::sprintf(kListRow, 7, kName, "GC", fmt::sprintf("%2.0f", 5.0), fmt::sprintf("%7.4f", 12.5), 2.0,
                             fmt::sprintf("%+2.1f", -1.0), kLat, kLon));
  expectAligned(header, {
      {"number column misplaced", row, "  7", "No", Edge::End},
      {"name column misplaced", row, "FALMOUTH", "Waypoint", Edge::Start},
      {"sailing column misplaced", row, "GC", "Leg", Edge::Start},
      {"speed label not right-aligned to %7.4f", row, "12.5000", "Speed", Edge::End},
      {"stop column misplaced", row, "2.0", "Stop", Edge::Start},
      {"zone label not right-aligned to %+2.1f", row, "-1.0", "ZD", Edge::End},
      {"latitude column misplaced", row, kLat, "Latitude", Edge::Start},
      {"longitude column misplaced", row, kLon, "Longitude", Edge::Start},
  });
  // The interval column ("%2.0f") sits under its label.
  EXPECT_EQ(header.find("DLo"), row.find(" 5 12.5000"));
}

TEST(ReportHeaderLayout, TotalDistanceLinesUpWithTheDistanceToGo) {
  const StringTable table;
  const std::string total = firstLine(fmt::sprintf(kEtaTotal, table.prompt(29), 1234.5));
  const std::string row = firstLine(fmt::sprintf(kEtaRow, 12, kName, kLat, kLon, 1234.5, kTime));
  EXPECT_EQ(total.find("1234.5"), row.find("1234.5"));
}

TEST(ReportHeaderLayout, UnderlineIsDashesAsWideAsTheWidestTable) {
  const StringTable table;
  const std::string underline = table.prompt(102);
  ASSERT_FALSE(underline.empty());
  EXPECT_EQ(underline.back(), '\n');
  const std::string dashes = firstLine(underline);
  EXPECT_EQ(dashes.find_first_not_of('-'), std::string::npos);
  const std::size_t widest = std::max({firstLine(fmt::sprintf(kEtaRow, 12, kName, kLat, kLon, 1234.5, kTime)).size(),
                                       firstLine(table.prompt(33)).size(), firstLine(table.prompt(103)).size(),
                                       firstLine(table.prompt(101)).size()});
  EXPECT_EQ(dashes.size(), widest);
}

TEST(ReportHeaderLayout, HeadersEndTheirLineSoTheUnderlineStartsANewOne) {
  const StringTable table;
  for (int n : {33, 101, 103}) EXPECT_EQ(table.text(StringFile::Prompt, n).back(), '\n') << n;
  EXPECT_EQ(table.prompt(34, ',', ',', ',', ',', ',', ',', ',', ',').back(), '\n');
  EXPECT_EQ(table.prompt(104, ',', ',', ',', ',', ',', ',', ',').back(), '\n');
}

std::vector<std::string> fields(const std::string& line, char separator) {
  std::vector<std::string> out;
  std::string field;
  for (char c : firstLine(line)) {
    if (c == separator) {
      out.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  out.push_back(field);  // after the closing separator: empty
  return out;
}

struct DelimitedCase {
  const char* legend;
  char separator;
  bool eta;
};

void PrintTo(const DelimitedCase& c, std::ostream* os) { *os << c.legend; }

class DelimitedHeader : public ::testing::TestWithParam<DelimitedCase> {};

TEST_P(DelimitedHeader, HasTheFieldsOfTheRowsAndEndsWithASeparator) {
  const auto [legend, c, eta] = GetParam();
  const StringTable table;
  const std::string header = eta ? table.prompt(34, c, c, c, c, c, c, c, c) : table.prompt(104, c, c, c, c, c, c, c);
  const std::string row = eta ? fmt::sprintf(kDelimitedEtaRow, 12, c, kName, c, kLat, c, kLon, c, c, c, 1234.5, c,
                                             kTime, c)
                              : fmt::sprintf(kDelimitedPlainRow, 12, c, kName, c, kLat, c, kLon, c, c, c, 1234.5, c);
  const std::string course = eta ? fmt::sprintf(kDelimitedEtaCourse, c, c, c, c, kCourse, c, 321.4, c)
                                 : fmt::sprintf(kDelimitedPlainCourse, c, c, c, c, kCourse, c, 321.4, c);
  const std::vector<std::string> h = fields(header, c);
  const std::vector<std::string> r = fields(row, c);
  const std::vector<std::string> k = fields(course, c);
  ASSERT_EQ(h.size(), r.size()) << legend;
  EXPECT_TRUE(h.back().empty()) << legend;
  EXPECT_EQ(h[0], "No") << legend;
  EXPECT_EQ(h[2], "Latitude") << legend;
  EXPECT_EQ(h[3], "Longitude") << legend;
  // The course line fills the course and leg fields of the same table.
  ASSERT_LE(k.size(), h.size()) << legend;
  EXPECT_EQ(k[4], kCourse) << legend;
  EXPECT_EQ(h[4], "Course") << legend;
  EXPECT_EQ(h[5], "Dist") << legend;
  EXPECT_EQ(h[6], "DTG") << legend;
  if (eta) {
    EXPECT_EQ(h[7], "ETA (GMT)") << legend;
  }
}

INSTANTIATE_TEST_SUITE_P(
    SeparatorsAndTimes, DelimitedHeader,
    ::testing::Values(DelimitedCase{"comma table with times: header one field short or long", ',', true},
                      DelimitedCase{"comma table without times: header one field short or long", ',', false},
                      DelimitedCase{"semicolon separator not used for every field", ';', true},
                      DelimitedCase{"tab separator (code 9) not used for every field", '\t', false}));

}  // namespace
}  // namespace z5
