#include "geo/MeridionalPartsTable.h"

#include <cmath>
#include <cstdlib>

#include "geo/ArcUnits.h"
#include "geo/EarthModel.h"
#include "geo/Longitude.h"

namespace z5 {

MeridionalPartsTable::MeridionalPartsTable() {
  for (int i = 0; i < kEntries; ++i) {
    const double latitude = static_cast<double>(i) * kStepSeconds / kSecondsPerDegree;
    entries_[i] = static_cast<int>(std::lround(meridionalParts(latitude) * kArcSecondsPerMinute));
  }
}

const MeridionalPartsTable& MeridionalPartsTable::instance() {
  static const MeridionalPartsTable table;
  return table;
}

int MeridionalPartsTable::lookup(int latitudeSeconds) const {
  const long long magnitude = std::llabs(static_cast<long long>(latitudeSeconds));
  int parts;
  if (magnitude >= kLastLatitudeSeconds) {
    parts = entries_[kEntries - 1];
  } else {
    const int i = static_cast<int>(magnitude / kStepSeconds);
    const int fraction = static_cast<int>(magnitude % kStepSeconds);
    parts = entries_[i] + (entries_[i + 1] - entries_[i]) * fraction / kStepSeconds;
  }
  return latitudeSeconds < 0 ? -parts : parts;
}

}  // namespace z5
