#include "world/PlaceNameFile.h"

#include <algorithm>
#include <cstdlib>

#include "base/ByteOrder.h"
#include "world/NameCoding.h"

namespace z5 {
namespace {

constexpr std::int64_t kPoleSeconds = 324000;          // 90 degrees
constexpr std::int64_t kAntimeridianSeconds = 648000;  // 180 degrees

}  // namespace

bool onTheEarth(const PlaceNameRecord& r) {
  return std::abs(std::int64_t{r.lat}) <= kPoleSeconds && std::abs(std::int64_t{r.lon}) <= kAntimeridianSeconds;
}

std::string PlaceNameRecord::name() const { return decodeStoredName(storedName, kPlaceNameFieldSize); }

PlaceNameRecord parsePlaceNameRecord(const std::uint8_t* bytes) {
  PlaceNameRecord r;
  r.storedName = bytes;
  r.level = bytes[kPlaceNameFieldSize];
  r.lat = readInt32(bytes + 24);
  r.lon = readInt32(bytes + 28);
  return r;
}

void appendPlaceNameRecord(std::vector<std::uint8_t>& out, const PlaceName& place) {
  std::uint8_t field[kPlaceNameFieldSize];
  encodeStoredName(place.name, field, sizeof field);
  out.insert(out.end(), field, field + sizeof field);
  out.push_back(place.level);
  appendInt32(out, place.lat);
  appendInt32(out, place.lon);
}

std::vector<std::uint8_t> encodePlaceNameFile(const std::vector<PlaceName>& places) {
  std::vector<std::uint8_t> out;
  appendInt32(out, kPlaceNameMagic);
  out.resize(kPlaceNameHeaderSize, 0);
  for (const PlaceName& p : places) appendPlaceNameRecord(out, p);
  return out;
}

FileWriteResult writePlaceNameFile(const std::string& path, const std::vector<PlaceName>& places) {
  return writeFileAtomically(path, encodePlaceNameFile(places));
}

PlaceNameReader::PlaceNameReader(const std::string& path) : file_(path) {
  if (!file_.isOpen()) {
    status_ = PlaceNameStatus::CannotOpen;
    return;
  }
  std::uint8_t magic[4] = {};
  file_.readAt(0, magic, std::min<std::int64_t>(file_.size(), sizeof magic));
  magicFound_ = readInt32(magic);
  if (file_.size() < kPlaceNameHeaderSize || magicFound_ != kPlaceNameMagic) status_ = PlaceNameStatus::BadMagic;
}

long long PlaceNameReader::wholeRecords() const {
  return status_ == PlaceNameStatus::Ok ? (file_.size() - kPlaceNameHeaderSize) / kPlaceNameRecordSize : 0;
}

bool PlaceNameReader::cutShort() const {
  return status_ == PlaceNameStatus::Ok && (file_.size() - kPlaceNameHeaderSize) % kPlaceNameRecordSize != 0;
}

void PlaceNameReader::forEachRecord(const std::function<void(const PlaceNameRecord&)>& visit) {
  if (status_ != PlaceNameStatus::Ok) return;
  const std::int64_t records = wholeRecords();
  std::vector<std::uint8_t> block(std::size_t{kPlaceNameBlockRecords} * kPlaceNameRecordSize);
  for (std::int64_t first = 0; first < records; first += kPlaceNameBlockRecords) {
    const auto count = static_cast<int>(std::min<std::int64_t>(kPlaceNameBlockRecords, records - first));
    if (!file_.readAt(kPlaceNameHeaderSize + first * kPlaceNameRecordSize, block.data(),
                      std::size_t(count) * kPlaceNameRecordSize))
      return;
    for (int i = 0; i < count; ++i) visit(parsePlaceNameRecord(block.data() + std::size_t(i) * kPlaceNameRecordSize));
  }
}

std::vector<PlaceName> readAllPlaceNames(const std::string& path) {
  std::vector<PlaceName> places;
  PlaceNameReader reader(path);
  reader.forEachRecord([&](const PlaceNameRecord& r) { places.push_back({r.name(), r.level, r.lat, r.lon}); });
  return places;
}

}  // namespace z5
