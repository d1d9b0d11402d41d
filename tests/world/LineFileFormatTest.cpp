// Delta coding, record layouts and the writer / reader round trip of line files.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "TempDir.h"
#include "world/LineFileFormat.h"
#include "world/LineFileReader.h"
#include "world/LineFileWriter.h"

namespace z5 {
namespace {

std::vector<std::uint8_t> words(std::initializer_list<std::uint16_t> ws) {
  std::vector<std::uint8_t> bytes;
  for (std::uint16_t w : ws) {
    bytes.push_back(static_cast<std::uint8_t>(w));
    bytes.push_back(static_cast<std::uint8_t>(w >> 8));
  }
  return bytes;
}

struct DeltaCase {
  const char* legend;
  std::vector<std::uint8_t> bytes;
  Delta expected;
  int size;
};

TEST(LineFileFormat, DecodesShortAndLongDeltas) {
  const DeltaCase cases[] = {
      {"short form, positive dLon from the low six bits of the high byte", words({0x45FE}), {5, -2}, 2},
      {"short form, negative dLon read as a signed high byte", words({0xFB05}), {-5, 5}, 2},
      {"short form extremes: dLon 63 must not lose bit 5", words({0x7F7F}), {63, 127}, 2},
      {"short form extremes: dLon -64 and dLat -128", words({0xC080}), {-64, -128}, 2},
      {"long form, -1 stored with bit 30 cleared must come back as -1", words({0xBFFF, 0xFFFF, 0x0000, 0x0001}),
       {-1, 1}, 8},
      {"long form, high word first: 0x0001 0x0000 is 65536, not 1", words({0x0001, 0x0000, 0x0000, 0x0000}),
       {65536, 0}, 8},
      {"long form lower bound -2^30", words({0x8000, 0x0000, 0x3FFF, 0xFFFF}), {kLongDeltaMin, kLongDeltaMax}, 8},
  };
  for (const DeltaCase& c : cases) {
    Delta d;
    EXPECT_EQ(decodeDelta(c.bytes.data(), c.bytes.size(), d), c.size) << c.legend;
    EXPECT_EQ(d, c.expected) << c.legend;
  }
}

TEST(LineFileFormat, EncodesEachDeltaInTheFormItDecodesFrom) {
  const Delta deltas[] = {{0, 0},     {5, -2},    {-5, 5},        {63, 127},           {-64, -128},
                          {64, 0},    {0, 128},   {-65, -129},    {-1, 1},             {kLongDeltaMin, kLongDeltaMax},
                          {-648000, 648000}};
  for (const Delta& d : deltas) {
    std::vector<std::uint8_t> bytes;
    appendDelta(bytes, d);
    const bool shortForm = d.dLon >= -64 && d.dLon <= 63 && d.dLat >= -128 && d.dLat <= 127;
    EXPECT_EQ(bytes.size(), shortForm ? 2u : 8u) << d.dLon << "," << d.dLat;
    Delta back;
    EXPECT_EQ(decodeDelta(bytes.data(), bytes.size(), back), static_cast<int>(bytes.size()));
    EXPECT_EQ(back, d);
  }
}

TEST(LineFileFormat, DeltaCutShortIsNotRead) {
  const auto longForm = words({0x0001, 0x0000, 0x0000, 0x0000});
  Delta d;
  EXPECT_EQ(decodeDelta(longForm.data(), 6, d), 0);
  EXPECT_EQ(decodeDelta(longForm.data(), 1, d), 0);
}

TEST(LineFileFormat, PointDataShorterThanItsCountKeepsWhatWasDecoded) {
  const auto data = words({0x45FE, 0x0001});  // one short delta, then half a long one
  std::vector<ArcPoint> points;
  EXPECT_FALSE(decodePointData({10, 20}, data.data(), data.size(), 2, points));
  EXPECT_EQ(points, (std::vector<ArcPoint>{{10, 20}, {15, 18}}));
}

TEST(LineFileFormat, HugeDeltasCannotOverflowThePosition) {
  std::vector<std::uint8_t> data;
  for (int i = 0; i < 10; ++i) appendDelta(data, {kLongDeltaMax, kLongDeltaMin});
  std::vector<ArcPoint> points;
  EXPECT_TRUE(decodePointData({0, 0}, data.data(), data.size(), 10, points));
  EXPECT_EQ(points.back(), (ArcPoint{INT32_MAX, INT32_MIN}));
}

std::vector<LineSegment> sampleSegments() {
  return {
      {1, {{-648000, 200000}, {-647990, 200003}, {-647000, 199000}, {-647000, 199000}}},
      {8, {{10, -10}}},
      {13, {{600000, -300000}, {648000, -250000}, {647937, -250128}}},
  };
}

TEST(LineFileFormat, ReaderGivesBackWhatTheWriterWrote) {
  test::TempDir dir;
  const std::string path = dir.file("world.lnd");
  ASSERT_TRUE(writeLineFile(path, sampleSegments()));
  LineFileProblem problem;
  EXPECT_EQ(readAllSegments(path, &problem), sampleSegments());
  EXPECT_EQ(problem.status, LineFileStatus::Ok);
}

TEST(LineFileFormat, DirectoryHoldsEachSegmentsBoxAndTheHeaderTheLongestData) {
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(encodeLineFile(sampleSegments(), bytes));
  const LineFileHeader header = parseLineFileHeader(bytes.data());
  EXPECT_EQ(header.magic, kLineFileMagic);
  ASSERT_EQ(bytes.size(), header.directoryOffset + 3u * kDirectoryEntrySize);
  const DirectoryEntry first = parseDirectoryEntry(bytes.data() + header.directoryOffset);
  EXPECT_EQ(first, (DirectoryEntry{200003, 199000, -647000, -648000, kLineFileHeaderSize, 2 + 8 + 2, 1}));
  const DirectoryEntry third = parseDirectoryEntry(bytes.data() + header.directoryOffset + 2 * kDirectoryEntrySize);
  EXPECT_EQ(third.east, 648000);
  EXPECT_EQ(third.west, 600000);
  EXPECT_EQ(third.lineClass, 13);
  EXPECT_EQ(header.maxPointWords, 6);  // the first segment's 12 bytes
  // The bytes the format leaves unread are zeros.
  for (int i = 8; i < 16; ++i) EXPECT_EQ(bytes[i], 0);
  for (int i = 20; i < 40; ++i) EXPECT_EQ(bytes[i], 0);
}

TEST(LineFileFormat, WriterRefusesSegmentsTheFormatCannotHold) {
  std::vector<std::uint8_t> bytes;
  LineSegment tooMany{1, std::vector<ArcPoint>(kMaxSegmentDeltas + 2)};
  for (std::size_t i = 0; i < tooMany.points.size(); ++i) tooMany.points[i] = {static_cast<int>(i), 0};
  EXPECT_FALSE(encodeLineFile({tooMany}, bytes));
  EXPECT_FALSE(encodeLineFile({LineSegment{1, {}}}, bytes));
  EXPECT_FALSE(encodeLineFile({LineSegment{1, {{INT32_MIN, 0}, {INT32_MAX, 0}}}}, bytes));
  EXPECT_TRUE(bytes.empty());
}

TEST(LineFileFormat, SplitPiecesShareEndsAndKeepTheirLimits) {
  LineSegment line{3, {}};
  for (int i = 0; i <= 2000; ++i) line.points.push_back({i * 10, (i % 7) * 100});
  const SegmentLimits limits{100, 3600};
  const auto pieces = splitSegment(line, limits);
  ASSERT_GT(pieces.size(), 1u);
  std::vector<ArcPoint> joined = pieces.front().points;
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    EXPECT_EQ(pieces[i].points.front(), pieces[i - 1].points.back());
    joined.insert(joined.end(), pieces[i].points.begin() + 1, pieces[i].points.end());
  }
  EXPECT_EQ(joined, line.points);
  for (const LineSegment& p : pieces) {
    EXPECT_EQ(p.lineClass, 3);
    EXPECT_LE(p.points.size() - 1, limits.maxDeltas);
    EXPECT_LE(p.points.back().lon - p.points.front().lon, limits.maxSpan);
  }
}

TEST(LineFileFormat, SplitKeepsAStepWiderThanTheSpanAsOnePiece) {
  const LineSegment line{1, {{0, 0}, {100000, 0}, {100001, 0}}};
  const auto pieces = splitSegment(line, SegmentLimits{500, 3600});
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].points, (std::vector<ArcPoint>{{0, 0}, {100000, 0}}));
  EXPECT_EQ(pieces[1].points, (std::vector<ArcPoint>{{100000, 0}, {100001, 0}}));
}

}  // namespace
}  // namespace z5
