#pragma once
// The voyage's header texts: their defaults, and the questions that change
// the remark, the vessel name, the call sign and the user point file.

#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "route/Voyage.h"

namespace z5 {

// The labels that default to prompt strings: the direction label and the
// to-waypoint target's label. Run after the string files are loaded.
void resetVoyageHeaderTexts(Voyage& voyage, const StringTable& strings);

// Each question offers the current value, trims the answer, and then shows
// "label: value" (prompt string 217) in the message window. An answer that
// is not accepted leaves the value as it was. Each returns true when the
// value changed.

// The remark of the AMVER X/ line: any confirmed answer, at most 249
// characters kept; an empty answer clears it.
bool askRemark(SettingsRecord& settings, Messages& messages);
// The vessel name: a non-empty answer, at most 100 characters kept.
bool askVesselName(SettingsRecord& settings, Messages& messages);
// The call sign: 2 to 49 characters.
bool askCallSign(SettingsRecord& settings, Messages& messages);
// The user point file: 2 to 199 characters naming a file that opens for
// reading (otherwise error string 2 with the name, 3000 ms). Afterwards
// plotting is switched off when no file is named, and the message window
// says whether it is on.
bool askUserPointFile(SettingsRecord& settings, Messages& messages);

}  // namespace z5
