#pragma once
// The chart catalogue file "chart.dat": a 40-byte header starting with the
// magic number, then 64-byte chart records to the end of the file, every
// integer little-endian.
//
// Record: number (int32), one carried character, one unused byte, the title
// in 38 bytes (each character stored as its code plus 23, modulo 256; a
// stored 0 ends it; 38 characters have no terminator), the scale denominator
// and the south, north and two longitude edges in arc-seconds (int32 each).

#include <array>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace z5 {

inline constexpr std::int32_t kChartCatalogueMagic = 0x12345678;  // 305419896
inline constexpr int kChartHeaderBytes = 40;
inline constexpr int kChartRecordBytes = 64;
inline constexpr int kChartTitleBytes = 38;
inline constexpr int kChartTitleShift = 23;
inline constexpr int kChartBlockRecords = 256;

struct ChartRecord {
  std::int32_t number = 0;
  char carried = 0;
  std::array<unsigned char, kChartTitleBytes> storedTitle{};  // as stored, shifted
  std::int32_t scale = 0;
  std::int32_t south = 0;  // arc-seconds
  std::int32_t north = 0;
  std::int32_t longitude1 = 0;  // the two longitude edges, either order
  std::int32_t longitude2 = 0;

  // The title decoded: up to the first stored 0 (or decoded NUL), at most 38 characters.
  std::string title() const;
  // Stores `title`: at most 38 characters, none whose stored code would be 0.
  bool setTitle(std::string_view title);
};

// A title character is storable when its shifted code is not the terminator.
bool storableTitleCharacter(char c);

ChartRecord decodeChartRecord(const unsigned char* bytes);
void encodeChartRecord(const ChartRecord& record, unsigned char* bytes);

// Reads a catalogue from a binary stream block by block.
class ChartCatalogueReader {
 public:
  explicit ChartCatalogueReader(std::istream& in) : in_(in) {}

  // Reads the header. False when the magic number is wrong or the stream
  // ends first (cutShort() then tells); `magicFound` holds what was read
  // (0 for missing bytes).
  bool readHeader(std::int32_t& magicFound);

  // The next block of at most 256 records; an empty block at the end. A
  // short block ends the file; an incomplete last record is dropped, and
  // cutShort() then tells.
  const std::vector<ChartRecord>& nextBlock();

  // The stream ended inside the header or inside a record.
  bool cutShort() const { return cutShort_; }
  // What a cut-short file lost, as a message naming `path`; empty otherwise.
  std::string cutShortMessage(const std::string& path) const;

 private:
  std::istream& in_;
  std::vector<unsigned char> buffer_ = std::vector<unsigned char>(kChartBlockRecords * kChartRecordBytes);
  std::vector<ChartRecord> block_;
  bool ended_ = false;
  bool headerRead_ = false;
  bool cutShort_ = false;
  long long recordsRead_ = 0;
};

// Writes a whole catalogue; the unused bytes are zero. False on a write error.
bool writeChartCatalogue(std::ostream& out, const std::vector<ChartRecord>& records);

}  // namespace z5
