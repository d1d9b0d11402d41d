#pragma once
// The route check on the application's state: the extracted voyage checked
// against the land of the home directory's world data, with the result
// kept for the map's layer of findings. The window calls
// showRouteCheckSummary after every extraction and listRouteCheck for its
// "Check &Route against land" command; `z5 --check` runs checkRouteJob.

#include <ostream>

#include "world/LandCheck.h"
#include "world/LandIndexCache.h"

namespace z5 {

class Z5App;

// Exit statuses of `z5 --check`.
inline constexpr int kCheckClean = 0;     // no leg meets land (or passes within the clearance)
inline constexpr int kCheckFindings = 1;  // some leg does
inline constexpr int kCheckNotRun = 3;    // the check could not be made

// Checks the extracted voyage and keeps the result in app.landCheck(). A
// land file that is missing or damaged shows its numbered message as
// `notice` says, and the result says that the check could not run.
const LandCheckResult& checkRoute(Z5App& app, FailureNotice notice = FailureNotice::Always);

// After an extraction: the check, and its summary line in the message window;
// an unreadable land file is shown once, not again until it changes.
void showRouteCheckSummary(Z5App& app);

// The check command: the check, and its listing in the message window.
void listRouteCheck(Z5App& app);

// `z5 --check`: the check of the extracted voyage, its listing on `out`.
// Returns kCheckClean, kCheckFindings or kCheckNotRun.
int checkRouteJob(Z5App& app, std::ostream& out);

}  // namespace z5
