#include "charts/ChartCatalogueCsv.h"

#include <fstream>
#include <optional>
#include <sstream>

#include <gtest/gtest.h>

namespace z5 {
namespace {

TEST(ChartPosition, ReadsTheRouteFilePositionForms) {
  struct Row {
    const char* text;
    bool longitude;
    std::optional<int> seconds;
    const char* legend;
  } rows[] = {
      {"49-55.00N", false, 179700, "degrees and decimal minutes, dash form (exact to the second)"},
      {"49 55.5 N", false, 179730, "space-separated with a blank before the letter"},
      {"49-55-30N", false, 179730, "degrees, minutes and seconds"},
      {"37.5", false, 135000, "decimal degrees"},
      {"37,5", false, 135000, "decimal comma"},
      {"037-30.50S", false, -135030, "southern latitude"},
      {"005-12.00W", true, -18720, "western longitude"},
      {"122-30", true, -441000, "longitude without letter is west"},
      {"-122.25", true, 440100, "a minus turns a bare longitude east"},
      {"122-30E", true, 441000, "eastern longitude"},
      {"180-00.00W", true, -648000, "the 180th meridian"},
      {"90-00.01N", false, std::nullopt, "beyond the pole"},
      {"45-60N", false, std::nullopt, "60 minutes"},
      {"45.5.3", false, std::nullopt, "two decimal points"},
      {"", false, std::nullopt, "empty"},
      {"N", false, std::nullopt, "letter without degrees"},
      {"45N x", false, std::nullopt, "trailing text"},
      {"45-30E", false, std::nullopt, "longitude letter on a latitude"},
  };
  for (const Row& r : rows) EXPECT_EQ(parseChartPosition(r.text, r.longitude), r.seconds) << r.legend;
}

TEST(ChartPosition, FormatsAsDegreesMinutesSecondsThatReadBack) {
  EXPECT_EQ(formatChartPosition(179730, false), "49-55-30N");
  EXPECT_EQ(formatChartPosition(-18720, true), "005-12-00W");
  EXPECT_EQ(formatChartPosition(0, true), "000-00-00E");
  for (int s : {-648000, -1, 0, 59, 3599, 323999, 648000}) {
    EXPECT_EQ(parseChartPosition(formatChartPosition(s, true), true), s) << s;
  }
}

TEST(ChartCsv, ReadsChartsWithQuotedTitles) {
  const ChartCsv csv = readChartCsv(
      "# the ship's outfit\r\n"
      "number,carried,title,scale,south,north,longitude1,longitude2\r\n"
      "\r\n"
      "2675,A,\"English Channel, \"\"West\"\"\",150000,49-30N,50-30N,006-00W,003-00W\r\n"
      "  12 , , Plain title ,80000,10,11,005-00E,004-00E\n");
  ASSERT_TRUE(csv.problems.empty()) << csv.problems.front().message;
  ASSERT_EQ(csv.records.size(), 2u);
  EXPECT_EQ(csv.records[0].number, 2675);
  EXPECT_EQ(csv.records[0].carried, 'A');
  EXPECT_EQ(csv.records[0].title(), "English Channel, \"West\"");
  EXPECT_EQ(csv.records[0].scale, 150000);
  EXPECT_EQ(csv.records[0].south, 49 * 3600 + 1800);
  EXPECT_EQ(csv.records[0].longitude1, -6 * 3600);
  EXPECT_EQ(csv.records[1].carried, '\0');
  EXPECT_EQ(csv.records[1].title(), "Plain title");
  EXPECT_EQ(csv.records[1].longitude2, 4 * 3600);
}

TEST(ChartCsv, ReportsEveryBadLineWithItsNumber) {
  const ChartCsv csv = readChartCsv(
      "1,A,Fine,50000,10N,11N,5E,6E\n"
      "2,A,Too few,50000\n"
      "x,A,Bad number,50000,10N,11N,5E,6E\n"
      "4,AB,Two carried,50000,10N,11N,5E,6E\n"
      "5,A,A title that is much longer than thirty-eight characters,50000,10N,11N,5E,6E\n"
      "6,A,Zero scale,0,10N,11N,5E,6E\n"
      "7,A,Upside down,50000,11N,10N,5E,6E\n"
      "8,A,No width,50000,10N,11N,5E,5E\n"
      "9,A,Bad edge,50000,10N,91N,5E,6E\n"
      "10,A,\"Unclosed,50000,10N,11N,5E,6E\n");
  EXPECT_EQ(csv.records.size(), 1u);
  ASSERT_EQ(csv.problems.size(), 9u);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(csv.problems[i].line, i + 2) << csv.problems[i].message;
}

TEST(ChartCsv, WritesWhatItReads) {
  const ChartCsv first = readChartCsv(
      "1,D,\"Quote \"\" and, comma\",3500000,75-00-00S,60-00-00S,180-00-00W,160-00-00W\n"
      "99000,,Empty carried,12500,00-00-01N,00-00-59N,179-59-59E,179-59-59W\n");
  ASSERT_TRUE(first.problems.empty());
  const ChartCsv second = readChartCsv(writeChartCsv(first.records));
  ASSERT_TRUE(second.problems.empty()) << second.problems.front().message;
  ASSERT_EQ(second.records.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    std::ostringstream a, b;
    writeChartCatalogue(a, {first.records[i]});
    writeChartCatalogue(b, {second.records[i]});
    EXPECT_EQ(a.str(), b.str()) << i;
  }
}

TEST(ChartRecord, StoresTitlesShiftedAndZeroFillsUnusedBytes) {
  ChartRecord r;
  ASSERT_TRUE(r.setTitle("AB"));
  std::ostringstream out;
  writeChartCatalogue(out, {r});
  const std::string bytes = out.str();
  ASSERT_EQ(bytes.size(), 40u + 64u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x78\x56\x34\x12", 4));
  EXPECT_EQ(bytes.substr(4, 36), std::string(36, '\0'));
  EXPECT_EQ(bytes[40 + 5], '\0');
  EXPECT_EQ(bytes[40 + 6], static_cast<char>('A' + 23));
  EXPECT_EQ(bytes[40 + 8], '\0');
  EXPECT_FALSE(r.setTitle(std::string(39, 'x')));
  EXPECT_FALSE(r.setTitle(std::string(1, static_cast<char>(233))));  // would be stored as the terminator
}

}  // namespace
}  // namespace z5

namespace z5 {
namespace {

// The shipped demonstration catalogue is the one its text builds.
TEST(ShippedChartCatalogue, IsBuiltFromItsText) {
  std::ifstream csvFile(Z5_DATA_DIR "/charts-demo.csv", std::ios::binary);
  std::ifstream datFile(Z5_DATA_DIR "/chart.dat", std::ios::binary);
  ASSERT_TRUE(csvFile && datFile);
  std::ostringstream csvText, datBytes, built;
  csvText << csvFile.rdbuf();
  datBytes << datFile.rdbuf();
  const ChartCsv csv = readChartCsv(csvText.str());
  ASSERT_TRUE(csv.problems.empty());
  ASSERT_TRUE(writeChartCatalogue(built, csv.records));
  EXPECT_EQ(built.str(), datBytes.str());
  for (const ChartRecord& r : csv.records) {
    EXPECT_GE(r.number, 90000);
    EXPECT_LT(r.number, 91000);
    EXPECT_EQ(r.title().rfind("DEMO ", 0), 0u);
  }
}

}  // namespace
}  // namespace z5
