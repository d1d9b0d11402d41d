// Bytes from the line into lines: splitting, carriage returns, overflow.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gps/LineAssembler.h"

namespace z5 {
namespace {

std::vector<std::string> drain(LineAssembler& lines) {
  std::vector<std::string> out;
  while (const auto line = lines.nextLine()) out.emplace_back(*line);
  return out;
}

TEST(GpsLineAssembler, TwoSentencesInOneReadComeOutInOrder) {
  LineAssembler lines;
  lines.append("$GPGGA,1\r\n$GPRMC,2\r\n");
  EXPECT_EQ(drain(lines), (std::vector<std::string>{"$GPGGA,1\r", "$GPRMC,2\r"}));
  EXPECT_EQ(lines.held(), 0u);
}

TEST(GpsLineAssembler, ASentenceSplitAcrossReadsComesOutWhenItsLineFeedArrives) {
  LineAssembler lines;
  lines.append("$GPRMC,123");
  EXPECT_TRUE(drain(lines).empty());
  lines.append("519,A\r");
  EXPECT_TRUE(drain(lines).empty());
  lines.append("\n$GP");
  EXPECT_EQ(drain(lines), (std::vector<std::string>{"$GPRMC,123519,A\r"}));
  EXPECT_EQ(lines.held(), 3u);
}

TEST(GpsLineAssembler, ABareLineFeedAtTheStartIsAnEmptyLineNotAStall) {
  LineAssembler lines;
  lines.append("\n\n$GPRMC,1\n");
  EXPECT_EQ(drain(lines), (std::vector<std::string>{"", "", "$GPRMC,1"}));
}

TEST(GpsLineAssembler, NoiseWithoutLineFeedIsDroppedAndReceptionGoesOn) {
  LineAssembler lines;
  // 1100 bytes of noise in reads of 256, as the reader makes them.
  std::string noise(1100, '\x7f');
  for (std::size_t i = 0; i < noise.size(); i += 256) {
    lines.append(std::string_view(noise).substr(i, 256));
    EXPECT_TRUE(drain(lines).empty());
    EXPECT_LT(lines.held(), LineAssembler::kCapacity);
  }
  lines.append("\n$GPRMC,1\n");
  const auto out = drain(lines);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out.back(), "$GPRMC,1");
  EXPECT_LT(out.front().size(), LineAssembler::kCapacity);
}

TEST(GpsLineAssembler, HeldBytesAreDroppedExactlyWhenTheNextReadWouldFillTheBuffer) {
  LineAssembler lines;
  lines.append(std::string(1000, 'x'));
  lines.append(std::string(23, 'y'));  // 1023 held: still fits
  EXPECT_EQ(lines.held(), 1023u);
  lines.append("z");  // 1023 + 1 reaches 1024: the held bytes go
  EXPECT_EQ(lines.held(), 1u);
}

TEST(GpsLineAssembler, AChunkLargerThanTheBufferKeepsOnlyItsTail) {
  LineAssembler lines;
  lines.append(std::string(5000, 'x') + "\n$GPRMC,1\n");
  const auto out = drain(lines);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out.back(), "$GPRMC,1");
}

TEST(GpsLineAssembler, BinaryZerosStayInTheLine) {
  LineAssembler lines;
  lines.append(std::string("$GP\0RMC\n", 8));
  const auto out = drain(lines);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out.front().size(), 7u);
}

}  // namespace
}  // namespace z5
