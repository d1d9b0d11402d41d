#pragma once
// The place-name files "port.dat" and "ocean.dat": a 32-byte header whose
// first int32 is the magic, then 32-byte records of a stored name, a zoom
// level and a position. Read in blocks of 256 records.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "base/BinaryFile.h"

namespace z5 {

inline constexpr std::int32_t kPlaceNameMagic = 0x12345678;  // 305419896
inline constexpr int kPlaceNameHeaderSize = 32;
inline constexpr int kPlaceNameRecordSize = 32;
inline constexpr int kPlaceNameBlockRecords = 256;
inline constexpr int kPlaceNameFieldSize = 23;
inline constexpr int kMaxPlaceNameLength = kPlaceNameFieldSize - 1;
// A level of 0 shows the name on every view.
inline constexpr std::uint8_t kAlwaysShown = 0;

struct PlaceName {
  std::string name;
  std::uint8_t level = kAlwaysShown;
  std::int32_t lat = 0;  // arc-seconds
  std::int32_t lon = 0;  // arc-seconds, absolute
  friend bool operator==(const PlaceName&, const PlaceName&) = default;
};

// One record as read: the name is decoded only when it is wanted.
struct PlaceNameRecord {
  const std::uint8_t* storedName = nullptr;
  std::uint8_t level = 0;
  std::int32_t lat = 0, lon = 0;
  std::string name() const;
};

PlaceNameRecord parsePlaceNameRecord(const std::uint8_t* bytes);

// The record's position lies on the earth: a latitude within 90 degrees and
// a longitude within 180. Other records are damaged.
bool onTheEarth(const PlaceNameRecord& record);
void appendPlaceNameRecord(std::vector<std::uint8_t>& out, const PlaceName& place);

// The whole file; names longer than 22 characters are cut.
std::vector<std::uint8_t> encodePlaceNameFile(const std::vector<PlaceName>& places);
FileWriteResult writePlaceNameFile(const std::string& path, const std::vector<PlaceName>& places);

enum class PlaceNameStatus { Ok, CannotOpen, BadMagic };

class PlaceNameReader {
 public:
  explicit PlaceNameReader(const std::string& path);

  PlaceNameStatus status() const { return status_; }
  std::int32_t magicFound() const { return magicFound_; }

  // Hands every whole record to `visit`, in file order; a short last
  // record is ignored (cutShort() tells).
  void forEachRecord(const std::function<void(const PlaceNameRecord&)>& visit);

  long long wholeRecords() const;
  // The file ends inside a record.
  bool cutShort() const;

 private:
  BinaryFile file_;
  PlaceNameStatus status_ = PlaceNameStatus::Ok;
  std::int32_t magicFound_ = 0;
};

// Every record of a file; empty when it cannot be read.
std::vector<PlaceName> readAllPlaceNames(const std::string& path);

}  // namespace z5
