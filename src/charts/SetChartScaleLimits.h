#pragma once
// The "Chart &Scale limits" command: asks for the smallest and the largest
// scale denominator of the charts the chart search accepts.

#include <functional>

#include "base/Messages.h"
#include "base/SettingsRecord.h"

namespace z5 {

// Prompt strings of the command.
inline constexpr int kPromptLowerScale = 96;   // smallest allowed, upper limit, current lower
inline constexpr int kPromptUpperScale = 97;   // lower limit, largest allowed, current upper
inline constexpr int kLabelScaleLimits = 225;

// Asks for the lower limit, then the upper one (an empty answer keeps a
// limit; a value outside 5000 <= lower < upper <= 9000000 asks again; Cancel
// ends the command). When a limit changed, `extractRoute` runs the route
// extraction again so that the chart list follows; when it returns -88 the
// command ends there. Finally the message window shows the limits.
// Returns 1 when a limit changed.
int SetChartScaleLimits(ChartScaleLimits& limits, Messages& messages, const std::function<int()>& extractRoute);

}  // namespace z5
