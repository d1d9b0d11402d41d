#pragma once
// The interval calculator: the hours between two date-times.

#include <string>

#include "nav/NavContext.h"

namespace z5 {

// Asks for FM and TO (asked again, both, while TO is more than 362 days
// after FM or not after it) and writes "FM <time>,TO <time>, <hours>hr=
// <d>d,<hh>:<mm>" to the message window. FM and TO stay the defaults of the
// next use. Returns the result text, empty when the user cancelled.
std::string intervalCalculator(NavContext& nav);

}  // namespace z5
