#pragma once
// Writing line files: the segments of one file (land, rivers or boundaries
// of one region) with their directory and bounding boxes.

#include <cstdint>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "world/LineFileFormat.h"

namespace z5 {

// A segment's point data and delta count must fit the 16-bit fields that
// hold them.
inline constexpr std::size_t kMaxSegmentDataBytes = 32766;
inline constexpr std::size_t kMaxSegmentDeltas = 32767;

// How long a written segment may be. Short segments with small boxes let
// the reader skip most of the world for a small view; long ones keep the
// directory small for the whole world.
struct SegmentLimits {
  std::size_t maxDeltas = 500;
  std::int32_t maxSpan = 2 * 3600;  // arc-seconds of latitude or longitude
};

// Splits a polyline into pieces that respect the limits; each piece starts
// at the point where the previous one ended, so the line stays unbroken.
std::vector<LineSegment> splitSegment(const LineSegment& segment, const SegmentLimits& limits);

// The whole file in memory. False (and `out` empty) when a segment has no
// point, its point data or delta count is too long for the format, or a
// step between two points is beyond the long delta form.
bool encodeLineFile(const std::vector<LineSegment>& segments, std::vector<std::uint8_t>& out);

// Writes the file (replacing it whole); not written when it cannot be
// encoded or written, with the cause.
FileWriteResult writeLineFile(const std::string& path, const std::vector<LineSegment>& segments);

}  // namespace z5
