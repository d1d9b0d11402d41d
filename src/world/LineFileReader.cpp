#include "world/LineFileReader.h"

#include <algorithm>


namespace z5 {
namespace {

constexpr int kCannotOpenError = 38;
constexpr int kBadMagicError = 39;
constexpr int kSegmentError = 40;

constexpr std::size_t kDirectoryBlockBytes = std::size_t{kDirectoryBlockEntries} * kDirectoryEntrySize;
// No segment's point data can exceed what its 16-bit length field holds,
// whatever the header claims; the buffer never grows beyond it.
constexpr std::int64_t kLargestLengthField = 0xFFFF;

}  // namespace

LineFileReader::LineFileReader(const std::string& path) : file_(path) {
  if (!file_.isOpen()) {
    problem_.status = LineFileStatus::CannotOpen;
    return;
  }
  std::uint8_t bytes[kLineFileHeaderSize];
  if (!file_.readAt(0, bytes, sizeof bytes)) {
    problem_.status = LineFileStatus::BadMagic;
    problem_.magicFound = 0;
    return;
  }
  header_ = parseLineFileHeader(bytes);
  if (header_.magic != kLineFileMagic) {
    problem_.status = LineFileStatus::BadMagic;
    problem_.magicFound = header_.magic;
    return;
  }
  limitBytes_ = std::max<std::int64_t>(0, 2 * std::int64_t{header_.maxPointWords});
  problem_.limit = static_cast<int>(std::min<std::int64_t>(limitBytes_, INT32_MAX));
  pointData_.resize(static_cast<std::size_t>(std::min(limitBytes_, kLargestLengthField)));
}

bool LineFileReader::fail(LineFileStatus status, int entryNumber, int length) {
  problem_.status = status;
  problem_.entryNumber = entryNumber;
  problem_.length = length;
  return false;
}

bool LineFileReader::forEachSegment(const Keep& keep, const Visit& visit) {
  if (!ok()) return false;
  const std::int64_t start = header_.directoryOffset;
  if (start < kLineFileHeaderSize || start > file_.size()) return fail(LineFileStatus::Damaged, 0, 0);
  const std::int64_t entries = (file_.size() - start) / kDirectoryEntrySize;
  block_.resize(kDirectoryBlockBytes);
  for (std::int64_t first = 0; first < entries; first += kDirectoryBlockEntries) {
    const auto inBlock = static_cast<int>(std::min<std::int64_t>(kDirectoryBlockEntries, entries - first));
    if (!file_.readAt(start + first * kDirectoryEntrySize, block_.data(),
                      static_cast<std::size_t>(inBlock) * kDirectoryEntrySize))
      return fail(LineFileStatus::Damaged, 0, 0);
    for (int i = 0; i < inBlock; ++i) {
      const DirectoryEntry entry = parseDirectoryEntry(block_.data() + std::size_t(i) * kDirectoryEntrySize);
      if (!keep(entry)) continue;
      SegmentHeader segment;
      if (!readSegment(entry, i + 1, segment)) return false;
      if (!visit(entry, segment, std::span<const std::uint8_t>(pointData_.data(), entry.length)))
        return fail(LineFileStatus::Damaged, i + 1, entry.length);
    }
  }
  return true;
}

bool LineFileReader::readSegment(const DirectoryEntry& entry, int entryNumber, SegmentHeader& header) {
  if (entry.length > limitBytes_) return fail(LineFileStatus::SegmentTooLong, entryNumber, entry.length);
  std::uint8_t bytes[kSegmentHeaderSize];
  if (!file_.readAt(entry.offset, bytes, sizeof bytes) ||
      !file_.readAt(std::int64_t{entry.offset} + kSegmentHeaderSize, pointData_.data(), entry.length))
    return fail(LineFileStatus::Damaged, entryNumber, entry.length);
  header = parseSegmentHeader(bytes);
  return true;
}

void showLineFileProblem(Messages& messages, const std::string& path, const LineFileProblem& problem,
                         int milliseconds) {
  switch (problem.status) {
    case LineFileStatus::Ok:
      return;
    case LineFileStatus::CannotOpen:
      messages.showError(kCannotOpenError, milliseconds, path);
      return;
    case LineFileStatus::BadMagic:
      messages.showError(kBadMagicError, milliseconds, path, static_cast<int>(problem.magicFound),
                         static_cast<int>(kLineFileMagic));
      return;
    case LineFileStatus::SegmentTooLong:
    case LineFileStatus::Damaged:
      messages.showError(kSegmentError, milliseconds, path, problem.entryNumber, problem.length, problem.limit);
      return;
  }
}

std::vector<LineSegment> readAllSegments(const std::string& path, LineFileProblem* problem) {
  LineFileReader reader(path);
  std::vector<LineSegment> segments;
  reader.forEachSegment([](const DirectoryEntry&) { return true; },
                        [&](const DirectoryEntry& entry, const SegmentHeader& header, std::span<const std::uint8_t> data) {
                          LineSegment s{entry.lineClass, {}};
                          const bool whole = decodePointData({header.lon, header.lat}, data.data(), data.size(),
                                                             header.deltaCount, s.points);
                          segments.push_back(std::move(s));
                          return whole;
                        });
  const LineFileProblem result = reader.problem();
  if (problem) *problem = result;
  if (result.status != LineFileStatus::Ok) segments.clear();
  return segments;
}

}  // namespace z5
