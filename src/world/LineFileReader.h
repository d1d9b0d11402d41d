#pragma once
// Reading a line file in streamed blocks: the header, then the directory
// 1170 entries at a time; only the segments the caller keeps are read.
// Nothing is held beyond one block and one segment's point data.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "base/BinaryFile.h"
#include "base/Messages.h"
#include "world/LineFileFormat.h"

namespace z5 {

enum class LineFileStatus {
  Ok,
  CannotOpen,
  BadMagic,        // `magicFound` holds the value read
  SegmentTooLong,  // point data longer than the header's limit
  Damaged,         // a directory or segment outside the file, or point data shorter than its deltas
};

// What went wrong, with the values the messages show.
struct LineFileProblem {
  LineFileStatus status = LineFileStatus::Ok;
  std::int32_t magicFound = 0;
  int entryNumber = 0;  // within its directory block, from 1
  int length = 0;       // the entry's point data, bytes
  int limit = 0;        // the header's limit, bytes
};

class LineFileReader {
 public:
  using Keep = std::function<bool(const DirectoryEntry&)>;
  // Called for each kept segment with its header and its point data, whose
  // length the directory entry gives; returns false when the data are not
  // what the header says, which ends the walk as damage.
  using Visit = std::function<bool(const DirectoryEntry&, const SegmentHeader&, std::span<const std::uint8_t>)>;

  // Opens the file and reads its header.
  explicit LineFileReader(const std::string& path);

  const LineFileProblem& problem() const { return problem_; }
  bool ok() const { return problem_.status == LineFileStatus::Ok; }
  const LineFileHeader& header() const { return header_; }

  // Walks the directory in order; for every entry `keep` accepts, reads the
  // segment and hands its header and point data to `visit`. Stops at the
  // first problem, which problem() then tells.
  bool forEachSegment(const Keep& keep, const Visit& visit);

 private:
  bool readSegment(const DirectoryEntry& entry, int entryNumber, SegmentHeader& header);
  bool fail(LineFileStatus status, int entryNumber, int length);

  BinaryFile file_;
  LineFileHeader header_;
  LineFileProblem problem_;
  std::int64_t limitBytes_ = 0;
  std::vector<std::uint8_t> block_;
  std::vector<std::uint8_t> pointData_;
};

// Shows the numbered message of a file's problem: error string 38 (cannot
// open: the path), 39 (wrong mark: the path, the value found and the one
// expected) or 40 (a damaged segment: the path, its entry within its
// directory block, its length and the limit). Nothing for a sound file.
void showLineFileProblem(Messages& messages, const std::string& path, const LineFileProblem& problem,
                         int milliseconds);

// Reads every segment of a file with its points (the tools and tests use it
// to check what was written). Empty when the file has a problem.
std::vector<LineSegment> readAllSegments(const std::string& path, LineFileProblem* problem = nullptr);

}  // namespace z5
