// Calls of numbered strings for the StringNumberCalls tests
// (tests/CMakeLists.txt): as it stands the file compiles; with
// Z5_WRONG_CALL=n it holds wrong call n as well, which must not compile.

#include <string>

#include "base/StringTable.h"
#include "route/RouteErrors.h"

namespace z5 {

std::string formatted(const StringTable& strings, [[maybe_unused]] int runtimeNumber) {
  std::string text = strings.prompt(10, 1, 2, 3) + strings.prompt(13, std::string("points.txt")) +
                     strings.prompt(4) + strings.error(kBadSpeed.number, 7, "route.txt", 2);
#if Z5_WRONG_CALL == 1
  text += strings.prompt(10, 1, 2);
#elif Z5_WRONG_CALL == 2
  text += strings.prompt(13, 5);
#elif Z5_WRONG_CALL == 3
  text += strings.error(kErrorStringCount);
#elif Z5_WRONG_CALL == 4
  text += strings.error(kBadSpeed.number, 7, 2);
#elif Z5_WRONG_CALL == 5
  text += strings.prompt(runtimeNumber, 1, 2, 3);
#endif
  return text;
}

}  // namespace z5
