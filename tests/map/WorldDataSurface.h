#pragma once
// The world data tests draw on the shared recording surface: one
// definition of the recorded calls for every test of this folder.

#include "RecordingSurface.h"

namespace z5::test {

using WorldDataSurface = RecordingSurface;

}  // namespace z5::test
