#pragma once
// What the navigation calculators and time commands work on: the parts of
// the application object they read and change, handed by reference.

#include "base/Clock.h"
#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "geo/MapExtent.h"
#include "nav/CalculatorState.h"
#include "route/Voyage.h"

namespace z5 {

struct NavContext {
  SettingsRecord& settings;
  Voyage& voyage;
  Messages& messages;
  CalculatorState& calculators;
  const Clock& clock;
  MapExtent& extent;  // holds the reference meridian of every longitude difference
};

}  // namespace z5
