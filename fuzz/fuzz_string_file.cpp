// A user-edited string file: any bytes load or fail cleanly, and every loaded
// string formats with the arguments the program gives it.

#include <sstream>
#include <string>

#include "base/StringTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const z5::StringFile file : {z5::StringFile::Error, z5::StringFile::Prompt}) {
    z5::StringTable table;
    std::istringstream in(bytes);
    std::vector<int> replaced;
    if (!table.load(file, in, replaced)) continue;
    // Strings that survived the load must format with their listed arguments.
    (void)table.error(39, std::string("path"), 1, 2);
    (void)table.prompt(217, std::string("label"), std::string("value"));
    (void)table.prompt(32, 1.0, 2.0, 3.0, 1, 2, 3);
  }
  return 0;
}
