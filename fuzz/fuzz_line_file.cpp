// Any bytes as a line file: the reader reports or draws, never reads outside
// the file or its buffers, and never hands the surface a colour it lacks.

#include <sys/stat.h>

#include "WorldDataFuzz.h"
#include "base/Messages.h"
#include "base/StringTable.h"
#include "map/DrawLineFiles.h"
#include "world/LineFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace z5;
  static const StringTable strings;
  static const MapExtent world = fuzz::worldView();
  const std::string home = fuzz::scratchHome();
  const std::string path = home + strings.text(StringFile::Prompt, kLineFileBaseNames) +
                           strings.text(StringFile::Prompt, kLandSuffixString);
  fuzz::writeFile(path, data, size);
  readAllSegments(path);
  SilentHost host;
  Messages messages(host, strings);
  fuzz::CountingSurface surface;
  DrawLineFiles(surface, messages, home, world, {true, false, false});
  return 0;
}
