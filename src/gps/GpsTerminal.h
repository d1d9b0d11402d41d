#pragma once
// The GPS display in a terminal: the dialog's texts as lines, printed each
// time the reader has updated them, until asked to stop.

#include <atomic>
#include <cstdio>
#include <string>

#include "gps/GpsMonitor.h"
#include "gps/GpsTextSet.h"

namespace z5 {

// The dialog copies of the texts as a block of lines: time and date with
// the received indicator, position, SMG and CMG, the goto waypoint, and the
// RL and GC rows.
std::string gpsDisplayText(const GpsTextSet& texts, const std::string& receivedLabel);

// Runs a started monitor: after every update refreshes the dialog copies
// and prints the display to `out`; returns when `stop` becomes true (checked
// at least every kStopPollMilliseconds), after stopping the monitor.
void runGpsTerminal(GpsMonitor& monitor, std::FILE* out, const std::atomic<bool>& stop);

inline constexpr int kStopPollMilliseconds = 200;

}  // namespace z5
