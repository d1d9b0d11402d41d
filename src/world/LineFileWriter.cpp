#include "world/LineFileWriter.h"

#include <algorithm>

namespace z5 {
namespace {

struct Box {
  std::int32_t north, south, east, west;
  explicit Box(ArcPoint p) : north(p.lat), south(p.lat), east(p.lon), west(p.lon) {}
  void add(ArcPoint p) {
    north = std::max(north, p.lat);
    south = std::min(south, p.lat);
    east = std::max(east, p.lon);
    west = std::min(west, p.lon);
  }
  std::int64_t latSpan() const { return std::int64_t{north} - south; }
  std::int64_t lonSpan() const { return std::int64_t{east} - west; }
};

bool stepFits(ArcPoint a, ArcPoint b) {
  const std::int64_t dLon = std::int64_t{b.lon} - a.lon, dLat = std::int64_t{b.lat} - a.lat;
  return dLon >= kLongDeltaMin && dLon <= kLongDeltaMax && dLat >= kLongDeltaMin && dLat <= kLongDeltaMax;
}

bool encodable(const LineSegment& s) {
  if (s.points.empty() || s.points.size() - 1 > kMaxSegmentDeltas) return false;
  for (std::size_t i = 1; i < s.points.size(); ++i)
    if (!stepFits(s.points[i - 1], s.points[i])) return false;
  return encodedPointDataSize(s.points.data(), s.points.size()) <= kMaxSegmentDataBytes;
}

}  // namespace

std::vector<LineSegment> splitSegment(const LineSegment& segment, const SegmentLimits& limits) {
  std::vector<LineSegment> pieces;
  const auto& pts = segment.points;
  if (pts.empty()) return pieces;
  const std::size_t maxDeltas = std::clamp<std::size_t>(limits.maxDeltas, 1, kMaxSegmentDeltas);
  std::size_t start = 0;
  while (true) {
    LineSegment piece{segment.lineClass, {pts[start]}};
    Box box(pts[start]);
    std::size_t bytes = 0;
    std::size_t i = start + 1;
    for (; i < pts.size() && piece.points.size() <= maxDeltas; ++i) {
      Box grown = box;
      grown.add(pts[i]);
      const std::size_t step = encodedPointDataSize(&pts[i - 1], 2);
      const bool tooWide = grown.latSpan() > limits.maxSpan || grown.lonSpan() > limits.maxSpan;
      if (piece.points.size() > 1 && (tooWide || bytes + step > kMaxSegmentDataBytes)) break;
      piece.points.push_back(pts[i]);
      box = grown;
      bytes += step;
    }
    pieces.push_back(std::move(piece));
    if (i >= pts.size()) break;
    start = i - 1;
  }
  return pieces;
}

bool encodeLineFile(const std::vector<LineSegment>& segments, std::vector<std::uint8_t>& out) {
  out.clear();
  if (!std::all_of(segments.begin(), segments.end(), encodable)) return false;
  LineFileHeader header;
  appendLineFileHeader(out, header);
  std::vector<DirectoryEntry> directory;
  directory.reserve(segments.size());
  for (const LineSegment& s : segments) {
    Box box(s.points.front());
    for (const ArcPoint& p : s.points) box.add(p);
    DirectoryEntry entry{box.north, box.south, box.east, box.west, static_cast<std::int32_t>(out.size()), 0,
                         static_cast<std::int16_t>(s.lineClass)};
    appendSegmentHeader(out, {s.points.front().lon, s.points.front().lat,
                              static_cast<std::uint16_t>(s.points.size() - 1)});
    const std::size_t dataStart = out.size();
    for (std::size_t i = 1; i < s.points.size(); ++i)
      appendDelta(out, {s.points[i].lon - s.points[i - 1].lon, s.points[i].lat - s.points[i - 1].lat});
    entry.length = static_cast<std::uint16_t>(out.size() - dataStart);
    header.maxPointWords = std::max<std::int32_t>(header.maxPointWords, (entry.length + 1) / 2);
    directory.push_back(entry);
  }
  header.directoryOffset = static_cast<std::int32_t>(out.size());
  for (const DirectoryEntry& e : directory) appendDirectoryEntry(out, e);
  std::vector<std::uint8_t> headerBytes;
  appendLineFileHeader(headerBytes, header);
  std::copy(headerBytes.begin(), headerBytes.end(), out.begin());
  return true;
}

FileWriteResult writeLineFile(const std::string& path, const std::vector<LineSegment>& segments) {
  std::vector<std::uint8_t> bytes;
  if (!encodeLineFile(segments, bytes)) return {false, "a segment does not fit the line file format"};
  return writeFileAtomically(path, bytes);
}

}  // namespace z5
