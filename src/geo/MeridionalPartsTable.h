#pragma once
// The meridional parts of every 32 arc-seconds of latitude from 0 to 313152
// arc-seconds (about 86.99 degrees), in whole arc-seconds of meridional parts,
// for the integer projection of the map.

#include <array>

namespace z5 {

class MeridionalPartsTable {
 public:
  static constexpr int kStepSeconds = 32;
  static constexpr int kEntries = 9787;
  static constexpr int kLastLatitudeSeconds = (kEntries - 1) * kStepSeconds;  // 313152

  // The one table, built on first use from meridionalParts() and never changed.
  static const MeridionalPartsTable& instance();

  // Entry i: meridional parts x 60 of latitude i x 32 arc-seconds, rounded
  // to the nearest whole number. i within 0..kEntries - 1.
  int entry(int i) const { return entries_[i]; }

  // Meridional parts (arc-seconds of parts) of `latitudeSeconds`, by linear
  // integer interpolation between the two neighbouring entries; odd in the
  // latitude. Latitudes beyond the table's last entry get that entry's value.
  int lookup(int latitudeSeconds) const;

 private:
  MeridionalPartsTable();
  std::array<int, kEntries> entries_{};
};

}  // namespace z5
