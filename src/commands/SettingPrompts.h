#pragma once
// The questions that change one numeric setting: the delimiting character
// of the delimited output, the rounding of report times and the number of
// the first waypoint.

#include "base/Messages.h"
#include "base/SettingsRecord.h"

namespace z5 {

// Prompt strings: the questions and the labels of their messages.
inline constexpr int kSeparatorLabel = 3;
inline constexpr int kSeparatorQuestion = 21;
inline constexpr int kRoundingQuestion = 10;
inline constexpr int kRoundingLabel = 12;
inline constexpr int kLabelStartQuestion = 14;
inline constexpr int kLabelStartLabel = 20;

// The number of the first waypoint in listings, on the map and in the
// waypoint questions.
inline constexpr int kLeastLabelStart = 0;
inline constexpr int kGreatestLabelStart = 9000;
inline constexpr int kDefaultLabelStart = 1;

// SEPARATOR_CHAR: one character (a digit is read as a code), or its code;
// a code the delimited output cannot use (outside 1..255, or a line end)
// asks again. Cancel or an empty answer keeps it. True when it changed.
bool askSeparatorCharacter(SettingsRecord& settings, Messages& messages);

// ROUNDING through the integer prompt (1..60, n for 1); the rounding text
// follows. True when it changed.
bool askRounding(SettingsRecord& settings, Messages& messages);

// The number label start through the integer prompt (n for 1). True when
// it changed.
bool askNumberLabelStart(SettingsRecord& settings, Messages& messages);

}  // namespace z5
