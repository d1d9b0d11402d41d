#pragma once
// The binary line file (coastlines, rivers, boundaries): a 40-byte header,
// segments of delta-coded points, and a directory of 28-byte entries with
// each segment's bounding box. All integers little-endian, all positions
// whole arc-seconds (latitude north positive, longitude east positive).
// The reader, the writer and the tools share these definitions.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace z5 {

inline constexpr std::int32_t kLineFileMagic = 0x20770002;  // 544669698
inline constexpr int kLineFileHeaderSize = 40;
inline constexpr int kDirectoryEntrySize = 28;
inline constexpr int kSegmentHeaderSize = 16;
// The directory is read this many entries at a time.
inline constexpr int kDirectoryBlockEntries = 1170;

// Colour slots: a segment of class c is drawn in colour index base + c - 1.
inline constexpr int kLandColourBase = 11;
inline constexpr int kBoundaryColourBase = 8;
inline constexpr int kRiverColourBase = 24;

// A position in whole arc-seconds.
struct ArcPoint {
  std::int32_t lon = 0;
  std::int32_t lat = 0;
  friend bool operator==(const ArcPoint&, const ArcPoint&) = default;
};

// One polyline of a line file, absolute arc-seconds, in drawing order.
struct LineSegment {
  int lineClass = 1;
  std::vector<ArcPoint> points;
  friend bool operator==(const LineSegment&, const LineSegment&) = default;
};

struct LineFileHeader {
  std::int32_t magic = kLineFileMagic;
  std::int32_t directoryOffset = 0;
  // The largest point data of any segment, in 16-bit words.
  std::int32_t maxPointWords = 0;
};

struct DirectoryEntry {
  std::int32_t north = 0, south = 0;
  std::int32_t east = 0, west = 0;  // absolute longitudes
  std::int32_t offset = 0;          // file offset of the segment header
  std::uint16_t length = 0;         // point data, bytes
  std::int16_t lineClass = 1;       // from 1; selects the colour
  friend bool operator==(const DirectoryEntry&, const DirectoryEntry&) = default;
};

struct SegmentHeader {
  std::int32_t lon = 0, lat = 0;  // the first point
  std::uint16_t deltaCount = 0;
};

// The unread bytes of each record are written as zeros.
LineFileHeader parseLineFileHeader(const std::uint8_t* bytes);
void appendLineFileHeader(std::vector<std::uint8_t>& out, const LineFileHeader& header);
DirectoryEntry parseDirectoryEntry(const std::uint8_t* bytes);
void appendDirectoryEntry(std::vector<std::uint8_t>& out, const DirectoryEntry& entry);
SegmentHeader parseSegmentHeader(const std::uint8_t* bytes);
void appendSegmentHeader(std::vector<std::uint8_t>& out, const SegmentHeader& header);

// One step from a point to the next, arc-seconds.
struct Delta {
  std::int32_t dLon = 0;
  std::int32_t dLat = 0;
  friend bool operator==(const Delta&, const Delta&) = default;
};

// Short form: one word, dLon -64..63 and dLat -128..127.
inline constexpr int kShortDeltaLonMin = -64, kShortDeltaLonMax = 63;
inline constexpr int kShortDeltaLatMin = -128, kShortDeltaLatMax = 127;
// Long form: four words, each value -2^30..2^30 - 1.
inline constexpr std::int32_t kLongDeltaMin = -(1 << 30);
inline constexpr std::int32_t kLongDeltaMax = (1 << 30) - 1;
inline constexpr int kShortDeltaBytes = 2;
inline constexpr int kLongDeltaBytes = 8;

// Decodes the delta at `data` (`size` bytes available). Returns the bytes it
// took (2 or 8), or 0 when the data end inside it.
int decodeDelta(const std::uint8_t* data, std::size_t size, Delta& delta);

// Appends the delta in the short form when it fits, else the long form.
// Both components must lie within kLongDeltaMin..kLongDeltaMax.
void appendDelta(std::vector<std::uint8_t>& out, Delta delta);

// The point data's size in bytes for a polyline.
std::size_t encodedPointDataSize(const ArcPoint* points, std::size_t count);

// Decodes `deltaCount` deltas from the point data, starting from `first`,
// and appends every point (the first one included) to `points`. Positions
// are accumulated without wrapping and held at the int32 range, so a
// damaged file cannot overflow them. False when the data end before the
// count of deltas does (the points decoded so far are kept).
bool decodePointData(ArcPoint first, const std::uint8_t* data, std::size_t size, int deltaCount,
                     std::vector<ArcPoint>& points);

}  // namespace z5
