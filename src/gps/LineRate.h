#pragma once
// Line rates that the terminal interface has no speed constant for (3600,
// 6000, 7200 and 8400 baud among the receiver's choices). Linux sets them
// through its arbitrary-rate terminal settings; the driver may refuse them.

#include <optional>

namespace z5 {

// Sets both directions of the open terminal `fd` to `baud`, leaving every
// other setting as it is. False when the driver refuses the rate or the
// system has no way to set it.
bool setArbitraryLineRate(int fd, int baud);

// The output rate the driver holds for `fd`, in baud; nullopt when it
// cannot be read as a number.
std::optional<int> lineRate(int fd);

}  // namespace z5
