#include "charts/ChartCatalogueFile.h"

#include <algorithm>

#include <fmt/printf.h>

#include "base/ByteOrder.h"

namespace z5 {
namespace {

// Field offsets within a record.
constexpr int kNumberAt = 0;
constexpr int kCarriedAt = 4;
constexpr int kTitleAt = 6;
constexpr int kScaleAt = 44;
constexpr int kSouthAt = 48;
constexpr int kNorthAt = 52;
constexpr int kLongitude1At = 56;
constexpr int kLongitude2At = 60;

unsigned char shifted(char c) { return static_cast<unsigned char>(static_cast<unsigned char>(c) + kChartTitleShift); }

}  // namespace

bool storableTitleCharacter(char c) { return c != 0 && shifted(c) != 0; }

std::string ChartRecord::title() const {
  std::string text;
  for (unsigned char stored : storedTitle) {
    if (stored == 0) break;
    const char c = static_cast<char>(static_cast<unsigned char>(stored - kChartTitleShift));
    if (c == 0) break;
    text += c;
  }
  return text;
}

bool ChartRecord::setTitle(std::string_view title) {
  if (title.size() > storedTitle.size()) return false;
  for (char c : title) {
    if (!storableTitleCharacter(c)) return false;
  }
  storedTitle.fill(0);
  for (std::size_t i = 0; i < title.size(); ++i) storedTitle[i] = shifted(title[i]);
  return true;
}

ChartRecord decodeChartRecord(const unsigned char* bytes) {
  ChartRecord r;
  r.number = readInt32(bytes + kNumberAt);
  r.carried = static_cast<char>(bytes[kCarriedAt]);
  for (int i = 0; i < kChartTitleBytes; ++i) r.storedTitle[i] = bytes[kTitleAt + i];
  r.scale = readInt32(bytes + kScaleAt);
  r.south = readInt32(bytes + kSouthAt);
  r.north = readInt32(bytes + kNorthAt);
  r.longitude1 = readInt32(bytes + kLongitude1At);
  r.longitude2 = readInt32(bytes + kLongitude2At);
  return r;
}

void encodeChartRecord(const ChartRecord& r, unsigned char* bytes) {
  std::fill(bytes, bytes + kChartRecordBytes, 0);
  writeInt32(bytes + kNumberAt, r.number);
  bytes[kCarriedAt] = static_cast<unsigned char>(r.carried);
  for (int i = 0; i < kChartTitleBytes; ++i) bytes[kTitleAt + i] = r.storedTitle[i];
  writeInt32(bytes + kScaleAt, r.scale);
  writeInt32(bytes + kSouthAt, r.south);
  writeInt32(bytes + kNorthAt, r.north);
  writeInt32(bytes + kLongitude1At, r.longitude1);
  writeInt32(bytes + kLongitude2At, r.longitude2);
}

bool ChartCatalogueReader::readHeader(std::int32_t& magicFound) {
  unsigned char header[kChartHeaderBytes] = {};
  in_.read(reinterpret_cast<char*>(header), kChartHeaderBytes);
  magicFound = readInt32(header);
  headerRead_ = in_.gcount() == kChartHeaderBytes;
  cutShort_ = !headerRead_;
  return headerRead_ && magicFound == kChartCatalogueMagic;
}

const std::vector<ChartRecord>& ChartCatalogueReader::nextBlock() {
  block_.clear();
  if (ended_) return block_;
  in_.read(reinterpret_cast<char*>(buffer_.data()), static_cast<std::streamsize>(buffer_.size()));
  const auto bytes = static_cast<std::size_t>(in_.gcount());
  if (bytes < buffer_.size()) ended_ = true;
  const std::size_t records = bytes / kChartRecordBytes;
  if (bytes % kChartRecordBytes != 0) cutShort_ = true;
  recordsRead_ += static_cast<long long>(records);
  block_.reserve(records);
  for (std::size_t i = 0; i < records; ++i) block_.push_back(decodeChartRecord(&buffer_[i * kChartRecordBytes]));
  return block_;
}

std::string ChartCatalogueReader::cutShortMessage(const std::string& path) const {
  if (!cutShort_) return {};
  if (!headerRead_) {
    return fmt::sprintf("%s is cut short: it ends inside its %d-byte header, so no chart can be listed.", path,
                        kChartHeaderBytes);
  }
  return fmt::sprintf("%s is cut short: it ends inside chart record %lld, so the charts from there on are missing.",
                      path, recordsRead_ + 1);
}

bool writeChartCatalogue(std::ostream& out, const std::vector<ChartRecord>& records) {
  unsigned char header[kChartHeaderBytes] = {};
  writeInt32(header, kChartCatalogueMagic);
  out.write(reinterpret_cast<const char*>(header), kChartHeaderBytes);
  unsigned char bytes[kChartRecordBytes];
  for (const ChartRecord& r : records) {
    encodeChartRecord(r, bytes);
    out.write(reinterpret_cast<const char*>(bytes), kChartRecordBytes);
  }
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace z5
