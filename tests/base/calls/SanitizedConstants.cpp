// Compiled with the sanitizers' instrumentation (see tests/CMakeLists.txt):
// the lookups the program makes when it compiles must stay constant
// expressions when every pointer gets a null check.

#include "base/SettingsKeys.h"
#include "base/StringTable.h"

namespace z5 {

constexpr IntKey kBaud = *findIntegerKey(&SettingsRecord::GPS_BAUD);
constexpr TextKey kPort = *findTextKey(&SettingsRecord::GPS_PORT);
static_assert(kBaud.maximum > kBaud.minimum && kPort.maximum > kPort.minimum);

constexpr PromptNumber<int, int, int> kRoundingQuestion = 10;
constexpr ErrorNumber<std::string> kCannotOpen = 2;

}  // namespace z5
