// A damaged or foreign line file is reported with what is wrong, never read
// outside the file.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TempDir.h"
#include "base/ByteOrder.h"
#include "world/LineFileReader.h"
#include "world/LineFileWriter.h"

namespace z5 {
namespace {

std::string asText(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::vector<std::uint8_t> encoded(const std::vector<LineSegment>& segments) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(encodeLineFile(segments, bytes));
  return bytes;
}

const std::vector<LineSegment> kTwoSegments = {{1, {{0, 0}, {10, 10}, {100000, 0}}}, {2, {{5, 5}, {6, 6}}}};

LineFileProblem problemOf(const std::string& path) {
  LineFileProblem problem;
  readAllSegments(path, &problem);
  return problem;
}

class LineFileReaderTest : public ::testing::Test {
 protected:
  std::string write(const std::vector<std::uint8_t>& bytes) { return dir.write("file.lnd", asText(bytes)); }
  test::TempDir dir;
};

TEST_F(LineFileReaderTest, MissingFileCannotBeOpened) {
  EXPECT_EQ(problemOf(dir.file("none.lnd")).status, LineFileStatus::CannotOpen);
  EXPECT_EQ(problemOf(dir.path().string()).status, LineFileStatus::CannotOpen);  // a directory
}

TEST_F(LineFileReaderTest, WrongMagicReportsTheValueFound) {
  auto bytes = encoded(kTwoSegments);
  writeUint32(bytes.data(), 0x12345678);
  const LineFileProblem p = problemOf(write(bytes));
  EXPECT_EQ(p.status, LineFileStatus::BadMagic);
  EXPECT_EQ(p.magicFound, 0x12345678);
}

TEST_F(LineFileReaderTest, FileShorterThanItsHeaderIsNotALineFile) {
  auto bytes = encoded(kTwoSegments);
  bytes.resize(20);
  EXPECT_EQ(problemOf(write(bytes)).status, LineFileStatus::BadMagic);
  EXPECT_EQ(problemOf(write({})).status, LineFileStatus::BadMagic);
}

TEST_F(LineFileReaderTest, DirectoryOutsideTheFileIsDamage) {
  for (std::int32_t offset : {-28, 0, 39, 1 << 30}) {
    auto bytes = encoded(kTwoSegments);
    writeUint32(bytes.data() + 4, static_cast<std::uint32_t>(offset));
    EXPECT_EQ(problemOf(write(bytes)).status, LineFileStatus::Damaged) << offset;
  }
}

TEST_F(LineFileReaderTest, SegmentPointingPastTheEndIsDamage) {
  auto bytes = encoded(kTwoSegments);
  const auto directory = readInt32(bytes.data() + 4);
  writeUint32(bytes.data() + directory + kDirectoryEntrySize + 20, static_cast<std::uint32_t>(bytes.size() - 4));
  const LineFileProblem p = problemOf(write(bytes));
  EXPECT_EQ(p.status, LineFileStatus::Damaged);
  EXPECT_EQ(p.entryNumber, 2);
}

TEST_F(LineFileReaderTest, PointDataOverTheHeaderLimitIsTooLong) {
  auto bytes = encoded(kTwoSegments);
  writeUint32(bytes.data() + 16, 1);  // limit 2 bytes; the first segment has 10
  const LineFileProblem p = problemOf(write(bytes));
  EXPECT_EQ(p.status, LineFileStatus::SegmentTooLong);
  EXPECT_EQ(p.entryNumber, 1);
  EXPECT_EQ(p.length, 10);
  EXPECT_EQ(p.limit, 2);
}

TEST_F(LineFileReaderTest, EntryNumbersCountWithinTheirDirectoryBlock) {
  std::vector<LineSegment> many(kDirectoryBlockEntries + 3, LineSegment{1, {{0, 0}, {1, 1}}});
  many.back() = {1, {{0, 0}, {1000, 1000}}};  // long form: 8 bytes
  auto bytes = encoded(many);
  writeUint32(bytes.data() + 16, 1);  // only short segments fit
  const LineFileProblem p = problemOf(write(bytes));
  EXPECT_EQ(p.status, LineFileStatus::SegmentTooLong);
  EXPECT_EQ(p.entryNumber, 3);
}

TEST_F(LineFileReaderTest, DeltaCountBeyondThePointDataIsDamage) {
  auto bytes = encoded(kTwoSegments);
  writeUint16(bytes.data() + kLineFileHeaderSize + 12, 50);
  EXPECT_EQ(problemOf(write(bytes)).status, LineFileStatus::Damaged);
}

TEST_F(LineFileReaderTest, AbsurdHeaderLimitDoesNotAllocateIt) {
  auto bytes = encoded(kTwoSegments);
  writeUint32(bytes.data() + 16, 0x7FFFFFFF);
  EXPECT_EQ(readAllSegments(write(bytes)), kTwoSegments);
  writeUint32(bytes.data() + 16, 0x80000000);  // negative: nothing fits
  EXPECT_EQ(problemOf(write(bytes)).status, LineFileStatus::SegmentTooLong);
}

TEST_F(LineFileReaderTest, OnlyKeptSegmentsAreRead) {
  LineFileReader reader(write(encoded(kTwoSegments)));
  std::vector<int> visited;
  EXPECT_TRUE(reader.forEachSegment([](const DirectoryEntry& e) { return e.lineClass == 2; },
                                    [&](const DirectoryEntry& e, const SegmentHeader& h, std::span<const std::uint8_t>) {
                                      visited.push_back(e.lineClass);
                                      EXPECT_EQ(h.lon, 5);
                                      return true;
                                    }));
  EXPECT_EQ(visited, std::vector<int>{2});
}

}  // namespace
}  // namespace z5
