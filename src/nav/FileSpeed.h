#pragma once
// The voyage's file speed: the speed of every leg that has none of its own.

#include "route/Voyage.h"

namespace z5 {

// Speeds at or below this count as not given.
inline constexpr double kNoSpeed = 0.001;

// Sets the file speed and its text " File spd %7.4f" (empty when cleared).
void setFileSpeed(Voyage& voyage, double knots);

}  // namespace z5
