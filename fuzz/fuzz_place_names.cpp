// Any bytes as a place-name file: read or refused, names decoded within
// their field, labels placed without reading outside a record.

#include <sys/stat.h>

#include "WorldDataFuzz.h"
#include "base/Messages.h"
#include "base/StringTable.h"
#include "map/DrawPlaceNames.h"
#include "world/PlaceNameFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace z5;
  static const StringTable strings;
  static const MapExtent world = fuzz::worldView();
  const std::string home = fuzz::scratchHome();
  fuzz::writeFile(home + kPortFile, data, size);
  for (const PlaceName& p : readAllPlaceNames(home + kPortFile))
    if (p.name.size() > 23) __builtin_trap();
  SilentHost host;
  Messages messages(host, strings);
  fuzz::CountingSurface surface;
  DrawPlaceNames(surface, messages, PlaceNameKind::Ports, home, world, {1024, 768, true, 14, 2});
  return 0;
}
