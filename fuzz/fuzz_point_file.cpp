// Any text as a user point file: points drawn or the first bad line
// reported with its number, never more than one error location.

#include <sys/stat.h>

#include "WorldDataFuzz.h"
#include "base/Messages.h"
#include "base/StringTable.h"
#include "map/DrawPointFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace z5;
  static const StringTable strings;
  static const MapExtent world = fuzz::worldView();
  const std::string path = fuzz::scratchHome() + "points.txt";
  fuzz::writeFile(path, data, size);
  SilentHost host;
  Messages messages(host, strings);
  fuzz::CountingSurface surface;
  std::vector<ErrorLocation> errors;
  const int result = DrawPointFile(surface, messages, errors, path, world, {true, 1024, 768, 5, true, 14, 3});
  if (errors.size() != (result == 0 ? 0u : 1u)) __builtin_trap();
  return 0;
}
