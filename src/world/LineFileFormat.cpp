#include "world/LineFileFormat.h"

#include <algorithm>
#include <limits>

#include "base/ByteOrder.h"

namespace z5 {
namespace {

constexpr std::uint16_t kShortFormFlag = 0x4000;  // bit 14 of the first word
constexpr std::uint32_t kLongValueBit30 = 0x40000000;
constexpr std::uint8_t kHighByteSign = 0x80;
constexpr std::uint8_t kHighByteMagnitude = 0x3F;

void appendZeros(std::vector<std::uint8_t>& out, int count) { out.insert(out.end(), count, 0); }

bool fitsShortForm(Delta d) {
  return d.dLon >= kShortDeltaLonMin && d.dLon <= kShortDeltaLonMax && d.dLat >= kShortDeltaLatMin &&
         d.dLat <= kShortDeltaLatMax;
}

// A long-form value: high word first, then low word, each little-endian;
// bit 30 cleared, and restored from the sign when read.
void appendLongValue(std::vector<std::uint8_t>& out, std::int32_t value) {
  const std::uint32_t bits = static_cast<std::uint32_t>(value) & ~kLongValueBit30;
  appendUint16(out, static_cast<std::uint16_t>(bits >> 16));
  appendUint16(out, static_cast<std::uint16_t>(bits));
}

std::int32_t readLongValue(const std::uint8_t* p) {
  std::uint32_t bits = (static_cast<std::uint32_t>(readUint16(p)) << 16) | readUint16(p + 2);
  if (bits & 0x80000000u) bits |= kLongValueBit30;
  return static_cast<std::int32_t>(bits);
}

std::int32_t clampToInt32(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

LineFileHeader parseLineFileHeader(const std::uint8_t* bytes) {
  LineFileHeader h;
  h.magic = readInt32(bytes);
  h.directoryOffset = readInt32(bytes + 4);
  h.maxPointWords = readInt32(bytes + 16);
  return h;
}

void appendLineFileHeader(std::vector<std::uint8_t>& out, const LineFileHeader& header) {
  appendInt32(out, header.magic);
  appendInt32(out, header.directoryOffset);
  appendZeros(out, 8);
  appendInt32(out, header.maxPointWords);
  appendZeros(out, 20);
}

DirectoryEntry parseDirectoryEntry(const std::uint8_t* bytes) {
  DirectoryEntry e;
  e.north = readInt32(bytes + 4);
  e.south = readInt32(bytes + 8);
  e.east = readInt32(bytes + 12);
  e.west = readInt32(bytes + 16);
  e.offset = readInt32(bytes + 20);
  e.length = readUint16(bytes + 24);
  e.lineClass = readInt16(bytes + 26);
  return e;
}

void appendDirectoryEntry(std::vector<std::uint8_t>& out, const DirectoryEntry& entry) {
  appendZeros(out, 4);
  appendInt32(out, entry.north);
  appendInt32(out, entry.south);
  appendInt32(out, entry.east);
  appendInt32(out, entry.west);
  appendInt32(out, entry.offset);
  appendUint16(out, entry.length);
  appendUint16(out, static_cast<std::uint16_t>(entry.lineClass));
}

SegmentHeader parseSegmentHeader(const std::uint8_t* bytes) {
  SegmentHeader h;
  h.lon = readInt32(bytes);
  h.lat = readInt32(bytes + 4);
  h.deltaCount = readUint16(bytes + 12);
  return h;
}

void appendSegmentHeader(std::vector<std::uint8_t>& out, const SegmentHeader& header) {
  appendInt32(out, header.lon);
  appendInt32(out, header.lat);
  appendZeros(out, 4);
  appendUint16(out, header.deltaCount);
  appendZeros(out, 2);
}

int decodeDelta(const std::uint8_t* data, std::size_t size, Delta& delta) {
  if (size < kShortDeltaBytes) return 0;
  const std::uint16_t w = readUint16(data);
  if (w & kShortFormFlag) {
    const auto high = static_cast<std::uint8_t>(w >> 8);
    delta.dLon = (high & kHighByteSign) ? static_cast<std::int8_t>(high) : (high & kHighByteMagnitude);
    delta.dLat = static_cast<std::int8_t>(w & 0xFF);
    return kShortDeltaBytes;
  }
  if (size < kLongDeltaBytes) return 0;
  delta.dLon = readLongValue(data);
  delta.dLat = readLongValue(data + 4);
  return kLongDeltaBytes;
}

void appendDelta(std::vector<std::uint8_t>& out, Delta delta) {
  if (fitsShortForm(delta)) {
    const auto high = static_cast<std::uint8_t>(delta.dLon < 0 ? static_cast<std::uint8_t>(delta.dLon)
                                                               : (kShortFormFlag >> 8) | delta.dLon);
    appendUint16(out, static_cast<std::uint16_t>((high << 8) | static_cast<std::uint8_t>(delta.dLat)));
    return;
  }
  appendLongValue(out, delta.dLon);
  appendLongValue(out, delta.dLat);
}

std::size_t encodedPointDataSize(const ArcPoint* points, std::size_t count) {
  std::size_t bytes = 0;
  for (std::size_t i = 1; i < count; ++i) {
    const Delta d{points[i].lon - points[i - 1].lon, points[i].lat - points[i - 1].lat};
    bytes += fitsShortForm(d) ? kShortDeltaBytes : kLongDeltaBytes;
  }
  return bytes;
}

bool decodePointData(ArcPoint first, const std::uint8_t* data, std::size_t size, int deltaCount,
                     std::vector<ArcPoint>& points) {
  std::int64_t lon = first.lon, lat = first.lat;
  points.push_back(first);
  std::size_t at = 0;
  for (int i = 0; i < deltaCount; ++i) {
    Delta d;
    const int used = decodeDelta(data + at, size - at, d);
    if (used == 0) return false;
    at += used;
    lon += d.dLon;
    lat += d.dLat;
    points.push_back({clampToInt32(lon), clampToInt32(lat)});
  }
  return true;
}

}  // namespace z5
